#pragma once

#include "TVelmoraData.h"

#include <vector>

// Ascending by Name, ASCII letters folded, every other byte by its code; works whose names
// compare equal come in the reverse of their input order. The argument may be reordered.
TVelmoraDataArray SortByName(TVelmoraDataArray list);

// The same order for the works at `positions` (indexes into works), as positions, so a caller
// can copy each chosen record once, straight into its place.
std::vector<size_t> NameOrder(const TVelmoraDataArray& works, std::vector<size_t> positions);
