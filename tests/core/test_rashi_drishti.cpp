#include "core/aspects/rashi_drishti.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

const char* kNames[kReportRows] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "North Node",
                                   "South Node"};
const char* kSanskrit[kReportRows] = {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu",
                                      "Ketu"};

ReadingRecords WithPositions(const std::array<std::string, kReportRows>& positions) {
    ReadingRecords r;
    for (int i = 0; i < kReportRows; ++i) {
        r.positions.PlanetNames[i] = kNames[i];
        r.positions.PlanetNamesSanskrit[i] = kSanskrit[i];
    }
    r.positions.PlanetPositions = positions;
    EvaluateRashiDrishti(r);
    return r;
}

TEST(RashiDrishti, EachSignAspectsTheOtherThreeOfItsQuality) {
    const char* expected[12] = {
        "Kataka, Thula, Makara",     "Simha, Vrischika, Kumbha", "Kanya, Dhanus, Meena",   "Mesha, Thula, Makara",
        "Vrishabha, Vrischika, Kumbha", "Mithuna, Dhanus, Meena", "Mesha, Kataka, Makara", "Vrishabha, Simha, Kumbha",
        "Mithuna, Kanya, Meena",     "Mesha, Kataka, Thula",     "Vrishabha, Simha, Vrischika",
        "Mithuna, Kanya, Dhanus",
    };
    for (int sign = 0; sign < 12; ++sign) {
        std::array<std::string, kReportRows> positions;
        positions.fill("01 " + std::string(kSigns[sign].english.substr(0, 3)) + " 00");
        const ReadingRecords r = WithPositions(positions);
        EXPECT_EQ(r.report.lblAspects[0],
                  std::string("Planet Sun aspects or has Rashi Drishti with ") + expected[sign] + ".")
            << kSigns[sign].english;
        // Everybody shares one sign, so nobody stands in an aspected one.
        EXPECT_EQ(r.report.lblGrahas[4], "Planet Mars has no Rashi Drishti.");
    }
}

TEST(RashiDrishti, WorkedExample) {
    const ReadingRecords r = WithPositions({"05 Ari 17", "12 Can 40", "28 Pis 03", "02 Tau 55", "19 Lib 11",
                                            "07 Cap 30", "23 Leo 08", "14 Sco 21", "14 Tau 21"});
    const Report& report = r.report;
    EXPECT_EQ(report.lblPlanets[0], "Sun / Surya");
    EXPECT_EQ(report.lblPlanets_Position[0], "05 Ari 17");
    EXPECT_EQ(report.lblAspects[0], "Planet Sun aspects or has Rashi Drishti with Kataka, Thula, Makara.");
    EXPECT_EQ(report.lblGrahas[0], "Planet Sun has Rashi Drishti with Moon, Mars, Jupiter.");
    EXPECT_EQ(report.lblGrahas[2], "Planet Mercury has no Rashi Drishti.");
    EXPECT_EQ(report.lblAspects[2], "Planet Mercury aspects or has Rashi Drishti with Mithuna, Kanya, Dhanus.");
    EXPECT_EQ(report.lblAspects[7], "Planet North Node aspects or has Rashi Drishti with Vrishabha, Simha, Kumbha.");
    EXPECT_EQ(report.lblGrahas[7], "Planet North Node has Rashi Drishti with Venus, South Node, Saturn.");
    EXPECT_EQ(report.lblGrahas[8], "Planet South Node has Rashi Drishti with Saturn, North Node.");
    EXPECT_EQ(report.lblPlanets[8], "South Node / Ketu");
    EXPECT_EQ(r.front, Panel::Results);
}

TEST(RashiDrishti, PlanetsInOneAspectedSignFollowReportOrder) {
    // Moon in Capricorn aspects Aries, Cancer, Libra; everybody else stands in Libra.
    const ReadingRecords r = WithPositions({"01 Lib 00", "01 Cap 00", "01 Lib 00", "01 Lib 00", "01 Lib 00",
                                            "01 Lib 00", "01 Lib 00", "01 Lib 00", "01 Lib 00"});
    EXPECT_EQ(r.report.lblAspects[1], "Planet Moon aspects or has Rashi Drishti with Mesha, Kataka, Thula.");
    EXPECT_EQ(r.report.lblGrahas[1], "Planet Moon has Rashi Drishti with Sun, Mercury, Venus, Mars, Jupiter, Saturn, "
                                     "North Node, South Node.");
    // Planets sharing a sign never list each other.
    EXPECT_EQ(r.report.lblGrahas[0], "Planet Sun has Rashi Drishti with Moon.");
}

TEST(RashiDrishti, ASecondReadingLeavesNoTraceOfTheFirst) {
    ReadingRecords r = WithPositions({"05 Ari 17", "12 Can 40", "28 Pis 03", "02 Tau 55", "19 Lib 11", "07 Cap 30",
                                      "23 Leo 08", "14 Sco 21", "14 Tau 21"});
    r.positions.PlanetPositions = {"01 Gem 00", "01 Gem 00", "01 Gem 00", "01 Gem 00", "01 Gem 00",
                                   "01 Gem 00", "01 Gem 00", "01 Vir 00", "01 Pis 00"};
    EvaluateRashiDrishti(r);
    const ReadingRecords fresh = WithPositions(r.positions.PlanetPositions);
    EXPECT_EQ(r.report, fresh.report);
}

TEST(RashiDrishti, TheClassicalRule) {
    // Movable signs aspect the fixed ones but the next, fixed signs the
    // movable ones but the next, duals the other duals.
    const char* expected[12] = {
        "Simha, Vrischika, Kumbha",    // Aries: not Taurus
        "Kataka, Thula, Makara",       // Taurus: not Aries
        "Kanya, Dhanus, Meena",        // Gemini
        "Vrishabha, Vrischika, Kumbha", // Cancer: not Leo
        "Mesha, Thula, Makara",        // Leo: not Cancer
        "Mithuna, Dhanus, Meena",      // Virgo
        "Vrishabha, Simha, Kumbha",    // Libra: not Scorpio
        "Mesha, Kataka, Makara",       // Scorpio: not Libra
        "Mithuna, Kanya, Meena",       // Sagittarius
        "Vrishabha, Simha, Vrischika", // Capricorn: not Aquarius
        "Mesha, Kataka, Thula",        // Aquarius: not Capricorn
        "Mithuna, Kanya, Dhanus",      // Pisces
    };
    int differing = 0;
    for (int sign = 0; sign < 12; ++sign) {
        ReadingRecords r;
        for (int i = 0; i < kReportRows; ++i) {
            r.positions.PlanetNames[i] = kNames[i];
            r.positions.PlanetNamesSanskrit[i] = kSanskrit[i];
        }
        r.positions.PlanetPositions.fill("01 " + std::string(kSigns[sign].english.substr(0, 3)) + " 00");
        EvaluateRashiDrishti(r, kClassicalRule);
        EXPECT_EQ(r.report.lblAspects[0],
                  std::string("Planet Sun aspects or has Rashi Drishti with ") + expected[sign] + ".")
            << kSigns[sign].english;
        differing += kClassicalRule[sign] != kSameQualityRule[sign];
    }
    // Only the dual signs agree between the two rules.
    EXPECT_EQ(differing, 8);
}

TEST(RashiDrishti, BothRulesAreSymmetricWithThreeAspectsPerSign) {
    for (const AspectRule* rule : {&kSameQualityRule, &kClassicalRule}) {
        for (int from = 0; from < 12; ++from) {
            EXPECT_EQ(__builtin_popcount((*rule)[from]), 3) << from;
            EXPECT_FALSE((*rule)[from] & (1u << from));
            for (int to = 0; to < 12; ++to)
                EXPECT_EQ(bool((*rule)[from] & (1u << to)), bool((*rule)[to] & (1u << from)));
        }
    }
}

TEST(RashiDrishti, RuleKeysAndTables) {
    for (AspectRuleChoice rule : {AspectRuleChoice::Ours, AspectRuleChoice::Classical})
        EXPECT_EQ(RuleFromKey(RuleKey(rule)), rule);
    EXPECT_EQ(RuleKey(AspectRuleChoice::Ours), "ours");
    EXPECT_EQ(RuleKey(AspectRuleChoice::Classical), "classical");
    EXPECT_EQ(RuleFromKey("Classical"), std::nullopt);
    EXPECT_EQ(RuleFromKey(""), std::nullopt);
    EXPECT_EQ(&RuleTable(AspectRuleChoice::Ours), &kSameQualityRule);
    EXPECT_EQ(&RuleTable(AspectRuleChoice::Classical), &kClassicalRule);
}

TEST(RashiDrishti, SignOfPosition) {
    EXPECT_EQ(SignOfPosition("05 Ari 17"), 0);
    EXPECT_EQ(SignOfPosition("29 Pis 59"), 11);
    EXPECT_EQ(SignOfPosition("00 ari 00"), -1); // exact, case-sensitive
    EXPECT_EQ(SignOfPosition("05 Ar"), -1);
    EXPECT_EQ(SignOfPosition(""), -1);
}

} // namespace
} // namespace rashi
