#pragma once

#include "NailCanvas.h"

// What the materials add over a design: glitter, stones, foil, beads and the like.
namespace MaterialEffects {

void Sand(TNailCanvas& nail);
void Shimmer(TNailCanvas& nail);
void Glitter(TNailCanvas& nail);
void Foil(TNailCanvas& nail);
void Thread(TNailCanvas& nail);
void Sequins(TNailCanvas& nail);
void AcrylicBow(TNailCanvas& nail);
void Beads(TNailCanvas& nail);
void Rhinestones(TNailCanvas& nail);

} // namespace MaterialEffects
