#pragma once

#include "NailCanvas.h"

// The flower designs: each lays the base coat and paints its flowers over it.
namespace FloralDesigns {

void BigFlower(TNailCanvas& nail);
void SmallFlowers(TNailCanvas& nail);
void Branch(TNailCanvas& nail);

} // namespace FloralDesigns
