#include "core/time_window/moment_positions.h"

#include "fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace rashi {
namespace {

double Degrees(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, 360 - d);
}

TEST(InterpolatedLongitudes, HoldTheFullSeriesOverThreeDaysEachWay) {
    // day, month, year, node; the Moon fast at perigee in 1977 and 2400,
    // Mercury near its station on 2 April 2023, and Venus behind the Sun on
    // 4 June 2024, its light bent by up to 1.75″.
    const std::tuple<int, int, int, NodeKind> births[] = {
        {3, 1, 1600, NodeKind::Mean}, {15, 8, 1977, NodeKind::True}, {2, 4, 2023, NodeKind::Mean},
        {28, 12, 2400, NodeKind::True}, {1, 6, 2024, NodeKind::Mean},   {4, 6, 2024, NodeKind::Mean},
        {8, 6, 2024, NodeKind::Mean}};
    for (const auto& [day, month, year, nodes] : births) {
        SCOPED_TRACE(year);
        BirthRecord birth = testing::BirthAt(day, month, year, 12, 0, 0, 0);
        birth.Nodes = nodes;
        MomentPositions interpolated(birth, Ephemeris::Precise), exact(birth, Ephemeris::Precise);
        double bodies = 0, node = 0, farFromTheSun = 0;
        for (int minutes = -3 * 1440; minutes <= 3 * 1440; minutes += 97) {
            const auto a = interpolated.Bodies(minutes), b = exact.ExactBodies(minutes);
            bool near = false;
            for (int i = 0; i < 7; ++i) {
                bodies = std::max(bodies, Degrees(a[i], b[i]));
                near = near || (i >= 2 && Degrees(b[i], b[0]) < 10);
            }
            for (int i = 0; i < 7 && !near; ++i) farFromTheSun = std::max(farFromTheSun, Degrees(a[i], b[i]));
            node = std::max(node, Degrees(a[7], b[7]));
        }
        // Within a tenth of the margin at the sign edges, where the series are
        // evaluated in full; a thousandth of an arcsecond with every planet
        // 10° and more from the Sun. The true node, whose velocity is a
        // difference quotient, two thousandths.
        EXPECT_LT(bodies, MomentPositions::kEdgeMargin / 10);
        EXPECT_LT(farFromTheSun * 3600, 0.001);
        EXPECT_LT(node * 3600, 0.002);
        EXPECT_LT(node, MomentPositions::kEdgeMargin / 10);
        // Three days each way from one segment of eleven points, and the
        // full series wherever a body came near a sign's edge; a planet near
        // the Sun from its own series only.
        EXPECT_LE(interpolated.seriesEvaluations(), 11 + 2);
        std::printf("%d: largest error %.4f\" (%.4f\" far from the Sun), %d series evaluations\n", year,
                    bodies * 3600, farFromTheSun * 3600, interpolated.seriesEvaluations());
    }
}

} // namespace
} // namespace rashi
