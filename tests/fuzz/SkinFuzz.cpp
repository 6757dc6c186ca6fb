// The skin readers on any skin file: one section read as a button and one as a bar, each a
// section the windows read or the first section the file names.
#include "ContentPath.h"
#include "Fuzzing.h"
#include "ProfileFile.h"
#include "SkinSection.h"

#include <array>
#include <string>

namespace {

// Sections of each kind that the program reads.
constexpr std::array kButtonSections = {"zoom", "quest", "close_2_1", "search_btn", "scroll_up"};
constexpr std::array kScrollSections = {"wb_vscroll", "wb_vscroll_sh"};

// The first section named in the file, as its readers find it.
VELMORA_NOT_COVERED std::string FirstSection(std::string_view bytes)
{
    const size_t open = bytes.find('[');
    if (open == std::string_view::npos)
        return {};
    const size_t close = bytes.find_first_of("]\n", open);
    return std::string(
        bytes.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = Fuzzing::Bytes(data, size);
    const QString file = QStringLiteral("skin.ini");
    Fuzzing::WriteFile(file, bytes);
    const QString& folder = Fuzzing::ContentFolder();
    const ProfileFile skin(ContentPath::Join(folder, file));
    const auto picture = [&](const QString& relativePath) {
        return TSkinPicture(ContentPath::Join(folder, relativePath));
    };
    // One section of each kind, which the input's length chooses.
    const std::string first = FirstSection(bytes);
    const auto chosen = [&](const auto& named) {
        const size_t pick = size % (named.size() + 1);
        return pick < named.size() ? std::string_view(named[pick]) : std::string_view(first);
    };
    (void)SkinSection::ReadButton(skin, chosen(kButtonSections), picture);
    (void)SkinSection::ReadScroll(skin, chosen(kScrollSections), picture);
    return 0;
}
