#include "core/reading/calculation_driver.h"
#include "core/precise/precise_reading.h"

#include "fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace rashi {
namespace {

using testing::GreenwichNoon;

TEST(CalculationDriver, FillsTheBirthRecord) {
    struct Case {
        const char* what;
        void (*change)(Entries&);
        void (*check)(const BirthRecord&);
    };
    const Case cases[] = {
        {"Indian Time", [](Entries& e) { e.ZoneRow = 34; },
         [](const BirthRecord& b) {
             EXPECT_EQ(b.ZoneHours, 5);
             EXPECT_EQ(b.ZoneMinutes, 30);
             EXPECT_EQ(b.SignedZoneHours, -5);
             EXPECT_EQ(b.SignedZoneMinutes, -30);
         }},
        {"Eastern Standard Time", [](Entries& e) { e.ZoneRow = 27; },
         [](const BirthRecord& b) {
             EXPECT_EQ(b.ZoneHours, 5);
             EXPECT_EQ(b.ZoneMinutes, 0);
             EXPECT_EQ(b.SignedZoneHours, 5);
             EXPECT_EQ(b.SignedZoneMinutes, 0);
         }},
        {"places trimmed, name kept", [](Entries& e) {
             e.City = "  Pune  ";
             e.Name = " Ada ";
         },
         [](const BirthRecord& b) {
             EXPECT_EQ(b.City, "Pune");
             EXPECT_EQ(b.Name, " Ada ");
         }},
        {"hour 24, December", [](Entries& e) {
             e.HourPosition = 24;
             e.MinutePosition = 0;
             e.MonthPosition = 11;
         },
         [](const BirthRecord& b) {
             EXPECT_EQ(b.Hour, 24);
             EXPECT_EQ(b.Minute, 0);
             EXPECT_EQ(b.Month, 12);
         }},
        {"West and North", [](Entries& e) {
             e.East = false;
             e.West = true;
         },
         [](const BirthRecord& b) {
             EXPECT_FALSE(b.LonEast);
             EXPECT_FALSE(b.LatSouth);
         }},
        {"South, daylight saving, the pole", [](Entries& e) {
             e.North = false;
             e.South = true;
             e.DaylightSaving = true;
             e.LatDeg = "90";
             e.LatMin = "0";
         },
         [](const BirthRecord& b) {
             EXPECT_TRUE(b.LatSouth);
             EXPECT_TRUE(b.DaylightSaving);
             EXPECT_EQ(b.LatDegrees, 90);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Entries e = GreenwichNoon();
        c.change(e);
        CalculationDriver driver;
        ASSERT_FALSE(driver.Calculate(e));
        c.check(driver.records().birth);
    }
}

TEST(CalculationDriver, AStepThatCannotConvertLeavesItsFields) {
    BirthRecord b;
    b.LonDegrees = 7;
    b.LonMinutes = 8;
    b.LatDegrees = 9;
    b.Year = 1999;
    b.Hour = 3;
    b.Minute = 4;
    Entries e = GreenwichNoon();
    e.LonDeg = "12";
    e.LonMin = "  "; // blanks are not a number: the rest of the step is skipped
    e.HourPosition = 25; // outside the list
    e.ZoneRow = 71;
    FillBirthRecord(e, TimeZones(), b);
    EXPECT_EQ(b.LonDegrees, 12);
    EXPECT_EQ(b.LonMinutes, 8);
    EXPECT_EQ(b.LatDegrees, 9);
    EXPECT_EQ(b.Year, 2000);
    EXPECT_EQ(b.Hour, 3);
    EXPECT_EQ(b.Minute, 4);
    EXPECT_EQ(b.SignedZoneHours, 0);
    EXPECT_EQ(b.City, "London"); // later steps still run
}

TEST(CalculationDriver, WorkedReadingEndsWithTheResults) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    const Report& r = driver.report();
    EXPECT_EQ(r.lblPlanets[0], "Sun / Surya");
    EXPECT_EQ(r.lblPlanets_Position[0], "16 Sag 31");
    EXPECT_EQ(r.lblPlanets_Position[1], "19 Lib 27");
    EXPECT_EQ(r.lblAspects[1], "Planet Moon aspects or has Rashi Drishti with Mesha, Kataka, Makara.");
    EXPECT_EQ(r.lblGrahas[1], "Planet Moon has Rashi Drishti with Jupiter, Saturn, North Node, South Node.");
    EXPECT_EQ(driver.records().front, Panel::Results);
    EXPECT_EQ(ReportLines(r).size(), 36u);
    EXPECT_EQ(ReportLines(r)[5], "19 Lib 27");
}

TEST(CalculationDriver, RefusedEntriesLeaveThePreviousReading) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    const BirthRecord before = driver.records().birth;
    const Report report = driver.report();
    Entries e = GreenwichNoon();
    e.YearPosition = 50;
    e.Name.clear();
    const auto refusal = driver.Calculate(e);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please Enter Your Name");
    EXPECT_EQ(driver.records().birth, before);
    EXPECT_EQ(driver.report(), report);
}

TEST(CalculationDriver, SameEntriesSameReadingOtherEntriesReplaceIt) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    const Report first = driver.report();
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    EXPECT_EQ(driver.report(), first);

    Entries other = GreenwichNoon();
    other.YearPosition = 75;
    other.ZoneRow = 34;
    other.DaylightSaving = true;
    ASSERT_FALSE(driver.Calculate(other));
    CalculationDriver fresh;
    ASSERT_FALSE(fresh.Calculate(other));
    EXPECT_EQ(driver.report(), fresh.report());
    EXPECT_NE(driver.report(), first);
}

TEST(CalculationDriver, ExactZoneOffsetTakesThePlaceOfTheRow) {
    struct Case {
        const char* what;
        std::string zoneId;
        std::optional<int> offsetSeconds;
        double universalHours; // of the clock's 12:00 and `second`
        int second = 0;
    };
    const Case cases[] = {
        {"Kathmandu +5:45, which no row gives", "Asia/Kathmandu", 20700, 6.25},
        {"Madras local mean time +5:21:10", "Asia/Kolkata", 19270, 12 - 19270 / 3600.0},
        {"west of Greenwich", "America/New_York", -4 * 3600, 16},
        {"a zone id without its offset: the row", "Asia/Kathmandu", std::nullopt, 12},
        {"an imported chart's own offset, without a zone id", "", 20700, 6.25},
        {"Calcutta Time and a clock's seconds, to the second", "", 21200, (12 * 3600 + 30 - 21200) / 3600.0, 30},
        {"the row's offset and a clock's seconds", "", std::nullopt, 12 + 59 / 3600.0, 59},
    };
    for (const Case& c : cases) {
        Entries e = GreenwichNoon(); // row 29, Greenwich Mean Time
        e.ZoneId = c.zoneId;
        e.ZoneOffsetSeconds = c.offsetSeconds;
        e.Second = c.second;
        for (const Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise}) {
            CalculationDriver driver;
            driver.setEphemeris(ephemeris);
            ASSERT_FALSE(driver.Calculate(e)) << c.what;
            EXPECT_NEAR(driver.records().moon.UniversalHours, c.universalHours, 1e-9) << c.what;
            EXPECT_NEAR(driver.records().chart.UniversalHours, c.universalHours, 1e-9) << c.what;
            EXPECT_EQ(driver.records().birth.ExactOffsetSeconds, c.offsetSeconds) << c.what;
            EXPECT_EQ(driver.records().birth.Second, c.second) << c.what;
        }
    }
}

TEST(CalculationDriver, PreciseReadingsHaveThePreciseAscendant) {
    for (const int latitude : {0, 28, 51, 70}) {
        Entries e = GreenwichNoon();
        e.LatDeg = std::to_string(latitude);
        CalculationDriver driver;
        driver.setEphemeris(Ephemeris::Precise);
        ASSERT_FALSE(driver.Calculate(e));
        const AscendantRecord& ascendant = driver.records().ascendant;
        EXPECT_NEAR(ascendant.SiderealLongitude, PreciseBirthAscendant(driver.records().birth), 1e-9) << latitude;
        EXPECT_EQ(ascendant.SomeSignsNeverRise, latitude > 66) << latitude;
        // Within a few minutes of the formulas' ascendant, whose ayanamsa differs a little.
        CalculationDriver formulas;
        ASSERT_FALSE(formulas.Calculate(e));
        const double apart = std::fabs(ascendant.SiderealLongitude - formulas.records().ascendant.SiderealLongitude);
        EXPECT_LT(std::min(apart, 360 - apart), latitude > 66 ? 2.0 : 0.2) << latitude;
    }
}

TEST(CalculationDriver, TheRuleInForce) {
    // Ours is the default; the classical rule changes only the sentences of
    // the signs it treats differently; switching back gives today's reading.
    CalculationDriver ours;
    ASSERT_FALSE(ours.Calculate(GreenwichNoon()));
    EXPECT_EQ(ours.rule(), AspectRuleChoice::Ours);

    CalculationDriver driver;
    driver.SetRule(AspectRuleChoice::Classical);
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    const Report classical = driver.report();
    // The Moon in Libra: the fixed signs but Scorpio.
    EXPECT_EQ(classical.lblAspects[1], "Planet Moon aspects or has Rashi Drishti with Vrishabha, Simha, Kumbha.");
    EXPECT_EQ(classical.lblPlanets_Position, ours.report().lblPlanets_Position);
    EXPECT_EQ(classical.lblPlanets, ours.report().lblPlanets);

    driver.SetRule(AspectRuleChoice::Ours);
    EXPECT_EQ(driver.report(), ours.report());
    driver.SetRule(AspectRuleChoice::Classical);
    EXPECT_EQ(driver.report(), classical);
}

TEST(CalculationDriver, SiderealLongitudesAgreeWithThePositionTexts) {
    for (int year : {0, 49, 99, 149}) {
        Entries e = GreenwichNoon();
        e.YearPosition = year;
        e.HourPosition = 3 + year % 20;
        CalculationDriver driver;
        ASSERT_FALSE(driver.Calculate(e));
        const PositionTable& table = driver.records().positions;
        for (int i = 0; i < kReportRows; ++i) {
            const double longitude = table.SiderealLongitudes[i];
            ASSERT_GE(longitude, 0);
            ASSERT_LT(longitude, 360);
            const int sign = int(longitude / 30);
            const int degrees = int(longitude) % 30;
            const int minutes = int((longitude - std::floor(longitude)) * 60);
            char text[16];
            std::snprintf(text, sizeof text, "%02d %.3s %02d", degrees, "AriTauGemCanLeoVirLibScoSagCapAquPis" + 3 * sign,
                          minutes);
            EXPECT_EQ(table.PlanetPositions[i], text) << table.PlanetNames[i] << " " << 1901 + year;
        }
        // The nodes stand opposite each other.
        EXPECT_NEAR(std::fmod(table.SiderealLongitudes[7] + 180, 360), table.SiderealLongitudes[8], 1e-9);
    }
}

} // namespace
} // namespace rashi
