#pragma once
// Births for the tests: entries as a person would type them, and birth
// records as the driver would fill them.

#include "core/records/birth_record.h"
#include "core/records/entries.h"
#include "core/records/reading_records.h"
#include "core/time_window/moment_positions.h"

#include <array>

#include <cstdint>
#include <cstdlib>

namespace rashi::testing {

// 1 January 2000, 12:00, Greenwich Mean Time (row 29), 0° E, 51°28' N, London.
inline Entries GreenwichNoon() {
    Entries e;
    e.Name = "Ada";
    e.DatePosition = 0;
    e.MonthPosition = 0;
    e.YearPosition = 2000 - 1901;
    e.HourPosition = 12;
    e.MinutePosition = 0;
    e.ZoneRow = 29;
    e.LatDeg = "51";
    e.LatMin = "28";
    e.LonDeg = "0";
    e.LonMin = "0";
    e.City = "London";
    e.State = "England";
    e.Country = "United Kingdom";
    return e;
}

// Ada's birth on the given day at the given clock time, chosen in the lists.
inline void SetBirthMoment(Entries& e, int day, int month, int year, int hour, int minute) {
    e.Name = "Ada";
    e.DatePosition = day - 1;
    e.MonthPosition = month - 1;
    e.YearPosition = year - 1901;
    e.HourPosition = hour;
    e.MinutePosition = minute;
}

// Pune, Maharashtra, India (18°31' N, 73°51' E), Indian Time (row 34): a
// birth on the given day at the given clock time.
inline Entries PuneBirth(int day, int month, int year, int hour, int minute) {
    Entries e;
    SetBirthMoment(e, day, month, year, hour, minute);
    e.ZoneRow = 34;
    e.LatDeg = "18";
    e.LatMin = "31";
    e.LonDeg = "73";
    e.LonMin = "51";
    e.City = "Pune";
    e.State = "Maharashtra";
    e.Country = "India";
    return e;
}

// A birth record of a civil moment and the zone's signed offset.
inline BirthRecord BirthAt(int day, int month, int year, int hour, int minute, int zoneHours, int zoneMinutes,
                           bool daylightSaving = false) {
    const auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
    BirthRecord b;
    b.Day = i16(day);
    b.Month = i16(month);
    b.Year = i16(year);
    b.Hour = i16(hour);
    b.Minute = i16(minute);
    b.SignedZoneHours = i16(zoneHours);
    b.SignedZoneMinutes = i16(zoneMinutes);
    b.ZoneHours = i16(std::abs(zoneHours));
    b.ZoneMinutes = i16(std::abs(zoneMinutes));
    b.DaylightSaving = daylightSaving;
    return b;
}

// The nine bodies' signs and the ascendant's (last) of a reading, by their
// longitudes.
inline std::array<int, kReportRows + 1> SignsOfReading(const ReadingRecords& r) {
    std::array<int, kReportRows + 1> signs{};
    for (int i = 0; i < kReportRows; ++i) signs[i] = SignOfLongitude(r.positions.SiderealLongitudes[i]);
    signs[kAscendantBody] = SignOfLongitude(r.ascendant.SiderealLongitude);
    return signs;
}

} // namespace rashi::testing
