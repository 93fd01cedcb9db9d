#pragma once
// The "true" ayanamsas, fixed to a star: the sidereal zodiac is turned so
// that the star stands at a given sidereal longitude at every date.

namespace rashi {

enum class AyanamsaStar { Spica, ZetaPiscium, DeltaCancri, LambdaScorpii };

// The star's apparent ecliptic longitude of date, less nutation in
// longitude, less its fixed sidereal longitude: the ayanamsa without
// nutation, degrees, at a date of TT given in two parts. The star is brought
// from its catalogue place (ICRS, epoch J2000.0) to the date by its proper
// motion, parallax and radial velocity, and displaced by the annual
// aberration of the Earth's motion; then turned to the mean ecliptic and
// equinox of date (IAU 2006).
double StarAyanamsa(AyanamsaStar star, double tt1, double tt2);

} // namespace rashi
