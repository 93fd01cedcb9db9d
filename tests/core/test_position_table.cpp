#include "core/planets/position_table.h"

#include "core/reading/calculation_driver.h"
#include "core/moon/moon_position.h"
#include "core/planets/planet_ayanamsa.h"
#include "core/planets/planet_theory.h"

#include "fixtures.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {



ReadingRecords Reading(int day, int month, int year, int hour, int minute, int zoneHours, int zoneMinutes,
                       bool daylightSaving = false) {
    ReadingRecords r;
    r.birth = testing::BirthAt(day, month, year, hour, minute, zoneHours, zoneMinutes, daylightSaving);
    SetUpChart(r);
    ComputeMoonPosition(r);
    BuildPositionTable(r);
    return r;
}

TEST(PositionTable, FirstOfJanuary2000) {
    const ReadingRecords r = Reading(1, 1, 2000, 12, 0, 0, 0);
    const PositionTable& t = r.positions;
    const char* expected[kReportRows] = {"16 Sag 31", "19 Lib 27", "08 Sag 03", "07 Sco 43", "04 Aqu 07",
                                         "01 Ari 30", "16 Ari 21", "10 Can 16", "10 Cap 16"};
    const char* names[kReportRows] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "North Node",
                                      "South Node"};
    const char* sanskrit[kReportRows] = {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu",
                                         "Ketu"};
    for (int i = 0; i < kReportRows; ++i) {
        EXPECT_EQ(t.PlanetPositions[i], expected[i]) << i;
        EXPECT_EQ(t.PlanetNames[i], names[i]);
        EXPECT_EQ(t.PlanetNamesSanskrit[i], sanskrit[i]);
    }
    EXPECT_EQ(t.TheoryPositionTexts[Earth], "16\u00B0 31' 32\" Sag");
    EXPECT_EQ(t.NorthNodeText, "10\u00B0 16' 6\" Can");
}

TEST(PositionTable, MomentCarriesAcrossTheCalendar) {
    struct Case {
        const char* what;
        CivilMoment local;
        int minutes;
        CivilMoment expected;
    };
    const Case cases[] = {
        {"22:00 on New Year's Eve, zone +5", {1999, 12, 31, 22, 0}, 300, {2000, 1, 1, 3, 0}},
        {"India moves back five and a half hours", {2000, 1, 1, 2, 0}, -330, {1999, 12, 31, 20, 30}},
        {"into a leap day", {2000, 2, 28, 23, 30}, 60, {2000, 2, 29, 0, 30}},
        {"over a common February", {1901, 2, 28, 23, 30}, 60, {1901, 3, 1, 0, 30}},
        {"hour 24 is the midnight that ends the day", {2000, 12, 31, 24, 0}, 0, {2001, 1, 1, 0, 0}},
        {"first offered day, far east", {1901, 1, 1, 0, 0}, -780, {1900, 12, 31, 11, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ShiftMoment(c.local, c.minutes), c.expected) << c.what;
}

TEST(PositionTable, PlanetsHonourDaylightSaving) {
    // 13:00 with daylight saving is the same moment as 12:00 without.
    const ReadingRecords summer = Reading(1, 7, 1985, 13, 0, 0, 0, true);
    const ReadingRecords standard = Reading(1, 7, 1985, 12, 0, 0, 0, false);
    EXPECT_EQ(summer.positions.TheoryPositionTexts, standard.positions.TheoryPositionTexts);
    EXPECT_EQ(summer.positions.NorthNodeText, standard.positions.NorthNodeText);
    EXPECT_EQ(summer.positions.PlanetPositions, standard.positions.PlanetPositions);
}

TEST(PositionTable, HourTwentyFourIsTheNextMidnight) {
    const ReadingRecords late = Reading(31, 12, 1999, 24, 0, -5, -30);
    const ReadingRecords next = Reading(1, 1, 2000, 0, 0, -5, -30);
    EXPECT_EQ(late.positions.TheoryPositionTexts, next.positions.TheoryPositionTexts);
    EXPECT_EQ(late.moon.MoonPositionText, next.moon.MoonPositionText);
}

TEST(PositionTable, SunIsBroughtToTheEquinoxOfDate) {
    // 1 January 1901, 12:00 UT: the Sun of date is at 280.4168° (an
    // independent solar theory); less the ayanamsa of date, 22.480°, that is
    // 257.937°, 17° 56' Sag. Left in the J2000 frame it would be 19° 20'.
    const ReadingRecords r = Reading(1, 1, 1901, 12, 0, 0, 0);
    EXPECT_EQ(r.positions.PlanetPositions[0].substr(0, 6), "17 Sag");
    const int minutes = std::stoi(r.positions.PlanetPositions[0].substr(7));
    EXPECT_NEAR(minutes, 56, 2);
}

TEST(PositionTable, Precession) {
    EXPECT_EQ(PrecessionSinceJ2000(0), 0);
    EXPECT_NEAR(PrecessionSinceJ2000(-36525), -1.3966, 0.0001);
    EXPECT_NEAR(PrecessionSinceJ2000(18627), 0.7125, 0.0001);
}

TEST(PositionTable, ShortPositionText) {
    const char* cases[][2] = {
        {"5\u00B0 7' 30\" Leo", "05 Leo 07"},  {"29\u00B0 59' 59\" Pis", "29 Pis 59"},
        {"16\u00B0 31' 32\" Sag", "16 Sag 31"}, {"0\u00B0 0' 0\" Ari", "00 Ari 00"},
        {"10\u00B0 16' 6\" Can", "10 Can 16"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortPositionText(c[0]), c[1]) << c[0];
}

TEST(PositionTable, NodesAreAlwaysOpposite) {
    for (int year = 1901; year <= 2050; year += 7) {
        const ReadingRecords r = Reading(15, 1 + year % 12, year, 6, 30, 0, 0);
        const std::string& north = r.positions.PlanetPositions[7];
        const std::string& south = r.positions.PlanetPositions[8];
        EXPECT_EQ(north.substr(0, 2), south.substr(0, 2)) << year;
        EXPECT_EQ(north.substr(7), south.substr(7)) << year;
        // "10 Can 16" and "10 Cap 16": six signs apart.
        constexpr std::string_view kAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";
        const auto sign = [&](const std::string& text) { return static_cast<int>(kAbbreviations.find(text.substr(3, 3)) / 3); };
        ASSERT_LT(sign(north), 12) << north;
        ASSERT_LT(sign(south), 12) << south;
        EXPECT_EQ((sign(north) + 6) % 12, sign(south)) << north << " and " << south;
    }
}

TEST(PositionTable, RunsWithOtherInputReplaceEveryEntry) {
    ReadingRecords r = Reading(1, 1, 2000, 12, 0, 0, 0);
    const PositionTable first = r.positions;
    r.birth.Year = 1950;
    r.birth.Month = 6;
    SetUpChart(r);
    ComputeMoonPosition(r);
    BuildPositionTable(r);
    for (int i = 0; i < kReportRows; ++i) EXPECT_NE(r.positions.PlanetPositions[i], first.PlanetPositions[i]) << i;
    EXPECT_EQ(r.positions.PlanetPositions, Reading(1, 6, 1950, 12, 0, 0, 0).positions.PlanetPositions);
}

} // namespace
} // namespace rashi
