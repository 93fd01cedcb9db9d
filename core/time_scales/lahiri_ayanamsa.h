#pragma once
// The Lahiri ayanamsa as the Indian national ephemeris defines it: a fixed
// value at one epoch, carried to other dates by the general precession in
// longitude.

namespace rashi {

// The epoch, JD(TT), and the mean ayanamsa there in degrees: 23°15′00.658″
// less the nutation in longitude of that day, 0.004658035°.
inline constexpr double kLahiriEpoch = 2435553.5;
inline constexpr double kLahiriAtEpoch = 23.250182778 - 0.004658035;

// The mean ayanamsa in degrees at a date of TT given in two parts (their sum
// is the Julian date), carried by the IAU 2006 general precession in longitude.
// Apparent longitudes take off this plus the nutation in longitude; mean
// longitudes (the mean node) take off this alone.
double LahiriMeanAyanamsa(double tt1, double tt2);

} // namespace rashi
