#pragma once
// Reference values for the precise ephemeris from an independent ephemeris
// (scripts/precise-reference.js), and the tolerances the tests allow them.

#include <cmath>

namespace rashi::testing {

struct PreciseReferenceRow {
    int year, month, day, hour, minute; // UT
    double longitudes[9];               // the report's nine rows, sidereal degrees
};
struct AscendantReferenceRow {
    int year, month, day, hour, minute;
    double eastLongitude, northLatitude, ascendant;
};
struct AyanamsaReferenceRow {
    double julianDate; // TT
    double ayanamsa;   // mean, degrees
};
struct DeltaTReferenceRow {
    int year;
    double seconds;
};

#include "precise_reference.inc"

// Tolerances in arcminutes beside the table, row by row of the report: a little
// above the largest error over 100,000 random moments (scripts/measure-precise.sh).
// The Sun's would catch a missing aberration (20″) or light time; the planets'
// are the limits of eraPlan94, the largest Saturn's 1.6′.
constexpr double kToleranceArcminutes[9] = {
    0.1,  // Sun
    0.5,  // Moon
    0.1,  // Mercury
    0.3,  // Venus
    1.2,  // Mars
    1.5,  // Jupiter
    2.0,  // Saturn
    0.1,  // North Node (mean)
    0.1,  // South Node
};
constexpr double kAscendantToleranceArcminutes = 0.1;

// The difference of two longitudes in arcminutes, across 0°/360° as well.
inline double Arcminutes(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180) d = 360 - d;
    return 60 * d;
}

} // namespace rashi::testing
