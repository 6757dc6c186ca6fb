#pragma once

#include "NailCanvas.h"
#include "SampleCatalogue.h"

#include <string_view>

// Decorates one nail as a work describes it: which painter draws each design and material.
namespace NailDecor {

// The base coat and the work's motif.
void PaintDesign(TNailCanvas& nail, TDesign design);

// The effects of the materials text ("стразы, глиттер"), over the motif.
void PaintMaterials(TNailCanvas& nail, std::string_view materialsUtf8);

} // namespace NailDecor
