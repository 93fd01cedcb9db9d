// Graha drishti and its strengths: the curve against the piecewise formulas
// as astrologers write them, at every segment's ends and across the circle;
// the signs aspected from charts given by signs; the two aspects side by side.

#include "core/aspects/aspect_comparison.h"
#include "core/aspects/graha_drishti.h"
#include "core/aspects/rashi_drishti.h"
#include "core/aspects/graha_drishti_text.h"
#include "core/aspects/sphuta_drishti.h"
#include "core/reading/reading_header.h"
#include "core/reading/calculation_driver.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace rashi {
namespace {

enum : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu };
const char* const kBody[kReportRows] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};

// The ordinary curve as the books print it, segment by segment.
double Ordinary(double a) {
    if (a < 30 || a >= 300) return 0;
    if (a < 60) return (a - 30) / 2;
    if (a < 90) return a - 45;
    if (a < 120) return 30 + (120 - a) / 2;
    if (a < 150) return 150 - a;
    if (a < 180) return 2 * (a - 150);
    return (300 - a) / 2;
}

// A special aspect at S: straight up from the ordinary value at S - 30 to 60
// at S, straight down to the ordinary value at S + 30.
double Books(int body, double a) {
    std::vector<double> specials;
    if (body == Mars) specials = {90, 210};
    if (body == Jupiter) specials = {120, 240};
    if (body == Saturn) specials = {60, 270};
    for (double s : specials) {
        if (a >= s - 30 && a <= s) return Ordinary(s - 30) + (60 - Ordinary(s - 30)) * (a - (s - 30)) / 30;
        if (a > s && a <= s + 30) return 60 + (Ordinary(s + 30) - 60) * (a - s) / 30;
    }
    return Ordinary(a);
}

// Every segment's two ends (and its middle, which a wrong slope misses),
// worked out by hand from the formulas.
TEST(SphutaDrishti, EverySegmentsEndsAndMiddle) {
    struct Row {
        int body;
        double arc, virupas;
    } rows[] = {
        // The ordinary curve (the Sun's, the Moon's, Mercury's, Venus's and the nodes').
        {Sun, 0, 0}, {Sun, 15, 0}, {Sun, 30, 0}, {Sun, 45, 7.5}, {Sun, 60, 15}, {Sun, 75, 30}, {Sun, 90, 45},
        {Sun, 105, 37.5}, {Sun, 120, 30}, {Sun, 135, 15}, {Sun, 150, 0}, {Sun, 165, 30}, {Sun, 180, 60},
        {Sun, 210, 45}, {Sun, 240, 30}, {Sun, 270, 15}, {Sun, 300, 0}, {Sun, 330, 0}, {Sun, 359.999, 0},
        {Moon, 180, 60}, {Venus, 90, 45}, {Rahu, 120, 30}, {Ketu, 270, 15}, {Rahu, 90, 45},
        // Mars at 90° and 210°: 60 -> 90 from 15, 90 -> 120 to 30, 180 -> 210 level, 210 -> 240 to 30.
        {Mars, 60, 15}, {Mars, 75, 37.5}, {Mars, 90, 60}, {Mars, 105, 45}, {Mars, 120, 30}, {Mars, 150, 0},
        {Mars, 180, 60}, {Mars, 195, 60}, {Mars, 210, 60}, {Mars, 225, 45}, {Mars, 240, 30}, {Mars, 270, 15},
        // Jupiter at 120° and 240°: no jump from 60 at 240°.
        {Jupiter, 90, 45}, {Jupiter, 105, 52.5}, {Jupiter, 120, 60}, {Jupiter, 135, 30}, {Jupiter, 150, 0},
        {Jupiter, 210, 45}, {Jupiter, 225, 52.5}, {Jupiter, 240, 60}, {Jupiter, 255, 37.5}, {Jupiter, 270, 15},
        {Jupiter, 60, 15},
        // Saturn at 60° and 270°.
        {Saturn, 30, 0}, {Saturn, 45, 30}, {Saturn, 60, 60}, {Saturn, 75, 52.5}, {Saturn, 90, 45},
        {Saturn, 240, 30}, {Saturn, 255, 45}, {Saturn, 270, 60}, {Saturn, 285, 30}, {Saturn, 300, 0},
        {Saturn, 120, 30}, {Saturn, 180, 60},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(SphutaValue(SphutaCurve(row.body), row.arc), row.virupas, 1e-9) << kBody[row.body] << " at " << row.arc;
        EXPECT_NEAR(Books(row.body, row.arc), row.virupas, 1e-9) << "the test's formulas, " << kBody[row.body] << " at " << row.arc;
    }
}

// Across the whole circle each curve is the books' formula, within 0..60, and
// continuous: no step between neighbouring arcs bigger than the steepest
// segment allows (2 virupas a degree), and none at a segment's end.
TEST(SphutaDrishti, TheBooksFormulasContinuousEverywhere) {
    constexpr double kStep = 0.001;
    for (int body = 0; body < kReportRows; ++body) {
        const DrishtiCurve& curve = SphutaCurve(body);
        double previous = SphutaValue(curve, 0);
        for (int k = 1; k <= 360000; ++k) {
            const double arc = k * kStep;
            const double value = SphutaValue(curve, arc);
            ASSERT_NEAR(value, Books(body, std::fmod(arc, 360.0)), 1e-9) << kBody[body] << " at " << arc;
            ASSERT_GE(value, 0);
            ASSERT_LE(value, 60);
            ASSERT_LE(std::abs(value - previous), 2 * kStep + 1e-9) << kBody[body] << " jumps at " << arc;
            previous = value;
        }
        for (int end = 0; end <= 12; ++end) {
            const double at = 30.0 * end;
            const double value = SphutaValue(curve, at);
            EXPECT_NEAR(SphutaValue(curve, std::nextafter(at, -1.0)), value, 1e-9) << kBody[body] << " below " << at;
            EXPECT_NEAR(SphutaValue(curve, std::nextafter(at, 400.0)), value, 1e-9) << kBody[body] << " above " << at;
        }
    }
}

TEST(SphutaDrishti, ArcsOutsideTheCircle) {
    EXPECT_NEAR(SphutaDrishti(Sun, 350, 170), 60, 1e-9);      // 180° forward across 0°
    EXPECT_NEAR(SphutaDrishti(Mars, 10, 100), 60, 1e-9);      // 90°
    EXPECT_NEAR(SphutaDrishti(Mars, 100, 10), 15, 1e-9);      // 270° back round
    EXPECT_NEAR(SphutaValue(kOrdinaryCurve, -180), 60, 1e-9);
    EXPECT_NEAR(SphutaValue(kOrdinaryCurve, 720 + 90), 45, 1e-9);
    EXPECT_EQ(SphutaValue(kOrdinaryCurve, std::nan("")), 0);
    EXPECT_NEAR(SphutaValue(kSaturnCurve, std::nextafter(360.0, 0.0)), 0, 1e-9);
}

// The table: the nine bodies (0 on itself), then house n at lagna + 30(n - 1).
TEST(SphutaDrishti, TableOfBodiesAndHouses) {
    const std::array<double, kReportRows> longitudes = {10, 190, 40, 100, 70, 250, 130, 300, 120};
    const double lagna = 355;
    const auto table = SphutaTable(longitudes, lagna);
    for (int i = 0; i < kReportRows; ++i) {
        for (int j = 0; j < kReportRows; ++j)
            EXPECT_NEAR(table[i][j], i == j ? 0 : Books(i, std::fmod(longitudes[j] - longitudes[i] + 720, 360)), 1e-9)
                << kBody[i] << " on " << kBody[j];
        for (int n = 1; n <= 12; ++n)
            EXPECT_NEAR(table[i][kReportRows + n - 1],
                        Books(i, std::fmod(lagna + 30 * (n - 1) - longitudes[i] + 720, 360)), 1e-9)
                << kBody[i] << " on house " << n;
    }
    EXPECT_NEAR(table[Sun][Moon], 60, 1e-9);
    EXPECT_NEAR(table[Mars][Rahu], 40, 1e-9);                // 230°: from 60 at 210° down to 30 at 240°
    EXPECT_NEAR(table[Saturn][kReportRows + 6], 30, 1e-9);   // house 7 at 175°, 45° on: half way up to 60
}

// The places each body aspects from its own sign, and how strongly.
TEST(GrahaDrishti, PlacesAndQuartersOfEachBody) {
    struct Row {
        int body;
        NodeAspects nodes;
        std::array<int, kGrahaCounts> quarters; // at the 3rd, 4th, 5th, 7th, 8th, 9th, 10th
    } rows[] = {
        {Sun, NodeAspects::Seventh, {1, 3, 2, 4, 3, 2, 1}},
        {Moon, NodeAspects::FifthNinth, {1, 3, 2, 4, 3, 2, 1}},
        {Venus, NodeAspects::Seventh, {1, 3, 2, 4, 3, 2, 1}},
        {Mars, NodeAspects::Seventh, {1, 4, 2, 4, 4, 2, 1}},
        {Jupiter, NodeAspects::Seventh, {1, 3, 4, 4, 3, 4, 1}},
        {Saturn, NodeAspects::Seventh, {4, 3, 2, 4, 3, 2, 4}},
        {Rahu, NodeAspects::Seventh, {1, 3, 2, 4, 3, 2, 1}},
        {Ketu, NodeAspects::Seventh, {1, 3, 2, 4, 3, 2, 1}},
        {Rahu, NodeAspects::FifthNinth, {1, 3, 4, 4, 3, 4, 1}},
        {Ketu, NodeAspects::FifthNinth, {1, 3, 4, 4, 3, 4, 1}},
    };
    for (const Row& row : rows)
        for (int sign = 0; sign < 12; ++sign) {
            std::array<int, kReportRows> signs;
            signs.fill(sign);
            const auto aspects = GrahaAspects(signs, (sign + 5) % 12, row.nodes)[row.body];
            for (int c = 0; c < kGrahaCounts; ++c) {
                const GrahaAspect& a = aspects[c];
                EXPECT_EQ(a.quarters, row.quarters[c]) << kBody[row.body] << " " << a.count;
                EXPECT_EQ(a.sign, (sign + a.count - 1) % 12);
                EXPECT_EQ(a.house, (a.count - 1 + 12 - 5) % 12 + 1) << "lagna five signs on";
                EXPECT_EQ(a.bodies, 0u) << "everybody stands in the body's own sign";
            }
        }
    // The strength of a sign's aspect is the body's sphuta value on the sign's arc.
    for (int body = 0; body < kReportRows; ++body)
        for (int c = 0; c < kGrahaCounts; ++c)
            EXPECT_EQ(SignAspectCurve(body, NodeAspects::Seventh)[kGrahaCountsFromBody[c] - 1],
                      SphutaCurve(body)[kGrahaCountsFromBody[c] - 1]);
}

// Mars in Mithuna, the lagna: full on Kanya (4th, house 4), Dhanus (7th,
// house 7) and Makara (8th, house 8).
TEST(GrahaDrishti, HousesAndBodiesOfAChart) {
    //                                    Sun Moon Mer Ven Mars Jup Sat Rahu Ketu
    const std::array<int, kReportRows> signs = {5, 8, 5, 9, 2, 11, 0, 8, 2};
    const auto aspects = GrahaAspects(signs, sign::Gemini, NodeAspects::Seventh);
    std::vector<int> fullSigns, houses;
    unsigned bodies = 0;
    for (const GrahaAspect& a : aspects[Mars])
        if (a.quarters == 4) {
            fullSigns.push_back(a.sign);
            houses.push_back(a.house);
            bodies |= a.bodies;
        }
    EXPECT_EQ(fullSigns, (std::vector<int>{sign::Virgo, sign::Sagittarius, sign::Capricorn}));
    EXPECT_EQ(houses, (std::vector<int>{4, 7, 8}));
    EXPECT_EQ(bodies, (1u << Sun) | (1u << Mercury) | (1u << Moon) | (1u << Rahu) | (1u << Venus));
    EXPECT_EQ(FullAspectSigns(aspects[Mars]), SignMask({sign::Virgo, sign::Sagittarius, sign::Capricorn}));
    // Saturn in Mesha: Mithuna (3rd, house 1: Mars and Ketu) in full.
    EXPECT_EQ(aspects[Saturn][0].sign, sign::Gemini);
    EXPECT_EQ(aspects[Saturn][0].house, 1);
    EXPECT_EQ(aspects[Saturn][0].bodies, (1u << Mars) | (1u << Ketu));
    // A body whose sign is unknown aspects nothing.
    std::array<int, kReportRows> unknown = signs;
    unknown[Moon] = -1;
    EXPECT_EQ(FullAspectSigns(GrahaAspects(unknown, sign::Gemini, NodeAspects::Seventh)[Moon]), 0u);
}

unsigned Bodies(std::initializer_list<int> rows) {
    unsigned mask = 0;
    for (int r : rows) mask |= 1u << r;
    return mask;
}

// Sun and Mercury in Mesha, Moon in Thula, Venus in Kumbha, Mars in Kataka,
// Jupiter in Simha, Saturn in Mesha, Rahu in Dhanus, Ketu in Mithuna.
TEST(AspectComparison, BothRulesBothNodeOptions) {
    const std::array<int, kReportRows> signs = {0, 6, 0, 10, 3, 4, 0, 8, 2};
    struct Row {
        AspectRuleChoice rule;
        NodeAspects nodes;
        int body;
        unsigned both, rashiOnly, grahaOnly;
    } rows[] = {
        {AspectRuleChoice::Ours, NodeAspects::Seventh, Sun, Bodies({Moon}), Bodies({Mars}), 0},
        {AspectRuleChoice::Classical, NodeAspects::Seventh, Sun, 0, Bodies({Venus, Jupiter}), Bodies({Moon})},
        {AspectRuleChoice::Ours, NodeAspects::Seventh, Mars, Bodies({Moon}), Bodies({Sun, Mercury, Saturn}), Bodies({Venus})},
        {AspectRuleChoice::Classical, NodeAspects::Seventh, Mars, Bodies({Venus}), 0, Bodies({Moon})},
        {AspectRuleChoice::Ours, NodeAspects::Seventh, Rahu, Bodies({Ketu}), 0, 0},
        {AspectRuleChoice::Ours, NodeAspects::FifthNinth, Rahu, Bodies({Ketu}), 0, Bodies({Sun, Mercury, Jupiter, Saturn})},
        {AspectRuleChoice::Classical, NodeAspects::FifthNinth, Ketu, Bodies({Rahu}), 0, Bodies({Moon, Venus})},
    };
    for (const Row& row : rows) {
        const auto aspects = GrahaAspects(signs, 0, row.nodes);
        std::array<unsigned, kReportRows> full{};
        for (int i = 0; i < kReportRows; ++i) full[i] = FullAspectSigns(aspects[i]);
        GrahaDrishtiRecord graha;
        CompareAspects(signs, RuleTable(row.rule), full, graha);
        const std::string what = std::string(kBody[row.body]) + " by " + std::string(RuleKey(row.rule)) + ", nodes " +
                                 std::string(NodeAspectsKey(row.nodes));
        EXPECT_EQ(graha.both[row.body], row.both) << what;
        EXPECT_EQ(graha.rashiOnly[row.body], row.rashiOnly) << what;
        EXPECT_EQ(graha.grahaOnly[row.body], row.grahaOnly) << what;
    }
}

TEST(GrahaDrishti, NodeOptionKeys) {
    EXPECT_EQ(NodeAspectsFromKey("7"), NodeAspects::Seventh);
    EXPECT_EQ(NodeAspectsFromKey("5-9"), NodeAspects::FifthNinth);
    EXPECT_EQ(NodeAspectsFromKey("5"), std::nullopt);
    for (NodeAspects nodes : {NodeAspects::Seventh, NodeAspects::FifthNinth})
        EXPECT_EQ(NodeAspectsFromKey(NodeAspectsKey(nodes)), nodes);
}

// A reading with the graha drishti: its strengths by the precise degrees in
// either ephemeris, its signs the captions', computed only when asked.
TEST(GrahaDrishti, ReadingComputesItOnlyWhenAsked) {
    const Entries birth = testing::PuneBirth(4, 2, 1962, 8, 0);
    CalculationDriver plain;
    ASSERT_FALSE(plain.Calculate(birth));
    EXPECT_FALSE(plain.records().grahaDrishti.computed);
    EXPECT_FALSE(plain.records().degrees.computed);

    CalculationDriver formulas, precise;
    precise.setEphemeris(Ephemeris::Precise);
    for (CalculationDriver* d : {&formulas, &precise}) {
        d->setWithGrahaDrishti(true);
        ASSERT_FALSE(d->Calculate(birth));
        ASSERT_TRUE(d->records().grahaDrishti.computed);
    }
    const ReadingRecords& f = formulas.records();
    const ReadingRecords& p = precise.records();
    for (int i = 0; i < kReportRows; ++i)
        for (int k = 0; k < kSphutaPoints; ++k)
            EXPECT_NEAR(f.grahaDrishti.sphuta[i][k], p.grahaDrishti.sphuta[i][k], 1e-6) << kBody[i] << " point " << k;
    const auto expected = SphutaTable(p.positions.SiderealLongitudes, p.ascendant.SiderealLongitude);
    EXPECT_EQ(p.grahaDrishti.sphuta, expected);
    // The signs are the captions' signs.
    const auto signs = SignsOfPositions(f.positions);
    for (int i = 0; i < kReportRows; ++i)
        EXPECT_EQ(f.grahaDrishti.aspects[i][3].sign, (signs[i] + 6) % 12) << kBody[i] << "'s 7th";
}

// Copy Reading ends with the graha drishti's lines, in the reading's language.
TEST(GrahaDrishti, ReadingTextEndsWithItsLines) {
    CalculationDriver driver;
    driver.SetLanguage(Language::Hindi);
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    const std::string without = ReadingText(driver.records());
    EXPECT_EQ(without.find("ग्रह दृष्टि"), std::string::npos);
    driver.setWithGrahaDrishti(true);
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    std::string lines = "\n";
    for (const std::string& line : GrahaDrishtiLines(driver.records())) lines.append(line).append("\n");
    ASSERT_GT(lines.size(), 1000u);
    EXPECT_EQ(ReadingText(driver.records()), without + lines);
    EXPECT_EQ(lines.find("\nसूर्य की ग्रह दृष्टि: "), lines.find('\n', 1)) << "the heading, then the Sun's aspects";
}

TEST(GrahaDrishti, RuleAndNodeOptionEvaluateTheReadingAgain) {
    CalculationDriver driver;
    driver.setWithGrahaDrishti(true);
    ASSERT_FALSE(driver.Calculate(testing::PuneBirth(4, 2, 1962, 8, 0)));
    const GrahaDrishtiRecord ours = driver.records().grahaDrishti;
    driver.SetRule(AspectRuleChoice::Classical);
    const GrahaDrishtiRecord& now = driver.records().grahaDrishti;
    const std::array<int, kReportRows> signs = SignsOfPositions(driver.records().positions);
    for (int i = 0; i < kReportRows; ++i) {
        EXPECT_EQ(now.both[i] | now.grahaOnly[i], ours.both[i] | ours.grahaOnly[i]) << "graha drishti stays";
        EXPECT_EQ(now.both[i] | now.rashiOnly[i], BodiesInSigns(signs, kClassicalRule[signs[i]])) << kBody[i];
    }
    EXPECT_EQ(now.aspects[Rahu][2].quarters, 2);
    driver.SetNodeAspects(NodeAspects::FifthNinth);
    EXPECT_EQ(driver.records().grahaDrishti.nodes, NodeAspects::FifthNinth);
    EXPECT_EQ(driver.records().grahaDrishti.aspects[Rahu][2].quarters, 4);
    EXPECT_EQ(driver.records().grahaDrishti.sphuta, ours.sphuta) << "the nodes' strengths stay ordinary";
}

} // namespace
} // namespace rashi
