#pragma once

#include "DesignPalette.h"
#include "SampleCatalogue.h"
#include "SeededRandom.h"

#include <QPainter>

#include <string_view>

// One nail being decorated. The painter is clipped to the nail, with the origin at the middle
// of its base and the tip at (0, -Length).
struct TNailCanvas {
    QPainter& Painter;
    double Width;
    double Length;
    bool Accent; // the one nail that carries the main motif
    const TDesignPalette& Palette;
    SeededRandom& Random;
};

namespace NailDecor {

// The base coat and the work's motif.
void PaintDesign(TNailCanvas& nail, TDesign design);

// The effects of the materials text ("стразы, глиттер"), over the motif.
void PaintMaterials(TNailCanvas& nail, std::string_view materialsUtf8);

} // namespace NailDecor
