#include "core/time_scales/delta_t.h"

namespace rashi {

double DecimalYear(double julianDate) {
    // JD 2451544.5 is 2000 January 0.0 + 1 = 1 January 2000, 0h; a mean
    // Gregorian year of 365.2425 days.
    return 2000.0 + (julianDate - 2451544.5) / 365.2425;
}

// Each piece as Espenak and Meeus print it: t counted from the year named
// beside the piece, ΔT in seconds.
double DeltaTSeconds(double y) {
    if (y < 1700) { // 1600–1700, t from 1600
        const double t = y - 1600;
        return 120 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129;
    }
    if (y < 1800) { // 1700–1800, t from 1700
        const double t = y - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - t * t * t * t / 1174000;
    }
    if (y < 1860) { // 1800–1860, t from 1800
        const double t = y - 1800;
        const double t2 = t * t, t4 = t2 * t2;
        return 13.72 - 0.332447 * t + 0.0068612 * t2 + 0.0041116 * t2 * t - 0.00037436 * t4 +
               0.0000121272 * t4 * t - 0.0000001699 * t4 * t2 + 0.000000000875 * t4 * t2 * t;
    }
    if (y < 1900) { // 1860–1900, t from 1860
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * t * t * t * t +
               t * t * t * t * t / 233174;
    }
    if (y < 1920) { // 1900–1920, t from 1900
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    if (y < 1941) { // 1920–1941, t from 1920
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) { // 1941–1961, t from 1950
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) { // 1961–1986, t from 1975
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) { // 1986–2005, t from 2000
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
               0.00002373599 * t * t * t * t * t;
    }
    if (y < 2050) { // 2005–2050, t from 2000
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    // After 2050 the long-term parabola, u in centuries from 1820; until 2150
    // less a line that joins it to the 2050 value.
    const double u = (y - 1820) / 100;
    if (y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

} // namespace rashi
