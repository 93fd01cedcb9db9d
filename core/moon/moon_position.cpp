#include "core/moon/moon_position.h"

#include "core/moon/birth_moment.h"

#include <cmath>

namespace rashi {

const std::array<LunarTerm, 25> kLunarTerms = {{
    {0, 0, 1, 0, +6.288774, false},
    {2, 0, -1, 0, +1.274027, false},
    {2, 0, 0, 0, +0.658314, false},
    {0, 0, 2, 0, +0.213618, false},
    {0, 1, 0, 0, -0.185116, true},
    {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, +0.058793, false},
    {2, -1, -1, 0, +0.057066, true},
    {2, 0, 1, 0, +0.053322, false},
    {2, -1, 0, 0, +0.045758, true},
    {0, 1, -1, 0, -0.040923, true},
    {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},
    {2, 0, 0, -2, +0.015327, false},
    {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, +0.010980, false},
    {4, 0, -1, 0, +0.010675, false},
    {0, 0, 3, 0, +0.010034, false},
    {4, 0, -2, 0, +0.008548, false},
    {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, +0.004987, true},
    {2, -1, 1, 0, +0.004036, true},
    {2, 0, 2, 0, +0.003994, false},
}};

double MoonTropicalLongitude(double T) {
    const double meanLongitude = 218.3164591 + 481267.88134236 * T; // degrees
    const double D = (297.8502042 + 445267.1115168 * T) * kDegToRad;
    const double M = (357.5291092 + 35999.0502909 * T) * kDegToRad;
    const double Mp = (134.9634114 + 477198.8676313 * T) * kDegToRad;
    const double F = (93.2720993 + 483202.0175273 * T) * kDegToRad;
    const double E = 1 - 0.002516 * T - 0.0000074 * T * T;

    double sum = 0;
    for (const LunarTerm& t : kLunarTerms) {
        double term = t.coefficient * std::sin(t.D * D + t.M * M + t.Mp * Mp + t.F * F);
        if (t.timesE) term *= E;
        sum += term;
    }

    // Into [0, 360]; the remainder is exact, so this equals adding or taking
    // 360 until in range, and a value of exactly 360 stays 360.
    const double lambda = meanLongitude + sum;
    double reduced = std::fmod(lambda, 360.0);
    if (reduced < 0) reduced += 360;
    if (reduced == 0 && lambda > 0) reduced = 360;
    return reduced;
}

double MoonSiderealLongitude(double T) {
    double lambda = MoonTropicalLongitude(T) + AyanamsaCorrection(T);
    if (lambda < 0) lambda += 360;
    return lambda;
}

double MoonSiderealLongitude(double T, const AyanamsaChoice& choice, double chartAyanamsa) {
    if (!choice.named()) return MoonSiderealLongitude(T);
    double lambda = MoonTropicalLongitude(T) + chartAyanamsa;
    while (lambda < 0) lambda += 360;
    while (lambda >= 360) lambda -= 360;
    return lambda;
}

void ComputeMoonPosition(ReadingRecords& records) {
    MoonEphemeris& moon = records.moon;
    moon.UniversalHours = UniversalHours(records.birth);
    moon.JulianCenturies = JulianCenturies(records.birth);
    moon.SiderealLongitude =
        MoonSiderealLongitude(moon.JulianCenturies, records.birth.Ayanamsa, records.chart.ChartAyanamsa);
    moon.MoonPositionText = SignPositionText(moon.SiderealLongitude);
}

} // namespace rashi
