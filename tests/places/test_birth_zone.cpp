#include "places/birth_zone.h"

#include "core/entries/validation.h"
#include "core/zones/time_zones.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace rashi::places {
namespace {

constexpr int kEasternDaylight = 24;
constexpr int kEasternStandard = 27;
constexpr int kGreenwich = 29;

// New York, 1 November 2020, 01:30: the clocks went back at 02:00 EDT.
Entries NewYorkTwice(int row, bool box)
{
    Entries e;
    e.Name = "Ada";
    e.DatePosition = 0;
    e.MonthPosition = 10;
    e.YearPosition = 2020 - 1901;
    e.HourPosition = 1;
    e.MinutePosition = 30;
    e.ZoneRow = row;
    e.DaylightSaving = box;
    e.LatDeg = "40";
    e.LatMin = "43";
    e.LonDeg = "74";
    e.LonMin = "0";
    e.West = true;
    e.East = false;
    e.City = "New York";
    e.State = "New York";
    e.Country = "USA";
    e.ZoneId = "America/New_York";
    return e;
}

TEST(ApplyZoneOffset, ATimeThatHappenedTwiceIsReadByTheRowAndBox)
{
    struct Case {
        const char* what;
        int row;
        bool box;
        RepeatedTime repeated;
        std::optional<int> offsetHours; // nothing: refused with the moment's message
    };
    const Case cases[] = {
        {"typed with nothing to decide by", kEasternStandard, false, RepeatedTime::Refuse, std::nullopt},
        {"Eastern, box off: standard time", kEasternStandard, false, RepeatedTime::ByChoice, -5},
        {"Eastern, box on: daylight saving", kEasternStandard, true, RepeatedTime::ByChoice, -4},
        {"Eastern Daylight row, box off", kEasternDaylight, false, RepeatedTime::ByChoice, -4},
        {"a row of neither offset, box on", kGreenwich, true, RepeatedTime::ByChoice, -4},
        {"a row of neither offset, box off", kGreenwich, false, RepeatedTime::ByChoice, -5},
        {"the first time round asked for", kEasternStandard, false, RepeatedTime::First, -4},
        {"the second time round asked for", kEasternStandard, true, RepeatedTime::Second, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Entries e = NewYorkTwice(c.row, c.box);
        const auto problem = ApplyZoneOffset(e, c.repeated);
        ASSERT_EQ(problem.has_value(), !c.offsetHours);
        if (c.offsetHours)
            EXPECT_EQ(e.ZoneOffsetSeconds, *c.offsetHours * 3600);
        else
            EXPECT_NE(problem->indexOf(QLatin1String("happened twice")), -1) << problem->toStdString();
        // The row and box are the file's, never changed by reading it.
        EXPECT_EQ(e.ZoneRow, c.row);
        EXPECT_EQ(e.DaylightSaving, c.box);
    }
}

TEST(ApplyZone, ThePickedPlacesMomentAndTheRowItGives)
{
    struct Case {
        const char* what;
        const char* zone;
        int year, month, day, hour;
        int offsetSeconds;
        int row; // -1: any standard row (no row gives the offset)
        bool box;
        const char* lonDeg = "74"; // New York's, 74°0' W, unless given
        const char* lonMin = "0";
        bool east = false;
    };
    const Case cases[] = {
        // 24:00 is the next day's 00:00: 8 March 2020 24:00 in New York is after the clocks went forward.
        {"hour 24 is the next day", "America/New_York", 2020, 3, 8, 24, -4 * 3600, kEasternStandard, true},
        {"hour 23 the same day", "America/New_York", 2020, 3, 7, 23, -5 * 3600, kEasternStandard, false},
        // Kathmandu, 85°19' E, kept local mean time until 1920: +5:41:16, seconds and all.
        {"local mean time keeps its seconds", "Asia/Kathmandu", 1910, 1, 1, 12, 5 * 3600 + 41 * 60 + 16, -1, false,
         "85", "19", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Entries e = NewYorkTwice(kGreenwich, false);
        e.ZoneId = c.zone;
        e.YearPosition = c.year - 1901;
        e.MonthPosition = c.month - 1;
        e.DatePosition = c.day - 1;
        e.HourPosition = c.hour;
        e.MinutePosition = 0;
        e.LonDeg = c.lonDeg;
        e.LonMin = c.lonMin;
        e.East = c.east;
        e.West = !c.east;
        ASSERT_FALSE(ApplyZone(e));
        EXPECT_EQ(e.ZoneOffsetSeconds, c.offsetSeconds);
        if (c.row >= 0) {
            EXPECT_EQ(e.ZoneRow, c.row);
        }
        EXPECT_EQ(e.DaylightSaving, c.box);
        const QString rowName = QString::fromUtf8(TimeZones().TimeZoneList[e.ZoneRow].data());
        EXPECT_FALSE(rowName.contains(QLatin1String("Summer")) || rowName.contains(QLatin1String("Daylight")) ||
                     rowName.contains(QLatin1String("War")))
            << rowName.toStdString();
    }
}

TEST(NearestZoneRow, NeverADaylightSummerOrWarRow)
{
    // +12:30 is only New Zealand Summer Time's offset; +9:30 only Hawaiian
    // Daylight's neighbourhood has several.
    for (const int seconds : {12 * 3600 + 1800, 13 * 3600, -(9 * 3600 + 1800), 5 * 3600 + 45 * 60, -2 * 3600}) {
        SCOPED_TRACE(seconds);
        const int row = NearestZoneRow(seconds);
        const QString name = QString::fromUtf8(TimeZones().TimeZoneList[row].data());
        EXPECT_FALSE(name.contains(QLatin1String("Summer")) || name.contains(QLatin1String("Daylight")) ||
                     name.contains(QLatin1String("War")))
            << name.toStdString();
        EXPECT_LE(std::abs(ChoiceOffsetSeconds({row, false}) - seconds), 3600);
    }
}

TEST(ApplyPlace, APickedPlaceFillsTheBoxesInsideTheGlobe)
{
    // Rounded to the minute, the edges stay on the globe.
    for (const auto& [latitude, longitude] : {std::pair{-89.9999, 179.9999}, std::pair{-77.85, 166.67}}) {
        Entries e = NewYorkTwice(kGreenwich, false);
        ApplyPlace(e, Place{QStringLiteral("McMurdo"), QString(), QStringLiteral("Antarctica"), QStringLiteral("AQ"),
                            latitude, longitude, QStringLiteral("Antarctica/McMurdo"), 1000});
        EXPECT_TRUE(e.South);
        EXPECT_FALSE(ValidateCoordinates(e)) << e.LatDeg << " " << e.LatMin << " " << e.LonDeg << " " << e.LonMin;
    }
}

} // namespace
} // namespace rashi::places
