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

// What the Moon's longitude gains, degrees, when ELP 2000-82B's tidal
// acceleration (−23.8946″/cy²) is replaced by the one measured by lunar laser
// ranging (−25.82″/cy², that of the ΔT tables): half the difference times the
// square of the centuries from J2000. Some 15″ at 1600 and 2400.
double LunarTidalCorrection(double tt);

} // namespace rashi
