#pragma once
// Geocentric tropical ecliptic longitudes of the Sun and planets from mean
// Keplerian elements of J2000 with linear rates, Kepler's equation for body
// and Earth, and the difference of the two heliocentric vectors.

#include <array>

namespace rashi {

// Theory index: the planets in order from the Sun; index 2 (the Earth's
// elements) gives the Sun.
enum TheoryIndex { Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };
inline constexpr int kTheoryBodies = 9;

inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double KeplerTolerance = 1e-12;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

struct OrbitElements {
    double SemiMajorAxis = 0;       // AU
    double Eccentricity = 0;
    double Inclination = 0;         // radians
    double AscendingNode = 0;       // radians
    double PerihelionLongitude = 0; // radians
    double MeanLongitude = 0;       // radians, in [0, 2π)
};

// One row of the element table: value at J2000 and rate per century.
// Angles in degrees, their rates in arc-seconds per century.
struct ElementRow {
    double a0, a1, e0, e1, i0, i1, node0, node1, peri0, peri1, L0, L1;
};

extern const std::array<ElementRow, kTheoryBodies> kElementTable;

// Days from 2000 January 1, 12:00 UT, by the Gregorian calendar (its century rule included).
double DayNumber(int year, int month, int day, int hour, int minute);

// Fills `elements` for a theory index at day d; an index outside 0..8 leaves it unchanged.
void LoadOrbitalElements(int index, double d, OrbitElements& elements);

// Geocentric tropical longitude in degrees, in [0, 360] (exactly 360 may remain).
double GeocentricLongitude(int index, double d);

// All nine at once, the Earth computed once: the same values as nine calls.
std::array<double, kTheoryBodies> GeocentricLongitudes(double d);

double ReduceRadians(double x);                 // into [0, 2π)
double SolveTrueAnomaly(double M, double e);    // true anomaly in [0, 2π)
double QuadrantArcTan(double y, double x);      // in (−π, π]

} // namespace rashi
