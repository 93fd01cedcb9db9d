#include "core/time_scales/civil_calendar.h"

namespace rashi {
namespace {

// 1 March of year 0 (proleptic Gregorian) is 3 March of year 0 in the Julian
// calendar: the Julian count below starts two days later.
constexpr long long kJulianCountOffset = -2;

} // namespace

long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

CivilDate CivilFromDays(long long z) {
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

long long DaysFromJulianCalendar(long long y, int m, int d) {
    // Four-year cycles of 1461 days, the year counted from 1 March.
    y -= m <= 2;
    const long long cycle = (y >= 0 ? y : y - 3) / 4;
    const long long yoc = y - cycle * 4;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    return cycle * 1461 + yoc * 365 + doy + kJulianCountOffset;
}

CivilDate JulianCalendarFromDays(long long z) {
    z -= kJulianCountOffset;
    const long long cycle = (z >= 0 ? z : z - 1460) / 1461;
    const long long doc = z - cycle * 1461;
    const long long yoc = doc == 1460 ? 3 : doc / 365;
    const long long doy = doc - 365 * yoc;
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoc + cycle * 4 + (m <= 2)), m, d};
}

bool IsLeapYear(int year, Calendar calendar) {
    if (calendar == Calendar::Julian) return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, Calendar calendar) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year, calendar) ? 29 : kDays[month - 1];
}

CivilDate GregorianDate(const CivilDate& date, Calendar calendar) {
    if (calendar == Calendar::Gregorian) return date;
    return CivilFromDays(DaysFromJulianCalendar(date.year, date.month, date.day));
}

CivilDate DateInCalendar(const CivilDate& gregorian, Calendar calendar) {
    if (calendar == Calendar::Gregorian) return gregorian;
    return JulianCalendarFromDays(DaysFromCivil(gregorian.year, gregorian.month, gregorian.day));
}

} // namespace rashi
