#pragma once
// The full analytical theories as libnova computes them: VSOP87 for the
// Earth and the planets (heliocentric) and ELP 2000-82B for the Moon
// (geocentric), both on the ecliptic and equinox of J2000, turned here into
// GCRS vectors (equatorial, AU) so that ERFA's routines take them as they are.

namespace rashi {

// The planets the series cover, with eraPlan94's numbering.
enum class SeriesPlanet { Mercury = 1, Venus = 2, Earth = 3, Mars = 4, Jupiter = 5, Saturn = 6, Uranus = 7, Neptune = 8 };

// The heliocentric position of a planet at a date of TT (one Julian date), AU, GCRS.
void HeliocentricPosition(SeriesPlanet planet, double tt, double position[3]);

// The geocentric position of the Moon at a date of TT, AU, GCRS.
void GeocentricMoon(double tt, double position[3]);

} // namespace rashi
