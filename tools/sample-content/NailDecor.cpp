#include "NailDecor.h"

#include "AbstractDesigns.h"
#include "FloralDesigns.h"
#include "MaterialEffects.h"
#include "PatternDesigns.h"

#include <array>

namespace NailDecor {
namespace {

using TNailPainter = void (*)(TNailCanvas&);

// Indexed by TDesign.
constexpr std::array<TNailPainter, 22> kDesignPainters = {
    FloralDesigns::BigFlower,    FloralDesigns::SmallFlowers, FloralDesigns::Branch,
    PatternDesigns::Dots,        PatternDesigns::Stripes,     PatternDesigns::Check,
    PatternDesigns::Zigzag,      PatternDesigns::French,      PatternDesigns::Moon,
    PatternDesigns::Lace,        PatternDesigns::Ornament,    PatternDesigns::Stars,
    PatternDesigns::Leopard,     PatternDesigns::Geometry,    PatternDesigns::Knit,
    AbstractDesigns::Marble,     AbstractDesigns::Splash,     AbstractDesigns::Ombre,
    AbstractDesigns::Watercolor, AbstractDesigns::Galaxy,     AbstractDesigns::Waves,
    AbstractDesigns::Flames,
};
static_assert(size_t(TDesign::Flames) + 1 == kDesignPainters.size());

struct TMaterialEffect {
    std::string_view Word; // as the materials filter spells it
    TNailPainter Paint;
};

// Painted in this order, so stones and beads sit on top of glitter and foil.
constexpr std::array<TMaterialEffect, 9> kMaterialEffects = {{
    {"песок", MaterialEffects::Sand},
    {"пыльца", MaterialEffects::Shimmer},
    {"глиттер", MaterialEffects::Glitter},
    {"фольга", MaterialEffects::Foil},
    {"нить", MaterialEffects::Thread},
    {"блестки", MaterialEffects::Sequins},
    {"акрил", MaterialEffects::AcrylicBow},
    {"бульонки", MaterialEffects::Beads},
    {"страз", MaterialEffects::Rhinestones},
}};

} // namespace

void PaintDesign(TNailCanvas& nail, TDesign design)
{
    nail.Painter.save();
    nail.Painter.setRenderHint(QPainter::Antialiasing);
    kDesignPainters[size_t(design)](nail);
    nail.Painter.restore();
}

void PaintMaterials(TNailCanvas& nail, std::string_view materialsUtf8)
{
    for (const TMaterialEffect& effect : kMaterialEffects) {
        if (materialsUtf8.find(effect.Word) == std::string_view::npos)
            continue;
        nail.Painter.save();
        effect.Paint(nail);
        nail.Painter.restore();
    }
}

} // namespace NailDecor
