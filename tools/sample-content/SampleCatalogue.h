#pragma once

#include <span>
#include <string>
#include <string_view>

// How a work's picture is decorated; the painter turns each into a design.
enum class TDesign {
    // flowers
    BigFlower,
    SmallFlowers,
    Branch,
    // patterns
    Dots,
    Stripes,
    Check,
    Zigzag,
    French,
    Moon,
    Lace,
    Ornament,
    Stars,
    Leopard,
    Geometry,
    Knit,
    // abstraction
    Marble,
    Splash,
    Ombre,
    Watercolor,
    Galaxy,
    Waves,
    Flames,
};

// One work of the sample catalogue. Texts are UTF-8 here and Windows-1251 in the content.
struct TSampleWork {
    std::string_view Name;
    int Time;
    std::string_view Complicate;
    std::string_view Materials;
    std::string_view Temper;
    std::string_view Color;
    std::string_view Theme;
    TDesign Design;
    std::string_view Technique;
    std::string_view Motif;
    std::string_view Occasion;
    std::string_view Description;
    // Why Complicate is no word of the filter's, where that is on purpose.
    std::string_view ComplicateRemark = {};
};

struct TSampleAuthor {
    std::string_view Id;         // as in the viewer's author table
    std::string_view Name;       // display name, from the same table
    std::string_view Speciality; // one English line for the about page
    std::span<const TSampleWork> Works;
};

namespace SampleCatalogue {

// The four authors in the viewer's load order, each with their works by running number.
std::span<const TSampleAuthor> Authors();

// The lines of a work's text file (UTF-8), built from its data so every text names its
// technique, motif, materials, colours and occasion for the search to find.
std::string TextOf(const TSampleWork& work);

} // namespace SampleCatalogue
