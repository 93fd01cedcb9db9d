#include "core/planets/planet_theory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace rashi {
namespace {

TEST(PlanetTheory, DayNumbers) {
    EXPECT_EQ(DayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_EQ(DayNumber(2000, 1, 1, 0, 0), -0.5);
    EXPECT_EQ(DayNumber(2000, 3, 1, 12, 0), 60.0);
    EXPECT_EQ(DayNumber(1901, 1, 1, 12, 0), -36159.0);
    EXPECT_EQ(DayNumber(2050, 12, 31, 12, 0), 18627.0);
    EXPECT_DOUBLE_EQ(DayNumber(2000, 1, 2, 6, 30), 0.5 + 6.5 / 24);
}

TEST(PlanetTheory, GeocentricLongitudesAtJ2000) {
    const double expected[kTheoryBodies] = {271.9060, 241.5781, 280.3796, 327.9828, 25.3611,
                                            40.2147,  314.7901, 303.1916, 251.4543};
    for (int p = 0; p < kTheoryBodies; ++p) EXPECT_NEAR(GeocentricLongitude(p, 0), expected[p], 0.00005) << p;
}

TEST(PlanetTheory, AllAtOnceEqualsOneByOne) {
    for (double d : {-36159.0, -0.5, 7777.25}) {
        const auto all = GeocentricLongitudes(d);
        for (int p = 0; p < kTheoryBodies; ++p) EXPECT_EQ(all[p], GeocentricLongitude(p, d)) << p;
    }
}

TEST(PlanetTheory, SunIsTheEarthSeenFromTheOtherSide) {
    for (double d : {-36159.0, -8000.5, 0.0, 123.25, 18627.0}) {
        OrbitElements earth;
        LoadOrbitalElements(Earth, d, earth);
        const double v = SolveTrueAnomaly(ReduceRadians(earth.MeanLongitude - earth.PerihelionLongitude),
                                          earth.Eccentricity);
        double heliocentric = std::fmod((v + earth.PerihelionLongitude) * 180 / kPi + 180, 360.0);
        if (heliocentric < 0) heliocentric += 360;
        EXPECT_NEAR(GeocentricLongitude(Earth, d), heliocentric, 1e-9) << d;
    }
}

TEST(PlanetTheory, SunAgreesWithAnIndependentSolarTheory) {
    // Geometric longitude of the Sun (mean equinox of J2000 here, so the
    // reference values, of date, are brought back by the precession).
    struct Case {
        double d, ofDate, precession;
    };
    const Case cases[] = {
        {-36159.0, 280.4168, -1.3826}, // 1 January 1901, 12:00 UT
        {0.0, 280.3822, 0.0},
        {18627.0, 279.9941, 0.7125}, // 31 December 2050
    };
    for (const Case& c : cases) EXPECT_NEAR(GeocentricLongitude(Earth, c.d), c.ofDate - c.precession, 0.02) << c.d;
}

TEST(PlanetTheory, ElementsOutsideTheTableLeaveTheRecord) {
    OrbitElements elements;
    LoadOrbitalElements(Mars, 100, elements);
    const OrbitElements before = elements;
    LoadOrbitalElements(9, 200, elements);
    LoadOrbitalElements(-1, 200, elements);
    EXPECT_EQ(std::memcmp(&before, &elements, sizeof elements), 0);
    EXPECT_NEAR(elements.SemiMajorAxis, 1.52366231 - 0.00007221 * 100 / 36525, 1e-15);
}

TEST(PlanetTheory, ReduceRadians) {
    const double cases[][2] = {{0, 0}, {1, 1}, {kTwoPi, 0}, {-kTwoPi, 0}, {-1, kTwoPi - 1}, {3 * kTwoPi + 0.5, 0.5}};
    for (const auto& c : cases) EXPECT_NEAR(ReduceRadians(c[0]), c[1], 1e-12) << c[0];
    for (double x = -100; x < 100; x += 0.37) {
        const double r = ReduceRadians(x);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, kTwoPi);
    }
}

TEST(PlanetTheory, TrueAnomaly) {
    for (double M : {0.0, 0.5, 3.0, 5.9}) EXPECT_NEAR(SolveTrueAnomaly(M, 0), M, 1e-12) << M;
    // e = 0.2: check Kepler's equation through the eccentric anomaly.
    for (double M : {0.1, 1.0, 2.5, 4.0, 6.0}) {
        const double e = 0.2;
        const double v = SolveTrueAnomaly(M, e);
        const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(v / 2));
        EXPECT_NEAR(ReduceRadians(E - e * std::sin(E)), M, 1e-10) << M;
    }
}

TEST(PlanetTheory, QuadrantArcTan) {
    struct Case {
        double y, x, expected;
    };
    const Case cases[] = {
        {1, 0, kPi / 2}, {-1, 0, -kPi / 2}, {0, 0, 0},          {1, 1, std::atan(1.0)},
        {1, -1, kPi - std::atan(1.0)},      {-1, -1, -(kPi - std::atan(1.0))},
        {0, -1, kPi}, // on the negative x axis: half a turn, not 0
        {0, 2, 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(QuadrantArcTan(c.y, c.x), c.expected) << c.y << "," << c.x;
}

} // namespace
} // namespace rashi
