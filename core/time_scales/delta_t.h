#pragma once
// ΔT = TT − UT, the difference between the uniform time of the ephemerides
// and the clock kept by the Earth's rotation.

namespace rashi {

// ΔT in seconds at a decimal year (2000.0 is the start of 2000): before 1955
// the splines of Morrison, Stephenson, Hohenkerk and Zawilski (2021), from
// 1955 the measured values (USNO, IERS), after the last of them a parabola
// of the long-term curvature (scripts/make-delta-t.py writes the tables).
double DeltaTSeconds(double year);

// The decimal year of a Julian date (UT).
double DecimalYear(double julianDate);

} // namespace rashi
