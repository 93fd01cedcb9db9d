#include "core/planets/planet_theory.h"

#include "core/time_scales/civil_calendar.h"

#include <cmath>

namespace rashi {
namespace {
// 1 January 2000 in the count of days_from_civil.
const long long kDaysTo2000 = DaysFromCivil(2000, 1, 1);
} // namespace

const std::array<ElementRow, kTheoryBodies> kElementTable = {{
    //  a0           a1           e0          e1           i0        i1       node0       node1      peri0      peri1     L0         L1
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645, +573.57, 252.25084, +538101628.29},
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.80, 181.97973, +210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25, 102.94719, +1198.28, 100.46435, +129597740.63},
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19, 336.04084, +1560.78, 355.45332, +68905103.78},
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, +1217.17, 14.75385, +839.93, 34.40438, +10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504, -1591.05, 92.43194, -1948.89, 49.94432, +4401052.95},
    {19.19126393, +0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40, 170.96424, +1312.56, 313.23218, +1542547.79},
    {30.06896348, -0.00125196, 0.00858587, +0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135, -844.43, 304.88003, +786449.21},
    {39.48168677, -0.00076912, 0.24880766, +0.00006465, 17.14175, +11.07, 110.30347, -37.33, 224.06676, -132.25, 238.92881, +522747.90},
}};

double DayNumber(int year, int month, int day, int hour, int minute) {
    const double ut = hour + minute / 60.0;
    // The true Gregorian count: the same whole days as the formula's own
    // count (which has no century rule) from 1 March 1900 to 28 February 2100.
    const long long days = DaysFromCivil(year, month, day) - kDaysTo2000;
    return static_cast<double>(days) - 0.5 + ut / 24;
}

namespace {
double Angle(double c0, double c1, double T) { return (c0 + (c1 * T) / 3600) * DegToRad; }
} // namespace

void LoadOrbitalElements(int index, double d, OrbitElements& elements) {
    if (index < 0 || index >= kTheoryBodies) return;
    const ElementRow& row = kElementTable[static_cast<std::size_t>(index)];
    const double T = d / 36525;
    elements.SemiMajorAxis = row.a0 + row.a1 * T;
    elements.Eccentricity = row.e0 + row.e1 * T;
    elements.Inclination = Angle(row.i0, row.i1, T);
    elements.AscendingNode = Angle(row.node0, row.node1, T);
    elements.PerihelionLongitude = Angle(row.peri0, row.peri1, T);
    elements.MeanLongitude = ReduceRadians(Angle(row.L0, row.L1, T));
}

double ReduceRadians(double x) {
    const double b = x / kTwoPi;
    const double f = b >= 0 ? b - std::floor(b) : b - (std::floor(b) + 1);
    double r = f * kTwoPi;
    if (r < 0) r += kTwoPi;
    return r;
}

double SolveTrueAnomaly(double M, double e) {
    double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    double previous;
    do {
        previous = E;
        E = previous - (previous - e * std::sin(previous) - M) / (1 - e * std::cos(previous));
    } while (std::fabs(E - previous) > KeplerTolerance);
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E * 0.5));
    if (v < 0) v += kTwoPi;
    return v;
}

double QuadrantArcTan(double y, double x) {
    const auto sgn = [](double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); };
    if (x > 0) return std::atan(y / x);
    if (x == 0) return y == 0 ? 0.0 : sgn(y) * kPi / 2;
    if (y == 0) return kPi; // on the negative x axis
    return (kPi - std::atan(std::fabs(y / x))) * sgn(y);
}

namespace {

struct Vector2 {
    double x, y;
};

// Position in the plane of the ecliptic, from the elements at the same day.
Vector2 HeliocentricEarth(double d) {
    OrbitElements earth;
    LoadOrbitalElements(Earth, d, earth);
    const double v = SolveTrueAnomaly(ReduceRadians(earth.MeanLongitude - earth.PerihelionLongitude), earth.Eccentricity);
    const double r = earth.SemiMajorAxis * (1 - earth.Eccentricity * earth.Eccentricity) / (1 + earth.Eccentricity * std::cos(v));
    return {r * std::cos(v + earth.PerihelionLongitude), r * std::sin(v + earth.PerihelionLongitude)};
}

// The body's x and y (its z is not needed); the Earth itself is the origin.
Vector2 HeliocentricBody(int index, double d) {
    if (index == Earth) return {0, 0};
    OrbitElements body;
    LoadOrbitalElements(index, d, body);
    const double v = SolveTrueAnomaly(ReduceRadians(body.MeanLongitude - body.PerihelionLongitude), body.Eccentricity);
    const double r = body.SemiMajorAxis * (1 - body.Eccentricity * body.Eccentricity) / (1 + body.Eccentricity * std::cos(v));
    const double u = v + body.PerihelionLongitude - body.AscendingNode;
    const double node = body.AscendingNode;
    const double cosI = std::cos(body.Inclination);
    return {r * (std::cos(node) * std::cos(u) - std::sin(u) * std::sin(node) * cosI),
            r * (std::sin(node) * std::cos(u) + std::sin(u) * std::cos(node) * cosI)};
}

double LongitudeSeenFrom(const Vector2& earth, const Vector2& body) {
    double longitude = (180 / kPi) * QuadrantArcTan(body.y - earth.y, body.x - earth.x);
    while (longitude > 360) longitude -= 360;
    while (longitude < 0) longitude += 360;
    return longitude;
}

} // namespace

double GeocentricLongitude(int index, double d) {
    return LongitudeSeenFrom(HeliocentricEarth(d), HeliocentricBody(index, d));
}

std::array<double, kTheoryBodies> GeocentricLongitudes(double d) {
    const Vector2 earth = HeliocentricEarth(d);
    std::array<double, kTheoryBodies> longitudes{};
    for (int p = 0; p < kTheoryBodies; ++p) longitudes[p] = LongitudeSeenFrom(earth, HeliocentricBody(p, d));
    return longitudes;
}

} // namespace rashi
