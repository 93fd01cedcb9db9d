#include "core/ayanamsa/star_ayanamsa.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>

namespace rashi {
namespace {

// One star as the catalogue gives it, and where the sidereal zodiac puts it.
struct CatalogueStar {
    AyanamsaStar star;
    int raHours, raMinutes;
    double raSeconds;
    int decSign, decDegrees, decMinutes;
    double decSeconds;
    double pmRaCosDec, pmDec; // milliarcseconds a year
    double parallax;          // milliarcseconds
    double radialVelocity;    // km/s, receding positive
    double siderealLongitude; // degrees
};

// Places and motions from the Hipparcos new reduction (van Leeuwen 2007,
// A&A 474, 653), positions at epoch J2000.0 in the ICRS as SIMBAD gives them;
// radial velocities from the same SIMBAD entries (ζ Psc: 15 km/s, δ Cnc:
// 17.14 km/s, λ Sco: −3 km/s, Spica: 1 km/s).
//   star            RA h  m   s           Dec  ±  °  ′   ″         μα*      μδ      π      vr     fixed at
constexpr std::array<CatalogueStar, 4> kStars = {{
    {AyanamsaStar::Spica,         13, 25, 11.57937, -1, 11,  9, 40.7501,  -42.35,  -30.67, 13.06,  1.00, 180},
    {AyanamsaStar::ZetaPiscium,    1, 13, 43.88735, +1,  7, 34, 31.2745,  145.00,  -55.69, 18.76, 15.00, 359 + 50.0 / 60},
    {AyanamsaStar::DeltaCancri,    8, 44, 41.09921, +1, 18,  9, 15.5034,  -17.67, -229.26, 24.98, 17.14, 106},
    {AyanamsaStar::LambdaScorpii, 17, 33, 36.52012, -1, 37,  6, 13.7648,   -8.90,  -29.95,  5.71, -3.00, 240},
}};

constexpr double kMasToRad = ERFA_DAS2R / 1000;

const CatalogueStar& Catalogue(AyanamsaStar star) {
    for (const CatalogueStar& s : kStars)
        if (s.star == star) return s;
    return kStars[0];
}

} // namespace

double StarAyanamsa(AyanamsaStar which, double tt1, double tt2) {
    const CatalogueStar& s = Catalogue(which);
    double ra = 0, dec = 0;
    eraTf2a('+', s.raHours, s.raMinutes, s.raSeconds, &ra);
    eraAf2a(s.decSign < 0 ? '-' : '+', s.decDegrees, s.decMinutes, s.decSeconds, &dec);

    // Space motion from J2000.0 to the date (the catalogue's μα is μα cos δ).
    double raDate = 0, decDate = 0, pmr = 0, pmd = 0, px = 0, rv = 0;
    eraPmsafe(ra, dec, s.pmRaCosDec * kMasToRad / std::cos(dec), s.pmDec * kMasToRad, s.parallax / 1000,
              s.radialVelocity, ERFA_DJ00, 0, tt1, tt2, &raDate, &decDate, &pmr, &pmd, &px, &rv);
    double direction[3];
    eraS2c(raDate, decDate, direction);

    // Annual aberration from the Earth's barycentric velocity.
    double heliocentric[2][3], barycentric[2][3], velocity[3], apparent[3];
    eraEpv00(tt1, tt2, heliocentric, barycentric);
    eraSxp(ERFA_AULT / ERFA_DAYSEC, barycentric[1], velocity);
    eraAb(direction, velocity, eraPm(heliocentric[0]), std::sqrt(1 - eraPdp(velocity, velocity)), apparent);

    // To the mean ecliptic and equinox of date.
    double toEcliptic[3][3], ecliptic[3], longitude = 0, latitude = 0;
    eraEcm06(tt1, tt2, toEcliptic);
    eraRxp(toEcliptic, apparent, ecliptic);
    eraC2s(ecliptic, &longitude, &latitude);
    const double ayanamsa = eraAnp(longitude) * ERFA_DR2D - s.siderealLongitude;
    return ayanamsa - 360 * std::floor((ayanamsa + 180) / 360); // within ±180
}

} // namespace rashi
