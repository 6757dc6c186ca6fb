#pragma once

#include "NailCanvas.h"

// The pattern designs: each lays the base coat and repeats its pattern over it.
namespace PatternDesigns {

void Dots(TNailCanvas& nail);
void Stripes(TNailCanvas& nail);
void Check(TNailCanvas& nail);
void Zigzag(TNailCanvas& nail);
void French(TNailCanvas& nail);
void Moon(TNailCanvas& nail);
void Lace(TNailCanvas& nail);
void Ornament(TNailCanvas& nail);
void Stars(TNailCanvas& nail);
void Leopard(TNailCanvas& nail);
void Geometry(TNailCanvas& nail);
void Knit(TNailCanvas& nail);

} // namespace PatternDesigns
