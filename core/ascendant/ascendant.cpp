#include "core/ascendant/ascendant.h"

#include "core/records/angles.h"
#include "core/moon/birth_moment.h"
#include "core/planets/position_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace rashi {
namespace {

constexpr double kJ2000 = 2451545.0;

// One term of the nutation series: multipliers of the Delaunay arguments
// D, M, M', F, Ω; Δψ = (s0 + s1 T) sin(arg), Δε = (c0 + c1 T) cos(arg),
// in units of 0.0001".
struct NutationTerm {
    int D, M, Mp, F, Om;
    double s0, s1, c0, c1;
};

// The eighteen largest terms of the IAU 1980 series, as the tables print them;
// the rest add less than 0.1".
constexpr std::array<NutationTerm, 18> kNutationTerms = {{
    //  D   M  M'  F  Ω        Δψ: s0       s1      Δε: c0     c1
    {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
    {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
    {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
    {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
    {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
    {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
    {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
    {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 0.1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -0.1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
}};

} // namespace

Nutation NutationOfDate(double T) {
    const double T2 = T * T;
    const double T3 = T2 * T;
    // Delaunay arguments of the IAU 1980 theory, degrees.
    const double D = 297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474;
    const double M = 357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000;
    const double Mp = 134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250;
    const double F = 93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270;
    const double Om = 125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000;

    double psi = 0;
    double eps = 0;
    for (const NutationTerm& t : kNutationTerms) {
        const double arg = (t.D * D + t.M * M + t.Mp * Mp + t.F * F + t.Om * Om) * kDegToRad;
        psi += (t.s0 + t.s1 * T) * std::sin(arg);
        eps += (t.c0 + t.c1 * T) * std::cos(arg);
    }
    return {psi / 1e4 / 3600, eps / 1e4 / 3600};
}

double MeanObliquity(double T) {
    const double seconds = 21.448 - T * (46.8150 + T * (0.00059 - T * 0.001813));
    return 23 + (26 + seconds / 60) / 60;
}

double GreenwichMeanSidereal(double julianDayUt) {
    // The IAU 1982 expression in seconds of time, taken whole from J2000 so
    // that the day count stays exact: 24110.54841 s at 0h UT plus one
    // sidereal day and the rate per Julian century.
    const double days = julianDayUt - kJ2000;
    const double T = days / 36525;
    const double seconds = 67310.54841 + (876600.0 * 3600 + 8640184.812866) * T + 0.093104 * T * T - 6.2e-6 * T * T * T;
    return NormalizedDegrees(seconds / 240);
}

double GreenwichApparentSidereal(double julianDayUt) {
    const double T = (julianDayUt - kJ2000) / 36525;
    const Nutation n = NutationOfDate(T);
    const double epsilon = (MeanObliquity(T) + n.obliquity) * kDegToRad;
    return NormalizedDegrees(GreenwichMeanSidereal(julianDayUt) + n.longitude * std::cos(epsilon));
}

double TanOfLatitude(double latitude) {
    // Beyond the pole, or at it where the degree's constant (a hair above
    // π/180) would carry it over, the tangent turns round and the ascendant
    // with it.
    return std::tan(std::clamp(latitude, -kInsidePoleLatitude, kInsidePoleLatitude) * (std::numbers::pi / 180));
}

double AscendantLongitude(double localSidereal, double obliquity, double latitude) {
    const double theta = localSidereal * kDegToRad;
    const double epsilon = obliquity * kDegToRad;
    const double lambda = std::atan2(std::cos(theta), -(std::sin(theta) * std::cos(epsilon) +
                                                        TanOfLatitude(latitude) * std::sin(epsilon)));
    return NormalizedDegrees(lambda / kDegToRad);
}

double TropicalAscendant(double julianDayUt, double eastLongitude, double northLatitude) {
    const double T = (julianDayUt - kJ2000) / 36525;
    const double obliquity = MeanObliquity(T) + NutationOfDate(T).obliquity;
    const double local = NormalizedDegrees(GreenwichApparentSidereal(julianDayUt) + eastLongitude);
    return AscendantLongitude(local, obliquity, northLatitude);
}

double EastLongitude(const BirthRecord& birth) {
    const double degrees = birth.LonDegrees + birth.LonMinutes / 60.0;
    return birth.LonEast ? degrees : -degrees;
}

double NorthLatitude(const BirthRecord& birth) {
    const double degrees = birth.LatDegrees + birth.LatMinutes / 60.0;
    return birth.LatSouth ? -degrees : degrees;
}

AscendantRecord AscendantAt(const BirthRecord& birth, double universalHours, double chartAyanamsa) {
    AscendantRecord asc;
    const double jd = JulianDayNumber(birth.Month, birth.Day, birth.Year) + universalHours / 24 - 0.5;
    const double T = (jd - kJ2000) / 36525;
    const double latitude = NorthLatitude(birth);

    asc.TrueObliquity = MeanObliquity(T) + NutationOfDate(T).obliquity;
    asc.LocalSiderealDegrees = NormalizedDegrees(GreenwichApparentSidereal(jd) + EastLongitude(birth));
    asc.TropicalLongitude = AscendantLongitude(asc.LocalSiderealDegrees, asc.TrueObliquity, latitude);
    asc.SiderealLongitude = NormalizedDegrees(asc.TropicalLongitude + chartAyanamsa);
    asc.SomeSignsNeverRise = std::fabs(latitude) > kPolarCircleLatitude;
    return asc;
}

double AscendantAyanamsa(const BirthRecord& birth, const PlanetChart& chart) {
    return birth.Ayanamsa.named() ? chart.ApparentAyanamsa : chart.ChartAyanamsa;
}

void ComputeAscendant(ReadingRecords& records) {
    AscendantRecord& asc = records.ascendant;
    asc = AscendantAt(records.birth, records.chart.UniversalHours, AscendantAyanamsa(records.birth, records.chart));
    asc.PositionText = ShortPositionText(SignPositionText(asc.SiderealLongitude));
}

} // namespace rashi
