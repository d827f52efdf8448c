#pragma once

#include <cmath>

// Banker's rounding: the processor's tools and the stored designs round halves to the even
// neighbour (41 / 2 gives 20, 127 / 2 gives 64), so every position and pixel rule uses it.
inline double roundHalfEven(double x)
{
    const double down = std::floor(x);
    const double fraction = x - down;
    if (fraction < 0.5) {
        return down;
    }
    if (fraction > 0.5) {
        return down + 1.0;
    }
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

inline int roundHalfEvenToInt(double x)
{
    return static_cast<int>(roundHalfEven(x));
}
