#include "core/moon/moon_position.h"

#include "core/moon/birth_moment.h"

#include "fixtures.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {



ReadingRecords RecordsFor(int day, int month, int year, int hour, int minute, int zoneHours, int zoneMinutes,
                          bool daylightSaving) {
    ReadingRecords r;
    r.birth = testing::BirthAt(day, month, year, hour, minute, zoneHours, zoneMinutes, daylightSaving);
    return r;
}

TEST(MoonPosition, WorkedReadings) {
    struct Case {
        const char* what;
        ReadingRecords records;
        double universalHours, tropical, sidereal;
        const char* text;
    };
    const Case cases[] = {
        {"1 Jan 2000 12:00 GMT", RecordsFor(1, 1, 2000, 12, 0, 0, 0, false), 12, 223.316102916, 199.462377202,
         "19\u00B0 27' 44\" Lib"},
        {"1 Jan 2000 17:30 IST", RecordsFor(1, 1, 2000, 17, 30, -5, -30, false), 12, 223.316102916, 199.462377202,
         "19\u00B0 27' 44\" Lib"},
        {"4 Jul 1976 10:15 EST, daylight saving", RecordsFor(4, 7, 1976, 10, 15, 5, 0, true), 14.25, 190.936732,
         167.404690, "17\u00B0 24' 16\" Vir"},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.what);
        ComputeMoonPosition(c.records);
        EXPECT_DOUBLE_EQ(c.records.moon.UniversalHours, c.universalHours);
        EXPECT_NEAR(MoonTropicalLongitude(c.records.moon.JulianCenturies), c.tropical, 1e-6);
        EXPECT_NEAR(c.records.moon.SiderealLongitude, c.sidereal, 1e-6);
        EXPECT_EQ(c.records.moon.MoonPositionText, c.text);
    }
}

TEST(MoonPosition, SeriesSumAtJ2000) {
    // L' at T = 0 is 218.3164591°, so the 25 terms add 4.999643816°.
    EXPECT_NEAR(MoonTropicalLongitude(0) - 218.3164591, 4.999643816, 1e-9);
}

TEST(MoonPosition, SiderealLongitudeStaysInOneTurnOverTheOfferedYears) {
    // Hourly steps over 150 years, sampled: never negative, never a full turn.
    for (double T = -0.99; T <= 0.51; T += 0.000731) {
        const double lambda = MoonSiderealLongitude(T);
        ASSERT_GE(lambda, 0.0) << T;
        ASSERT_LT(lambda, 360.0) << T;
    }
}

TEST(MoonPosition, ZoneAheadOfUtWestOfGreenwichUsesTheZonesDirection) {
    // A birth in Madrid (west of Greenwich) at 12:00 CET is 11:00 UT, not 13:00.
    ReadingRecords madrid = RecordsFor(1, 6, 1990, 12, 0, -1, 0, false);
    madrid.birth.LonDegrees = 3;
    madrid.birth.LonMinutes = 42;
    madrid.birth.LonEast = false;
    ReadingRecords greenwich = RecordsFor(1, 6, 1990, 11, 0, 0, 0, false);
    ComputeMoonPosition(madrid);
    ComputeMoonPosition(greenwich);
    EXPECT_DOUBLE_EQ(madrid.moon.UniversalHours, 11);
    EXPECT_EQ(madrid.moon.MoonPositionText, greenwich.moon.MoonPositionText);
}

TEST(MoonPosition, ASecondReadingReplacesTheFirst) {
    ReadingRecords r = RecordsFor(1, 1, 2000, 12, 0, 0, 0, false);
    ComputeMoonPosition(r);
    const std::string first = r.moon.MoonPositionText;
    r.birth.Day = 3;
    ComputeMoonPosition(r);
    EXPECT_NE(r.moon.MoonPositionText, first);
    ReadingRecords fresh = RecordsFor(3, 1, 2000, 12, 0, 0, 0, false);
    ComputeMoonPosition(fresh);
    EXPECT_EQ(r.moon.MoonPositionText, fresh.moon.MoonPositionText);
}

} // namespace
} // namespace rashi
