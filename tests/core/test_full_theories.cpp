#include "core/precise/full_theories.h"
#include "core/precise/precise_positions.h"

#include "precise_reference.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>

namespace rashi {
namespace {

// The angle between two vectors, arcseconds.
double Separation(double a[3], double b[3]) {
    return eraSepp(a, b) * ERFA_DR2AS;
}

// Dates of TT from 1600 to 2400.
constexpr double kDates[] = {2305447.5, 2341972.5, 2378496.5, 2415020.5, 2433282.5, 2451545.0,
                             2469807.5, 2488069.5, 2524593.5, 2561117.5, 2597641.5};

TEST(FullTheories, AgreeWithErfasShortTheoriesWithinTheirErrors) {
    // The same bodies in the same frame: ERFA's compact theories err by about
    // the amounts beside them over these centuries (eraEpv00 a few
    // milliarcseconds, eraPlan94 seconds to a minute and a half, eraMoon98
    // some ten arcseconds near 2000), so a rotated frame, swapped axes or a
    // body's wrong series would show at once.
    struct Row {
        SeriesPlanet planet;
        double arcseconds;
    };
    const Row planets[] = {{SeriesPlanet::Mercury, 5}, {SeriesPlanet::Venus, 5}, {SeriesPlanet::Mars, 16},
                           {SeriesPlanet::Jupiter, 80}, {SeriesPlanet::Saturn, 80}, {SeriesPlanet::Uranus, 100},
                           {SeriesPlanet::Neptune, 100}};
    for (const double tt : kDates) {
        SCOPED_TRACE(tt);
        double series[3], pvh[2][3], pvb[2][3];
        HeliocentricPosition(SeriesPlanet::Earth, tt, series);
        eraEpv00(tt, 0, pvh, pvb);
        EXPECT_LE(Separation(series, pvh[0]), 0.2);
        EXPECT_NEAR(eraPm(series), eraPm(pvh[0]), 1e-6);
        for (const Row& row : planets) {
            double pv[2][3];
            HeliocentricPosition(row.planet, tt, series);
            eraPlan94(tt, 0, static_cast<int>(row.planet), pv);
            EXPECT_LE(Separation(series, pv[0]), row.arcseconds) << static_cast<int>(row.planet);
        }
        double moon[3], moon98[2][3];
        GeocentricMoon(tt, moon);
        eraMoon98(tt, 0, moon98);
        EXPECT_LE(Separation(moon, moon98[0]), std::fabs(tt - ERFA_DJ00) < 55000 ? 10 : 40);
        EXPECT_NEAR(eraPm(moon), eraPm(moon98[0]), 1e-7); // 15 km
    }
}

TEST(PrecisePositions, TrueNodeIsTheNodeOfTheMoonsOrbit) {
    // Built apart from the program's code, from eraMoon98's position and
    // velocity on the ecliptic of date; that theory's velocity errs by a part
    // in 10⁵ or so, which tilts its orbit's node by up to about half a minute.
    for (const double tt : kDates) {
        SCOPED_TRACE(tt);
        const PreciseFrame frame = FrameAtJulianDate(tt, 0, 0);
        const PreciseSky sky = PrecisePositions(frame, NodeKind::True);
        double pv[2][3], rm[3][3], r[3], v[3], h[3];
        eraMoon98(tt, 0, pv);
        eraEcm06(tt, 0, rm);
        eraRxp(rm, pv[0], r);
        eraRxp(rm, pv[1], v);
        eraPxp(r, v, h);
        const double node = std::atan2(h[0], -h[1]) * ERFA_DR2D;
        EXPECT_LE(testing::Arcminutes(sky.apparent[PreciseNode] - frame.nutationLongitude, node), 0.6);
        // The true node swings about the mean one by up to 1.7°.
        const PreciseSky mean = PrecisePositions(frame, NodeKind::Mean);
        EXPECT_LE(testing::Arcminutes(sky.sidereal[PreciseNode], mean.sidereal[PreciseNode]), 1.8 * 60);
        // The other bodies do not depend on the node chosen.
        EXPECT_EQ(sky.sidereal[PreciseMoon], mean.sidereal[PreciseMoon]);
    }
}

} // namespace
} // namespace rashi
