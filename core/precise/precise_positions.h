#pragma once
// Apparent positions: the Earth and the planets from VSOP87 and the Moon from
// ELP 2000-82B (full_theories.h), with light time and aberration by ERFA, the
// open edition of the IAU's standard routines; the mean lunar node by its
// standard polynomial or the osculating node; the IAU 2006/2000A precession
// and nutation once per moment, longitudes on the ecliptic of date, sidereal
// by the ayanamsa of date with its nutation.

#include "core/records/node_kind.h"

#include <array>

namespace rashi {

// The report's bodies in report order, then the two outer planets that the
// planet theory's table also carries.
enum PreciseBody { PreciseSun, PreciseMoon, PreciseMercury, PreciseVenus, PreciseMars, PreciseJupiter,
                   PreciseSaturn, PreciseNode, PreciseUranus, PreciseNeptune };
inline constexpr int kPreciseBodies = 10;

// One moment and everything about it that every body shares.
struct PreciseFrame {
    double ut1 = 0, ut2 = 0;        // JD(UT) in two parts, their sum the date
    double tt1 = 0, tt2 = 0;        // JD(TT) in two parts
    double deltaT = 0;              // TT − UT, seconds
    double nutationLongitude = 0;   // Δψ, degrees
    double trueObliquity = 0;       // ε_A + Δε, degrees
    double meanAyanamsa = 0;        // Lahiri, degrees
    double trueAyanamsa = 0;        // mean ayanamsa + Δψ: what apparent longitudes lose
    double eclipticOfDate[3][3]{};  // GCRS to the mean ecliptic and equinox of date
    double equatorOfDate[3][3]{};   // GCRS to the true equator and equinox of date
};

// The frame of a moment of UT given as a calendar date and a time of day.
PreciseFrame FrameAtUniversalTime(int year, int month, int day, int hour, int minute);

// The same with the time as seconds from the date's 0h UT (below 0 or past a
// day's worth for a moment on the day before or after).
PreciseFrame FrameAtUniversalSeconds(int year, int month, int day, int seconds);

// The frame of a Julian date of UT in two parts (e.g. the day's 0h and the fraction).
PreciseFrame FrameAtJulianDate(double ut1, double ut2);

// The same with a given ΔT in seconds instead of the polynomials'.
PreciseFrame FrameAtJulianDate(double ut1, double ut2, double deltaTSeconds);

struct PreciseSky {
    std::array<double, kPreciseBodies> apparent{}; // tropical, true equinox of date, [0, 360)
    std::array<double, kPreciseBodies> sidereal{}; // apparent − true ayanamsa, [0, 360)
};

// All bodies at the frame's moment. The node (mean, or the osculating one of
// the Moon's geometric orbit) is of the mean equinox; its apparent value adds
// Δψ, so that its sidereal value is the node less the mean ayanamsa alone.
PreciseSky PrecisePositions(const PreciseFrame& frame, NodeKind nodes = NodeKind::Mean);

// One planet's sidereal longitude as PrecisePositions gives it (Mercury ..
// Neptune; not a number for the others), at a fraction of the cost.
double PrecisePlanetLongitude(const PreciseFrame& frame, PreciseBody planet);

// The sidereal ascendant in degrees [0, 360) for a place, from the apparent
// sidereal time (IAU 2006/2000A) and the true obliquity of the frame.
// Longitude east positive, latitude north positive, both in degrees; the
// latitude must lie strictly between the polar circles for the ascendant to
// be defined at every moment.
double PreciseAscendant(const PreciseFrame& frame, double eastLongitude, double northLatitude);

} // namespace rashi
