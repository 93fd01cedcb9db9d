// A reading with a named ayanamsa: every body, the ascendant, the positions
// at other minutes and the header follow the choice, with either ephemeris.
#include "core/ayanamsa/ayanamsa_names.h"
#include "core/ayanamsa/ayanamsa_of_date.h"
#include "core/chart_files/chart_file.h"
#include "core/chart_files/stored_text.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"
#include "core/time_window/moment_positions.h"

#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

namespace rashi {
namespace {

struct ReferenceAyanamsa {
    const char* key;
    int year, month, day, hour, minute;
    double degrees;
};

constexpr ReferenceAyanamsa kReference[] = {
#include "ayanamsa_reference.inc"
};

BirthRecord BirthWith(const BirthRecord& birth, std::string_view key) {
    BirthRecord b = birth;
    b.Ayanamsa = key.empty() ? AyanamsaChoice{} : *ParseAyanamsa(key);
    b.LatDegrees = 18;
    b.LatMinutes = 31;
    b.LonDegrees = 73;
    b.LonMinutes = 51;
    b.LonEast = true;
    return b;
}

ReadingRecords Reading(const BirthRecord& birth, Ephemeris ephemeris) {
    ReadingRecords r;
    r.birth = birth;
    r.ephemeris = ephemeris;
    RunEngines(r);
    return r;
}

// a − b in arcseconds, across 0°/360°.
double ArcsecondsApart(double a, double b) { return std::remainder(a - b, 360.0) * 3600; }

// The ten longitudes of a reading: the nine rows and the ascendant.
std::array<double, kReportRows + 1> Longitudes(const ReadingRecords& r) {
    std::array<double, kReportRows + 1> all{};
    for (int i = 0; i < kReportRows; ++i) all[i] = r.positions.SiderealLongitudes[i];
    all[kReportRows] = r.ascendant.SiderealLongitude;
    return all;
}

TEST(AyanamsaReading, PreciseLongitudesStandFromLahirisAsTheReferenceAyanamsasDo) {
    std::map<std::pair<int, int>, double> lahiri; // (year, month*100+day) -> degrees
    for (const auto& row : kReference)
        if (std::string_view(row.key) == "lahiri") lahiri[{row.year, row.month * 100 + row.day}] = row.degrees;
    int compared = 0;
    for (const auto& row : kReference) {
        if (std::string_view(row.key) == "lahiri") continue;
        SCOPED_TRACE(::testing::Message() << row.key << " " << row.year << "-" << row.month << "-" << row.day);
        const BirthRecord birth = testing::BirthAt(row.day, row.month, row.year, row.hour, row.minute, 0, 0);
        const auto withLahiri = Longitudes(Reading(BirthWith(birth, "lahiri"), Ephemeris::Precise));
        const auto withNamed = Longitudes(Reading(BirthWith(birth, row.key), Ephemeris::Precise));
        const double expected = (row.degrees - lahiri.at({row.year, row.month * 100 + row.day})) * 3600;
        const double tolerance = 0.5; // measured: within 0.2"
        for (int i = 0; i <= kReportRows; ++i) {
            EXPECT_NEAR(ArcsecondsApart(withLahiri[i], withNamed[i]), expected, tolerance) << "body " << i;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 14 * 9 * 10);
}

TEST(AyanamsaReading, NamedLahiriIsThePreciseDefault) {
    const BirthRecord birth = testing::BirthAt(15, 8, 1947, 0, 0, 5, 30);
    const ReadingRecords byDefault = Reading(BirthWith(birth, ""), Ephemeris::Precise);
    const ReadingRecords named = Reading(BirthWith(birth, "lahiri"), Ephemeris::Precise);
    EXPECT_EQ(Longitudes(byDefault), Longitudes(named));
    EXPECT_EQ(byDefault.report, named.report);
}

TEST(AyanamsaReading, TheFormulasTakeANamedAyanamsaOffTheirOwnTropicalLongitudes) {
    // The choice of ayanamsa and of ephemeris are independent: with the
    // formulas, two named ayanamsas put every body apart by their difference.
    const BirthRecord birth = testing::BirthAt(7, 3, 1985, 12, 15, -5, -30);
    const ReadingRecords lahiri = Reading(BirthWith(birth, "lahiri"), Ephemeris::Formulas);
    for (const char* key : {"raman", "krishnamurti", "fagan-bradley", "true-citra", "true-pushya", "ss-revati",
                            "custom:0,0", "custom:-3.5,12"}) {
        SCOPED_TRACE(key);
        const ReadingRecords named = Reading(BirthWith(birth, key), Ephemeris::Formulas);
        // Chart ayanamsas are negative: what the bodies gain from Lahiri's.
        const double meanApart = (named.chart.ChartAyanamsa - lahiri.chart.ChartAyanamsa) * 3600;
        const double apparentApart = (named.chart.ApparentAyanamsa - lahiri.chart.ApparentAyanamsa) * 3600;
        const auto a = Longitudes(lahiri);
        const auto b = Longitudes(named);
        for (int i = 0; i < kReportRows; ++i) EXPECT_NEAR(ArcsecondsApart(b[i], a[i]), meanApart, 1e-6) << i;
        EXPECT_NEAR(ArcsecondsApart(b[kReportRows], a[kReportRows]), apparentApart, 1e-6);
        // And the difference is the ayanamsas' own at the birth's moment.
        const double ut = 2446131.5 + (12 * 60 + 15 - 5 * 60 - 30) / 1440.0; // 7 March 1985 06:45 UT
        const double expected = (AyanamsaAtUniversalTime(*ParseAyanamsa(key), ut, 0).mean -
                                 AyanamsaAtUniversalTime(AyanamsaChoice{AyanamsaKind::Lahiri}, ut, 0).mean) * 3600;
        EXPECT_NEAR(meanApart, -expected, 0.01);
    }
    // Named Lahiri with the formulas stands within a few arcseconds of the
    // formulas' own ayanamsa (11" in 2000), far from Raman's 1°27'.
    const ReadingRecords own = Reading(BirthWith(birth, ""), Ephemeris::Formulas);
    for (int i = 0; i < kReportRows; ++i)
        EXPECT_LT(std::fabs(ArcsecondsApart(Longitudes(own)[i], Longitudes(lahiri)[i])), 60) << i;
}

TEST(AyanamsaReading, BothEphemeridesPutTheAscendantAtTheSameSiderealPlace) {
    // The ascendant is of the true equinox: with a named ayanamsa the formulas
    // take it off with nutation, as the precise positions do, and the two
    // agree to a fraction of an arcsecond (without nutation, up to 17").
    for (int hour : {0, 5, 11, 17, 23})
        for (const char* key : {"lahiri", "true-revati"}) {
            const BirthRecord b = BirthWith(testing::BirthAt(7, 3, 1985, hour, 15, -5, -30), key);
            EXPECT_NEAR(ArcsecondsApart(Reading(b, Ephemeris::Formulas).ascendant.SiderealLongitude,
                                        Reading(b, Ephemeris::Precise).ascendant.SiderealLongitude),
                        0, 1)
                << key << " " << hour;
        }
}

TEST(AyanamsaReading, PositionsAtOtherMinutesFollowTheChoice) {
    // The birth-time window and the day strip evaluate other minutes through
    // MomentPositions; at the birth's own minute they must give the reading.
    const BirthRecord birth = testing::BirthAt(4, 2, 1962, 17, 45, -5, -30);
    for (Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise})
        for (const char* key : {"raman", "true-mula", "custom:-1,50"}) {
            SCOPED_TRACE(::testing::Message() << key << (ephemeris == Ephemeris::Precise ? " precise" : " formulas"));
            const BirthRecord b = BirthWith(birth, key);
            const ReadingRecords r = Reading(b, ephemeris);
            MomentPositions moments(b, ephemeris);
            const auto bodies = moments.Bodies(0);
            for (int i = 0; i < kReportRows; ++i) EXPECT_DOUBLE_EQ(bodies[i], r.positions.SiderealLongitudes[i]) << i;
            EXPECT_DOUBLE_EQ(moments.Ascendant(0), r.ascendant.SiderealLongitude);
        }
}

TEST(AyanamsaReading, AnAyanamsaBelowZeroMovesEveryBodyForward) {
    // A user's own ayanamsa may be negative at a date; the bodies then stand
    // ahead of their tropical longitudes, not behind.
    const BirthRecord birth = testing::BirthAt(1, 1, 2000, 12, 0, 0, 0);
    for (Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise}) {
        const auto zero = Longitudes(Reading(BirthWith(birth, "custom:0,0"), ephemeris));
        const auto below = Longitudes(Reading(BirthWith(birth, "custom:-2,0"), ephemeris));
        for (int i = 0; i <= kReportRows; ++i) EXPECT_NEAR(ArcsecondsApart(below[i], zero[i]), 7200, 1e-6) << i;
    }
}

TEST(AyanamsaReading, TheHeaderNamesTheAyanamsaWithItsValueAtTheBirth) {
    const struct {
        const char* key;
        Ephemeris ephemeris;
        const char* text;
    } rows[] = {
        {"raman", Ephemeris::Precise, "Raman 22\u00B024'"},
        {"raman", Ephemeris::Formulas, "Raman 22\u00B024'"},
        {"true-citra", Ephemeris::Precise, "True Citra 23\u00B050'"},
        {"custom:-1,0", Ephemeris::Formulas, "Custom (-1\u00B0 at J2000, 0\" a year) -1\u00B000'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.key);
        const ReadingRecords r = Reading(BirthWith(testing::BirthAt(1, 1, 2000, 12, 0, 0, 0), row.key), row.ephemeris);
        std::string ayanamsa;
        for (const HeaderField& field : ReadingHeader(r))
            if (field.label == "Ayanamsa") ayanamsa = field.value;
        EXPECT_EQ(ayanamsa.rfind(row.text, 0), 0u) << ayanamsa;
        EXPECT_NE(ayanamsa.find(row.ephemeris == Ephemeris::Precise ? "precise" : "formulas"), std::string::npos);
    }
}

TEST(AyanamsaChartFile, ASavedChartKeepsItsAyanamsaAndOpeningItRestoresIt) {
    for (const char* key : {"raman", "true-pushya", "custom:-1.5,50.29"}) {
        SCOPED_TRACE(key);
        CalculationDriver chosen;
        chosen.setAyanamsa(*ParseAyanamsa(key));
        ASSERT_FALSE(chosen.Calculate(testing::GreenwichNoon()));
        const std::string bytes = FormatChartFile(chosen.records().birth, 29);
        EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 19); // 17 lines, an empty 18th, the ayanamsa
        std::string problem;
        const auto entries = ParseChartFile(bytes, &problem);
        ASSERT_TRUE(entries) << problem;
        EXPECT_EQ(FindTagged(entries->Tagged, kAyanamsaTag), std::optional<std::string>(key));
        // Opened by a driver with no choice of its own, the chart's is used.
        CalculationDriver opened;
        ASSERT_FALSE(opened.Calculate(*entries));
        EXPECT_EQ(opened.records().birth.Ayanamsa, *ParseAyanamsa(key));
        EXPECT_EQ(opened.report(), chosen.report());
        // A choice made over it wins, and the birth record says so.
        CalculationDriver own;
        own.setAyanamsa(AyanamsaChoice{});
        ASSERT_FALSE(own.Calculate(*entries));
        EXPECT_FALSE(own.records().birth.Ayanamsa.named());
        EXPECT_FALSE(FindTagged(own.records().birth.Tagged, kAyanamsaTag));
    }
    // The program's own adds nothing: the file is the 17 lines of before.
    CalculationDriver plain;
    ASSERT_FALSE(plain.Calculate(testing::GreenwichNoon()));
    const std::string bytes = FormatChartFile(plain.records().birth, 29);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 17);
}

TEST(AyanamsaChartFile, AnAyanamsaLineThisProgramDoesNotKnowRefusesTheFile) {
    CalculationDriver plain;
    ASSERT_FALSE(plain.Calculate(testing::GreenwichNoon()));
    const std::string base = FormatChartFile(plain.records().birth, 29) + "\r\n"; // an empty 18th line
    const struct {
        const char* value;
        bool read;
    } rows[] = {{"raman", true}, {"custom:24,50", true}, {"chitra", false}, {"Raman", false}, {"custom:24", false},
                {"custom:999,1", false}, {"", false}};
    for (const auto& row : rows) {
        std::string problem;
        const auto entries = ParseChartFile(base + EncodeText(std::string("ayanamsa=") + row.value) + "\r\n", &problem);
        EXPECT_EQ(bool(entries), row.read) << row.value;
        if (!row.read) {
            EXPECT_EQ(problem, std::string("Line 19 (ayanamsa) holds \"") + row.value +
                                   "\", not an ayanamsa this program knows.");
        }
    }
}

} // namespace
} // namespace rashi

namespace rashi {
namespace {

// A chart is read by its own ayanamsa: its line's, the program's own without
// one, whatever is chosen for new readings. Handing the driver the chart's
// choice (as the window does) reads it as the tool does, which hands none.
TEST(ChartAyanamsa, TheChartsLineOrTheProgramsOwn) {
    const struct {
        std::vector<std::string> lines; // tagged lines after the 18th
        AyanamsaChoice expected;
    } rows[] = {
        {{}, AyanamsaChoice{}},
        {{"", "", "x-note=kept"}, AyanamsaChoice{}},
        {{"ayanamsa=raman"}, AyanamsaChoice{AyanamsaKind::Raman}},
        {{"", "ayanamsa=custom:23.85,50.29"}, AyanamsaChoice{AyanamsaKind::Custom, 23.85, 50.29}},
    };
    CalculationDriver saver;
    ASSERT_FALSE(saver.Calculate(testing::PuneBirth(15, 8, 1985, 17, 45)));
    const std::string plain = FormatChartFile(saver.records().birth, 34);
    for (const auto& row : rows) {
        std::string bytes = plain + "\r\n";
        for (const std::string& line : row.lines) bytes += EncodeText(line) + "\r\n";
        const auto entries = ParseChartFile(bytes);
        ASSERT_TRUE(entries) << row.lines.size();
        EXPECT_EQ(ChartAyanamsa(entries->Tagged), row.expected) << row.lines.size();
        CalculationDriver tool, window;
        window.setAyanamsa(AyanamsaChoice{AyanamsaKind::Yukteshwar}); // the menu's choice for new readings
        window.setAyanamsa(ChartAyanamsa(entries->Tagged));          // over it, the chart's own
        ASSERT_FALSE(tool.Calculate(*entries));
        ASSERT_FALSE(window.Calculate(*entries));
        EXPECT_EQ(window.report(), tool.report()) << row.lines.size();
        EXPECT_EQ(tool.records().birth.Ayanamsa, row.expected);
    }
}

} // namespace
} // namespace rashi
