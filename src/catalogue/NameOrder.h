#pragma once

#include "TVelmoraData.h"

// Ascending by Name, ASCII letters folded, every other byte by its code; works whose names
// compare equal come in the reverse of their input order. The argument may be reordered.
TVelmoraDataArray SortByName(TVelmoraDataArray list);
