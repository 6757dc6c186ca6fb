#pragma once

#include "NailCanvas.h"

// The abstract designs: veins, splashes, gradients and washes of colour.
namespace AbstractDesigns {

void Marble(TNailCanvas& nail);
void Splash(TNailCanvas& nail);
void Ombre(TNailCanvas& nail);
void Watercolor(TNailCanvas& nail);
void Galaxy(TNailCanvas& nail);
void Waves(TNailCanvas& nail);
void Flames(TNailCanvas& nail);

} // namespace AbstractDesigns
