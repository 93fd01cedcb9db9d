#include "core/moon/birth_moment.h"

#include "fixtures.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

using testing::BirthAt;


TEST(BirthMoment, JulianDayNumbers) {
    struct Case {
        int month, day, year;
        double expected;
    };
    const Case cases[] = {
        {1, 1, 2000, 2451545}, {3, 1, 2000, 2451605}, {1, 1, 1901, 2415386}, {12, 31, 2050, 2470172},
        {7, 4, 1976, 2442964}, {2, 29, 1904, 2416540}, {3, 1, 1900, 2415080},
    };
    for (const Case& c : cases) EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected) << c.year;
}

TEST(BirthMoment, UniversalHoursTakeTheZonesOwnDirection) {
    struct Case {
        const char* what;
        BirthRecord birth;
        double expected;
    };
    const Case cases[] = {
        {"Greenwich noon", BirthAt(1, 1, 2000, 12, 0, 0, 0), 12},
        {"India 17:30", BirthAt(1, 1, 2000, 17, 30, -5, -30), 12},
        {"India 17:30 with daylight saving", BirthAt(1, 1, 2000, 17, 30, -5, -30, true), 11},
        {"India 02:00 falls on the previous day", BirthAt(1, 1, 2000, 2, 0, -5, -30), -3.5},
        {"New York 10:15 EST with daylight saving", BirthAt(4, 7, 1976, 10, 15, 5, 0, true), 14.25},
        {"Greenwich with daylight saving", BirthAt(1, 6, 2000, 12, 0, 0, 0, true), 11},
        // Spain lies west of Greenwich but keeps Central European Time, ahead of UT.
        {"Madrid 12:00 CET", BirthAt(1, 1, 2000, 12, 0, -1, 0), 11},
        {"Hawaii 09:30 HST", BirthAt(1, 1, 2000, 9, 30, 10, 30), 20},
        {"hour 24", BirthAt(1, 1, 2000, 24, 0, 0, 0), 24},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(UniversalHours(c.birth), c.expected) << c.what;
}

TEST(BirthMoment, CenturiesFromJ2000) {
    EXPECT_EQ(JulianCenturies(BirthAt(1, 1, 2000, 12, 0, 0, 0)), 0.0);
    EXPECT_NEAR(JulianCenturies(BirthAt(4, 7, 1976, 10, 15, 5, 0, true)), -0.234932409, 1e-9);
}

TEST(BirthMoment, MoonAyanamsa) {
    EXPECT_NEAR(AyanamsaCorrection(0), -23.853725713528, 1e-11);
    EXPECT_NEAR(AyanamsaCorrection(-1), -22.466643248642, 1e-11);
}

TEST(BirthMoment, SignPositionTextTruncates) {
    struct Case {
        double longitude;
        const char* expected;
    };
    const Case cases[] = {
        {45.25, "15\u00B0 15' 0\" Tau"},  {0, "0\u00B0 0' 0\" Ari"},         {-45.25, "15\u00B0 15' 0\" Tau"},
        {359.99, "29\u00B0 59' 24\" Pis"}, {199.462377202, "19\u00B0 27' 44\" Lib"}, {29.9999999, "29\u00B0 59' 59\" Ari"},
        {30, "0\u00B0 0' 0\" Tau"},        {360, "0\u00B0 0' 0\" "},
    };
    for (const Case& c : cases) EXPECT_EQ(SignPositionText(c.longitude), c.expected) << c.longitude;
}

} // namespace
} // namespace rashi
