#pragma once
// The "true" ayanamsas, fixed to a star: the sidereal zodiac is turned so
// that the star stands at a given sidereal longitude at every date.

namespace rashi {

enum class AyanamsaStar { Spica, ZetaPiscium, DeltaCancri, LambdaScorpii };

// The star's apparent ecliptic longitude of date, less nutation in
// longitude, less its fixed sidereal longitude: the ayanamsa without
// nutation, degrees, at a date of TT given in two parts. The star is moved
// from its catalogue place (ICRS, epoch J2000.0) along its space motion
// (proper motion, parallax, radial velocity: ERFA's eraStarpv) to the date,
// turned to the mean ecliptic and equinox of date (IAU 2006), and displaced
// by the annual aberration of the Earth's orbital motion. The annual parallax
// (under 0.03" for these stars) is left out.
double StarAyanamsa(AyanamsaStar star, double tt1, double tt2);

} // namespace rashi
