#pragma once
// Day counts of civil dates in the Gregorian calendar and the Julian one,
// which many old birth records use (England and its colonies until 1752,
// Russia until 1918, Greece until 1923).

namespace rashi {

enum class Calendar { Gregorian, Julian };

struct CivilDate {
    int year, month, day;
    bool operator==(const CivilDate&) const = default;
};

// Days since 1 March of year 0 of the proleptic Gregorian calendar, and back.
long long DaysFromCivil(long long year, int month, int day);
CivilDate CivilFromDays(long long days);

// The same count for a date of the Julian calendar, and back.
long long DaysFromJulianCalendar(long long year, int month, int day);
CivilDate JulianCalendarFromDays(long long days);

bool IsLeapYear(int year, Calendar calendar);
int DaysInMonth(int year, int month, Calendar calendar);

// The Gregorian date of the day a date of the calendar names.
CivilDate GregorianDate(const CivilDate& date, Calendar calendar);

// The date in the calendar of the day a Gregorian date names.
CivilDate DateInCalendar(const CivilDate& gregorian, Calendar calendar);

} // namespace rashi
