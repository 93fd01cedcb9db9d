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

// The star's barycentric position (AU) and velocity (AU a day) at J2000.0,
// from its catalogue entry; computed once.
struct SpaceMotion {
    double pv[2][3];
};

SpaceMotion MotionOf(const CatalogueStar& s) {
    double ra = 0, dec = 0;
    eraTf2a('+', s.raHours, s.raMinutes, s.raSeconds, &ra);
    eraAf2a(s.decSign < 0 ? '-' : '+', s.decDegrees, s.decMinutes, s.decSeconds, &dec);
    SpaceMotion m{};
    // The catalogue's μα is μα cos δ.
    eraStarpv(ra, dec, s.pmRaCosDec * kMasToRad / std::cos(dec), s.pmDec * kMasToRad, s.parallax / 1000,
              s.radialVelocity, m.pv);
    return m;
}

const CatalogueStar& Catalogue(AyanamsaStar star) {
    for (const CatalogueStar& s : kStars)
        if (s.star == star) return s;
    return kStars[0];
}

const SpaceMotion& Motion(AyanamsaStar star) {
    static const std::array<SpaceMotion, 4> motions = [] {
        std::array<SpaceMotion, 4> all{};
        for (std::size_t i = 0; i < kStars.size(); ++i) all[i] = MotionOf(kStars[i]);
        return all;
    }();
    for (std::size_t i = 0; i < kStars.size(); ++i)
        if (kStars[i].star == star) return motions[i];
    return motions[0];
}

// The annual aberration in ecliptic longitude, radians, of a direction at
// (λ, β) of the mean ecliptic of date, from the Earth's elliptic motion about
// the Sun: Δλ = κ (e cos(ϖ − λ) − cos(☉ − λ)) / cos β, κ = 20.49552", ☉ the
// Sun's geometric longitude, e and ϖ the eccentricity and perihelion of the
// Earth's orbit. The Sun's own motion about the barycentre (under 0.01") is
// left out.
double AberrationInLongitude(double T, double lambda, double beta) {
    constexpr double kappa = 20.49552 * ERFA_DAS2R;
    const double meanLongitude = (280.46646 + T * (36000.76983 + T * 0.0003032)) * ERFA_DD2R;
    const double anomaly = (357.52911 + T * (35999.05029 - T * 0.0001537)) * ERFA_DD2R;
    const double centre = ((1.914602 - T * (0.004817 + T * 0.000014)) * std::sin(anomaly) +
                           (0.019993 - T * 0.000101) * std::sin(2 * anomaly) + 0.000289 * std::sin(3 * anomaly)) *
                          ERFA_DD2R;
    const double sun = meanLongitude + centre;
    const double e = 0.016708634 - T * (0.000042037 + T * 0.0000001267);
    const double perihelion = (102.93735 + T * (1.71946 + T * 0.00046)) * ERFA_DD2R;
    return kappa * (e * std::cos(perihelion - lambda) - std::cos(sun - lambda)) / std::cos(beta);
}

} // namespace

double StarAyanamsa(AyanamsaStar which, double tt1, double tt2) {
    const CatalogueStar& s = Catalogue(which);
    const SpaceMotion& m = Motion(which);

    // Straight-line space motion from J2000.0 to the date.
    const double days = (tt1 - ERFA_DJ00) + tt2;
    double position[3];
    for (int k = 0; k < 3; ++k) position[k] = m.pv[0][k] + days * m.pv[1][k];

    // To the mean ecliptic and equinox of date, then the annual aberration.
    double toEcliptic[3][3], ecliptic[3], longitude = 0, latitude = 0;
    eraEcm06(tt1, tt2, toEcliptic);
    eraRxp(toEcliptic, position, ecliptic);
    eraC2s(ecliptic, &longitude, &latitude);
    longitude += AberrationInLongitude(days / ERFA_DJC, longitude, latitude);
    const double ayanamsa = eraAnp(longitude) * ERFA_DR2D - s.siderealLongitude;
    return ayanamsa - 360 * std::floor((ayanamsa + 180) / 360); // within ±180
}

} // namespace rashi
