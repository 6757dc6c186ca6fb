#pragma once

#include "TVelmoraData.h"

#include <vector>

// Ascending by Name, ASCII letters folded, every other byte by its code; works whose names
// compare equal come in the reverse of their input order.
TVelmoraDataArray SortByName(const TVelmoraDataArray& works);

// The works at `positions` (indexes into works) in the same order, each record copied once,
// straight into its place.
TVelmoraDataArray InNameOrder(const TVelmoraDataArray& works, const std::vector<size_t>& positions);
