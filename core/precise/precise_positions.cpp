#include "core/precise/precise_positions.h"

#include "core/ascendant/ascendant.h"

#include "core/records/angles.h"
#include "core/time_scales/delta_t.h"
#include "core/precise/full_theories.h"
#include "core/time_scales/lahiri_ayanamsa.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <utility>

namespace rashi {
namespace {

constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

constexpr std::array<std::pair<PreciseBody, SeriesPlanet>, 7> kPlanets = {{
    {PreciseMercury, SeriesPlanet::Mercury},
    {PreciseVenus, SeriesPlanet::Venus},
    {PreciseMars, SeriesPlanet::Mars},
    {PreciseJupiter, SeriesPlanet::Jupiter},
    {PreciseSaturn, SeriesPlanet::Saturn},
    {PreciseUranus, SeriesPlanet::Uranus},
    {PreciseNeptune, SeriesPlanet::Neptune},
}};

// Half the step over which the Moon's velocity is taken from its positions
// for the osculating node, days: the error of a central difference over a
// quarter-hour is far below what the node can show.
constexpr double kNodeHalfStep = 1.0 / 192;

// The observer at the centre of the Earth, and what aberration needs of it.
struct Observer {
    double heliocentric[3];       // AU
    double barycentricVelocity[3]; // AU per day
    double velocity[3];           // barycentric, in units of c
    double sunDistance;           // AU
    double inverseLorentz;        // sqrt(1 − v²)
};

// The Earth's place from VSOP87; its velocity, which aberration needs to a
// part in a thousand only, from eraEpv00.
Observer EarthAt(const PreciseFrame& frame) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(frame.tt1, frame.tt2, pvh, pvb);
    Observer earth{};
    HeliocentricPosition(SeriesPlanet::Earth, frame.tt1 + frame.tt2, earth.heliocentric);
    eraCp(pvb[1], earth.barycentricVelocity);
    eraSxp(kLightDaysPerAu, pvb[1], earth.velocity);
    earth.sunDistance = eraPm(pvh[0]);
    earth.inverseLorentz = std::sqrt(1 - eraPdp(earth.velocity, earth.velocity));
    return earth;
}

// Turned to the ecliptic of date.
void ToEclipticOfDate(const PreciseFrame& frame, const double v[3], double ecliptic[3]) {
    const auto& m = frame.eclipticOfDate;
    for (int i = 0; i < 3; ++i) ecliptic[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
}

// A geocentric vector of where the light left the body, bent by the Sun's
// gravity when it is a planet's (up to 1.75″ at the Sun's limb, about 1″ half
// a degree away: Venus at superior conjunction), aberrated and turned to the
// ecliptic of date: the longitude from the mean equinox, degrees.
enum class Bending { None, BySun };
double MeanLongitude(const PreciseFrame& frame, Observer& earth, double geometric[3], Bending bending = Bending::BySun) {
    double distance, direction[3], apparent[3], ecliptic[3];
    eraPn(geometric, &distance, direction);
    if (bending == Bending::BySun) {
        double heliocentric[3], fromSun[3], sunToEarth[3], bodyDistance, earthDistance, bent[3];
        eraPpp(geometric, earth.heliocentric, heliocentric);
        eraPn(heliocentric, &bodyDistance, fromSun);
        eraPn(earth.heliocentric, &earthDistance, sunToEarth);
        eraLd(1, direction, fromSun, sunToEarth, earthDistance, 1e-9, bent);
        eraCp(bent, direction);
    }
    eraAb(direction, earth.velocity, earth.sunDistance, earth.inverseLorentz, apparent);
    ToEclipticOfDate(frame, apparent, ecliptic);
    return std::atan2(ecliptic[1], ecliptic[0]) * ERFA_DR2D;
}

// The ascending node of the Moon's osculating orbit on the mean ecliptic of
// date, degrees from the mean equinox: the direction of ẑ × (r × v), the
// geometric position r at the moment and the velocity v from the positions
// a little before and after.
double OsculatingNode(const PreciseFrame& frame, const double moon[3]) {
    const double tt = frame.tt1 + frame.tt2;
    double before[3], after[3], velocity[3], r[3], v[3], h[3];
    GeocentricMoon(tt - kNodeHalfStep, before);
    GeocentricMoon(tt + kNodeHalfStep, after);
    eraPmp(after, before, velocity);
    ToEclipticOfDate(frame, moon, r);
    ToEclipticOfDate(frame, velocity, v);
    eraPxp(r, v, h);
    // ẑ × h = (−h_y, h_x, 0).
    return std::atan2(h[0], -h[1]) * ERFA_DR2D;
}

// geometric = position − τ·velocity, τ the light time of the result. Two
// passes settle τ; the straight-line motion over τ is good to far below an
// arcsecond for every body here.
void TakeLightTime(const double position[3], const double velocity[3], double geometric[3]) {
    for (int k = 0; k < 3; ++k) geometric[k] = position[k];
    for (int pass = 0; pass < 2; ++pass) {
        const double tau = eraPm(geometric) * kLightDaysPerAu;
        for (int k = 0; k < 3; ++k) geometric[k] = position[k] - tau * velocity[k];
    }
}

// A planet's longitude from the mean equinox of date, degrees: heliocentric
// position from VSOP87 less the Earth's. The light time's motion takes the
// velocity of eraPlan94, whose error over the few hours of light time is far
// below a milliarcsecond.
double PlanetLongitude(const PreciseFrame& frame, Observer& earth, SeriesPlanet planet) {
    double pv[2][3], heliocentric[3], position[3], geometric[3];
    HeliocentricPosition(planet, frame.tt1 + frame.tt2, heliocentric);
    eraPlan94(frame.tt1, frame.tt2, static_cast<int>(planet), pv);
    eraPmp(heliocentric, earth.heliocentric, position);
    TakeLightTime(position, pv[1], geometric);
    return MeanLongitude(frame, earth, geometric);
}

} // namespace

PreciseFrame FrameAtJulianDate(double ut1, double ut2) {
    return FrameAtJulianDate(ut1, ut2, DeltaTSeconds(DecimalYear(ut1 + ut2)));
}

PreciseFrame FrameAtJulianDate(double ut1, double ut2, double deltaTSeconds) {
    PreciseFrame f;
    f.ut1 = ut1;
    f.ut2 = ut2;
    f.deltaT = deltaTSeconds;
    f.tt1 = ut1;
    f.tt2 = ut2 + f.deltaT / ERFA_DAYSEC;

    // Bias, precession (IAU 2006) and nutation (IAU 2000A, adjusted to 2006).
    double dpsi, deps, epsa, rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
    eraPn06a(f.tt1, f.tt2, &dpsi, &deps, &epsa, rb, rp, rbp, rn, f.equatorOfDate);
    f.nutationLongitude = dpsi * ERFA_DR2D;
    f.trueObliquity = (epsa + deps) * ERFA_DR2D;
    // The mean ecliptic of date lies at the mean obliquity from the mean equator.
    eraCr(rbp, f.eclipticOfDate);
    eraRx(epsa, f.eclipticOfDate);
    f.meanAyanamsa = LahiriMeanAyanamsa(f.tt1, f.tt2);
    f.trueAyanamsa = f.meanAyanamsa + f.nutationLongitude;
    return f;
}

PreciseFrame FrameAtUniversalTime(int year, int month, int day, int hour, int minute) {
    double mjd0 = 0, mjd = 0;
    eraCal2jd(year, month, day, &mjd0, &mjd);
    return FrameAtJulianDate(mjd0 + mjd, (hour * 60 + minute) / 1440.0);
}

PreciseFrame FrameAtUniversalSeconds(int year, int month, int day, int seconds) {
    double mjd0 = 0, mjd = 0;
    eraCal2jd(year, month, day, &mjd0, &mjd);
    return FrameAtJulianDate(mjd0 + mjd, seconds / 86400.0);
}

PreciseSky PrecisePositions(const PreciseFrame& frame, NodeKind nodes) {
    std::array<double, kPreciseBodies> mean{};
    Observer earth = EarthAt(frame);

    // The Sun: the Earth's heliocentric vector reversed; the Sun's own motion
    // about the barycentre during the light time is negligible.
    double sun[3];
    eraSxp(-1, earth.heliocentric, sun);
    mean[PreciseSun] = MeanLongitude(frame, earth, sun, Bending::None);

    for (const auto& [body, planet] : kPlanets) mean[body] = PlanetLongitude(frame, earth, planet);

    // The Moon: geocentric, moving during the light time with its barycentric
    // velocity (its geocentric one plus the Earth's). Aberration then takes
    // back the Earth's part, leaving the Moon's own light-time shift.
    // The position is ELP 2000-82B's, the velocity (light time only) eraMoon98's.
    double moon[3], moon98[2][3], moonVelocity[3], geometric[3];
    GeocentricMoon(frame.tt1 + frame.tt2, moon);
    eraMoon98(frame.tt1, frame.tt2, moon98);
    eraPpp(moon98[1], earth.barycentricVelocity, moonVelocity);
    TakeLightTime(moon, moonVelocity, geometric);
    mean[PreciseMoon] = MeanLongitude(frame, earth, geometric, Bending::None) + LunarTidalCorrection(frame.tt1 + frame.tt2);

    if (nodes == NodeKind::True) {
        mean[PreciseNode] = OsculatingNode(frame, moon);
    } else {
        // The mean node: the Delaunay argument Ω of the IERS Conventions 2003
        // (Simon et al. 1994), measured from the mean equinox of date.
        const double t = ((frame.tt1 - ERFA_DJ00) + frame.tt2) / ERFA_DJC;
        mean[PreciseNode] = eraFaom03(t) * ERFA_DR2D;
    }

    PreciseSky sky;
    for (int b = 0; b < kPreciseBodies; ++b) {
        sky.apparent[b] = NormalizedDegrees(mean[b] + frame.nutationLongitude);
        sky.sidereal[b] = NormalizedDegrees(mean[b] + frame.nutationLongitude - frame.trueAyanamsa);
    }
    return sky;
}

double PrecisePlanetLongitude(const PreciseFrame& frame, PreciseBody body) {
    Observer earth = EarthAt(frame);
    for (const auto& [each, planet] : kPlanets)
        if (each == body)
            return NormalizedDegrees(PlanetLongitude(frame, earth, planet) + frame.nutationLongitude - frame.trueAyanamsa);
    return std::nan("");
}

double PreciseAscendant(const PreciseFrame& frame, double eastLongitude, double northLatitude) {
    double equator[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) equator[i][j] = frame.equatorOfDate[i][j];
    const double theta = eraGst06(frame.ut1, frame.ut2, frame.tt1, frame.tt2, equator) + eastLongitude / ERFA_DR2D;
    const double e = frame.trueObliquity / ERFA_DR2D;
    // The ecliptic's rising point: λ = atan2(cos θ, −(sin θ cos ε + tan φ sin ε)),
    // a pole taken just inside.
    const double tropical =
        std::atan2(std::cos(theta), -(std::sin(theta) * std::cos(e) + TanOfLatitude(northLatitude) * std::sin(e)));
    return NormalizedDegrees(tropical * ERFA_DR2D - frame.trueAyanamsa);
}

} // namespace rashi
