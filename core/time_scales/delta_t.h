#pragma once
// ΔT = TT − UT, the difference between the uniform time of the ephemerides
// and the clock kept by the Earth's rotation.

namespace rashi {

// ΔT in seconds at a decimal year (2000.0 is the start of 2000), by the
// polynomials of Espenak and Meeus (Five Millennium Canon of Solar Eclipses,
// 2006) for 1600–2400 and beyond; before 1600 the 1600–1700 piece is extended.
double DeltaTSeconds(double year);

// The decimal year of a Julian date (UT).
double DecimalYear(double julianDate);

} // namespace rashi
