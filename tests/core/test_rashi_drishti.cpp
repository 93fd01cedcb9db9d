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

TEST(RashiDrishti, RuleTableIsSymmetricWithThreeAspectsPerSign) {
    for (int from = 0; from < 12; ++from) {
        EXPECT_EQ(__builtin_popcount(kSameQualityRule[from]), 3) << from;
        EXPECT_FALSE(kSameQualityRule[from] & (1u << from));
        for (int to = 0; to < 12; ++to)
            EXPECT_EQ(bool(kSameQualityRule[from] & (1u << to)), bool(kSameQualityRule[to] & (1u << from)));
    }
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
