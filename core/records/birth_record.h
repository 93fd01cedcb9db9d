#pragma once
// The birth data of the last reading that passed validation.

#include "core/records/ayanamsa_choice.h"
#include "core/records/node_kind.h"
#include "core/time_scales/civil_calendar.h"
#include "core/records/tagged_lines.h"

#include <cstdint>
#include <optional>
#include <string>

namespace rashi {

struct BirthRecord {
    std::string Name;                 // as typed, not trimmed
    std::int16_t Day = 0;             // 1..31
    std::int16_t Month = 0;           // 1..12
    std::int16_t Year = 0;            // 1600..2400; the day, month and year Gregorian
    std::int16_t Hour = 0;            // 0..24 (24 is the midnight that ends the day)
    std::int16_t Minute = 0;          // 0..59
    std::int16_t Second = 0;          // 0..59, 0 at 24:00
    std::int16_t ZoneHours = 0;       // |TimeZoneHours[row]|
    std::int16_t ZoneMinutes = 0;     // |TimeZoneMinutes[row]|
    std::int16_t LonDegrees = 0;
    std::int16_t LonMinutes = 0;
    std::int16_t LatDegrees = 0;
    std::int16_t LatMinutes = 0;
    bool LonEast = false;
    bool LatSouth = false;
    bool DaylightSaving = false;
    std::string City;                 // trimmed of spaces
    std::string State;
    std::string Country;
    std::int16_t SignedZoneHours = 0;   // hours added to the local clock to give UT
    std::int16_t SignedZoneMinutes = 0; // minutes, same sign as the hours
    std::string ZoneId;                 // tz database id, or empty
    // The zone id's exact offset east of Greenwich (seconds) at the birth
    // moment, or without a zone id an imported chart's own; when set,
    // Universal Time comes from it, not from the row and box.
    std::optional<std::int32_t> ExactOffsetSeconds;
    TaggedLines Tagged;                 // further data of a chart file, as the entries had it
    // The ayanamsa the reading takes off (the "ayanamsa" tagged line's); the
    // program's own by default.
    AyanamsaChoice Ayanamsa;
    // The calendar the date was given in (the "calendar" tagged line's); the
    // date above is the same day in the Gregorian calendar.
    Calendar DateCalendar = Calendar::Gregorian;
    // The lunar node the reading shows (the "nodes" tagged line's).
    NodeKind Nodes = NodeKind::Mean;

    bool operator==(const BirthRecord&) const = default;
};

} // namespace rashi
