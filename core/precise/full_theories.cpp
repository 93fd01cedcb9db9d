#include "core/precise/full_theories.h"

#include <erfa.h>
#include <erfam.h>
#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/saturn.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <cmath>

namespace rashi {
namespace {

// ELP 2000-82B's terms are summed down to this size (in the theory's own
// units): every term kept, the truncation adding nothing to the theory's error.
constexpr double kLunarPrecision = 0;

constexpr double kKilometresPerAu = ERFA_DAU / 1000;

// The ecliptic and equinox of J2000 to the GCRS: the transpose of IAU 2006's
// GCRS-to-ecliptic matrix at J2000.0, frame bias included.
struct EclipticJ2000 {
    mutable double toGcrs[3][3]; // ERFA's routines take no const matrices
    EclipticJ2000() {
        double m[3][3];
        eraEcm06(ERFA_DJ00, 0, m);
        eraTr(m, toGcrs);
    }
};

void ToGcrs(const double ecliptic[3], double gcrs[3]) {
    static const EclipticJ2000 frame;
    double copy[3] = {ecliptic[0], ecliptic[1], ecliptic[2]};
    eraRxp(frame.toGcrs, copy, gcrs);
}

void SphericalToGcrs(const ln_helio_posn& h, double gcrs[3]) {
    double ecliptic[3];
    eraS2p(h.L * ERFA_DD2R, h.B * ERFA_DD2R, h.R, ecliptic);
    ToGcrs(ecliptic, gcrs);
}

} // namespace

void HeliocentricPosition(SeriesPlanet planet, double tt, double position[3]) {
    ln_helio_posn h{};
    switch (planet) {
    case SeriesPlanet::Mercury: ln_get_mercury_helio_coords(tt, &h); break;
    case SeriesPlanet::Venus: ln_get_venus_helio_coords(tt, &h); break;
    case SeriesPlanet::Earth: ln_get_earth_helio_coords(tt, &h); break;
    case SeriesPlanet::Mars: ln_get_mars_helio_coords(tt, &h); break;
    case SeriesPlanet::Jupiter: ln_get_jupiter_helio_coords(tt, &h); break;
    case SeriesPlanet::Saturn: ln_get_saturn_helio_coords(tt, &h); break;
    case SeriesPlanet::Uranus: ln_get_uranus_helio_coords(tt, &h); break;
    case SeriesPlanet::Neptune: ln_get_neptune_helio_coords(tt, &h); break;
    }
    SphericalToGcrs(h, position);
}

void GeocentricMoon(double tt, double position[3]) {
    ln_rect_posn moon{};
    ln_get_lunar_geo_posn(tt, &moon, kLunarPrecision);
    const double ecliptic[3] = {moon.X / kKilometresPerAu, moon.Y / kKilometresPerAu, moon.Z / kKilometresPerAu};
    ToGcrs(ecliptic, position);
}

double LunarTidalCorrection(double tt) {
    constexpr double kTheory = -23.8946, kMeasured = -25.82; // ″ per century squared
    const double t = (tt - ERFA_DJ00) / ERFA_DJC;
    return 0.5 * (kMeasured - kTheory) * t * t / 3600;
}

} // namespace rashi
