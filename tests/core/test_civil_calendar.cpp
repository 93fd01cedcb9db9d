#include "core/time_scales/civil_calendar.h"

#include "core/planets/planet_theory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace rashi {
namespace {

TEST(CivilCalendar, JulianDatesOfTheCalendarChanges) {
    // The first Gregorian day of each change, and the Julian day before it.
    struct Row {
        const char* where;
        CivilDate julian, gregorian;
    };
    const Row rows[] = {
        {"Rome", {1582, 10, 5}, {1582, 10, 15}},
        {"1 March 1700", {1700, 3, 1}, {1700, 3, 12}},
        {"29 February 1700", {1700, 2, 29}, {1700, 3, 11}},
        {"England", {1752, 9, 3}, {1752, 9, 14}},
        {"Russia", {1918, 2, 1}, {1918, 2, 14}},
        {"Greece", {1923, 2, 16}, {1923, 3, 1}},
        {"1 January 1600", {1599, 12, 22}, {1600, 1, 1}},
        {"31 December 2400", {2400, 12, 15}, {2400, 12, 31}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(GregorianDate(r.julian, Calendar::Julian), r.gregorian) << r.where;
        EXPECT_EQ(DateInCalendar(r.gregorian, Calendar::Julian), r.julian) << r.where;
        EXPECT_EQ(GregorianDate(r.gregorian, Calendar::Gregorian), r.gregorian) << r.where;
    }
}

TEST(CivilCalendar, EveryDayFrom1600To2400CountsOnByOne) {
    for (const Calendar calendar : {Calendar::Gregorian, Calendar::Julian}) {
        const auto count = [calendar](const CivilDate& d) {
            return calendar == Calendar::Julian ? DaysFromJulianCalendar(d.year, d.month, d.day)
                                                : DaysFromCivil(d.year, d.month, d.day);
        };
        long long expected = count({1600, 1, 1});
        for (int year = 1600; year <= 2400; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= DaysInMonth(year, month, calendar); ++day) {
                    const CivilDate date{year, month, day};
                    ASSERT_EQ(count(date), expected) << year << '-' << month << '-' << day;
                    const CivilDate back = calendar == Calendar::Julian ? JulianCalendarFromDays(expected)
                                                                        : CivilFromDays(expected);
                    ASSERT_EQ(back, date) << year << '-' << month << '-' << day;
                    ++expected;
                }
    }
}

TEST(CivilCalendar, LeapYears) {
    const std::tuple<int, bool, bool> rows[] = {// year, Gregorian, Julian
                                                {1600, true, true},   {1700, false, true}, {1800, false, true},
                                                {1900, false, true},  {1904, true, true},  {2000, true, true},
                                                {2050, false, false}, {2100, false, true}, {2400, true, true}};
    for (const auto& [year, gregorian, julian] : rows) {
        EXPECT_EQ(IsLeapYear(year, Calendar::Gregorian), gregorian) << year;
        EXPECT_EQ(IsLeapYear(year, Calendar::Julian), julian) << year;
    }
}

TEST(CivilCalendar, TheFormulasDayNumberIsTheGregorianCount) {
    // The formulas' own count without a century rule, which the program used
    // from 1 March 1900 to 28 February 2100.
    const auto formula = [](int y, int m, int d) {
        return 367.0 * y - std::floor(7.0 * (y + std::floor((m + 9) / 12.0)) / 4.0) + std::floor(275.0 * m / 9.0) + d -
               730531.5;
    };
    for (long long day = DaysFromCivil(1900, 3, 1); day <= DaysFromCivil(2100, 2, 28); day += 17) {
        const CivilDate d = CivilFromDays(day);
        ASSERT_EQ(DayNumber(d.year, d.month, d.day, 0, 0), formula(d.year, d.month, d.day));
    }
    // Julian dates of 12:00 UT less J2000.0.
    EXPECT_EQ(DayNumber(1600, 1, 1, 12, 0), 2305448.0 - 2451545.0);
    EXPECT_EQ(DayNumber(1700, 3, 1, 12, 0), 2342032.0 - 2451545.0);
    EXPECT_EQ(DayNumber(2400, 12, 31, 12, 0), 2598007.0 - 2451545.0);
}

} // namespace
} // namespace rashi
