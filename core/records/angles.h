#pragma once
// Angles in degrees brought into one turn.

#include <cmath>

namespace rashi {

// Into [0, 360): never 360 itself, which a tiny negative remainder would
// round to and which no sign holds.
inline double NormalizedDegrees(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    if (d >= 0) return d;
    return d + 360 >= 360 ? 0 : d + 360;
}

} // namespace rashi
