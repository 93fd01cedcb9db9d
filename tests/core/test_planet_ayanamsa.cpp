#include "core/planets/planet_ayanamsa.h"

#include "core/moon/birth_moment.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

TEST(PlanetAyanamsa, Corrections) {
    const double cases[][2] = {
        {1, -23.85399089280802}, {0, -22.466282104086563}, {0.5, -23.158663813113122}};
    for (const auto& c : cases) EXPECT_NEAR(PlanetAyanamsaCorrection(c[0]), c[1], 1e-12) << c[0];
}

TEST(PlanetAyanamsa, ChartOfJ2000Noon) {
    ReadingRecords r;
    r.birth.Day = 1;
    r.birth.Month = 1;
    r.birth.Year = 2000;
    r.birth.Hour = 12;
    SetUpChart(r);
    EXPECT_EQ(r.chart.UniversalHours, 12);
    EXPECT_EQ(r.chart.Centuries1900, 1.0);
    EXPECT_NEAR(r.chart.ChartAyanamsa, -23.85399089280802, 1e-12);
    // The Moon's own formula differs by about 0.00027°.
    EXPECT_NEAR(r.chart.ChartAyanamsa - AyanamsaCorrection(0), -0.000265, 0.00001);
}

TEST(PlanetAyanamsa, StaysWithinItsRangeOverTheOfferedYears) {
    for (double T0 = 0.01; T0 <= 1.51; T0 += 0.001) {
        const double a = PlanetAyanamsaCorrection(T0);
        ASSERT_LT(a, -22.47) << T0;
        ASSERT_GT(a, -24.58) << T0;
    }
}

} // namespace
} // namespace rashi
