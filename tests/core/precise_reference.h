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
// above the largest error over the table. The Moon's is mostly ΔT's (0.55″ a
// second): after the last measured value ΔT is a forecast, some 3 s from the
// reference's by 2050.
// A missing light time or aberration (20″ and more) would show in every row.
constexpr double kToleranceArcminutes[9] = {
    0.015, // Sun
    0.06,  // Moon
    0.02,  // Mercury
    0.02,  // Venus
    0.012, // Mars
    0.01,  // Jupiter
    0.012, // Saturn
    0.005, // North Node (mean)
    0.005, // South Node
};
constexpr double kAscendantToleranceArcminutes = 0.005;

// The difference of two longitudes in arcminutes, across 0°/360° as well.
inline double Arcminutes(double a, double b) {
    double d = std::fabs(a - b);
    if (d > 180) d = 360 - d;
    return 60 * d;
}

} // namespace rashi::testing
