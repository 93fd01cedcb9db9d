#pragma once
// Sphuta drishti: the strength, in virupas from 0 to 60, of a body's aspect
// on a point of the zodiac, by the arc from the body forward to the point.

#include "core/records/reading_records.h"

#include <array>

namespace rashi {

// A body's curve: its strength at arcs of 0°, 30°, 60° .. 330°. Between two
// of them the strength runs in a straight line, and 360° is 0° again.
using DrishtiCurve = std::array<double, 12>;

// The ordinary curve, every segment of which is a straight line:
//   0..30 and 300..360: 0       30..60: (a - 30)/2      60..90: a - 45
//   90..120: 30 + (120 - a)/2   120..150: 150 - a       150..180: 2(a - 150)
//   180..300: (300 - a)/2
// A special aspect peaks at 60 on its arc S and runs straight to the
// ordinary values at S - 30 and S + 30: it is the ordinary curve with 60 at S.
//                                       0°  30°  60°  90° 120° 150° 180° 210° 240° 270° 300° 330°
inline constexpr DrishtiCurve kOrdinaryCurve = {0,   0,  15,  45,  30,   0,  60,  45,  30,  15,   0,   0};
inline constexpr DrishtiCurve kMarsCurve     = {0,   0,  15,  60,  30,   0,  60,  60,  30,  15,   0,   0}; //  90°, 210°
inline constexpr DrishtiCurve kJupiterCurve  = {0,   0,  15,  45,  60,   0,  60,  45,  60,  15,   0,   0}; // 120°, 240°
inline constexpr DrishtiCurve kSaturnCurve   = {0,   0,  60,  45,  30,   0,  60,  45,  30,  60,   0,   0}; //  60°, 270°

// The curve of a report row: Mars's, Jupiter's and Saturn's own, the
// ordinary one for the others (the nodes always).
const DrishtiCurve& SphutaCurve(int reportRow);

// The strength on a curve at an arc in degrees, any arc (taken modulo 360).
double SphutaValue(const DrishtiCurve& curve, double arc);

// The strength of `from`'s aspect on a point at `to` (both longitudes).
inline double SphutaDrishti(int reportRow, double from, double to) {
    return SphutaValue(SphutaCurve(reportRow), to - from);
}

// Each row's strengths on the nine bodies (0 on itself) and on the twelve
// houses, house n's point at the lagna's longitude + 30° × (n − 1).
std::array<std::array<double, kSphutaPoints>, kReportRows> SphutaTable(
    const std::array<double, kReportRows>& longitudes, double lagna);

} // namespace rashi
