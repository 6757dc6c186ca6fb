#pragma once

#include <climits>
#include <cmath>

// Rounds to the nearest integer, halves to the even neighbour (2.5 to 2, 3.5 to 4), as the
// skin's geometry does. Not a number gives 0 and values beyond int stop at its ends, so a
// degenerate skin never makes the conversion undefined.
inline int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= double(INT_MIN))
        return INT_MIN;
    if (value >= double(INT_MAX))
        return INT_MAX;
    // The default rounding mode rounds halves to even.
    return int(std::nearbyint(value));
}
