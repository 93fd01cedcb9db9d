#pragma once
// What the input panel holds: the texts of its boxes, the positions of its
// lists and the states of its options. The window copies its controls into
// this record; a chart file and the report tool's options produce one too.

#include "core/records/tagged_lines.h"

#include <optional>
#include <string>

namespace rashi {

struct Entries {
    std::string Name;            // txtName
    int DatePosition = 0;        // cboDate: position 0 is day "1"; -1 is no selection
    int MonthPosition = 0;       // cboMonth: position 0 is "January"
    int YearPosition = 0;        // cboYear: position 0 is "1901"
    int HourPosition = 0;        // cboHour: position 0 is "0", 24 is "24"
    int MinutePosition = 0;      // cboMinute
    int ZoneRow = 0;             // cboTimeZone: a row of the time-zone table
    std::string LatDeg;          // txtLatDeg
    std::string LatMin;          // txtLatMin
    std::string LonDeg;          // txtLonDeg
    std::string LonMin;          // txtLonMin
    bool North = true;           // optLat(0)
    bool South = false;          // optLat(1)
    bool East = true;            // optLong(0)
    bool West = false;           // optLong(1)
    bool DaylightSaving = false; // chkDST
    std::string City;            // txtCity
    std::string State;           // txtState
    std::string Country;         // txtCountry
    // The place's time zone in the tz database ("Asia/Kolkata"), when the
    // place came from the atlas or a chart file; empty otherwise.
    std::string ZoneId;
    // That zone's offset east of Greenwich at the birth's clock time, in
    // seconds, as the caller found it in the tz database. With it the reading
    // uses this offset instead of the row and box.
    std::optional<int> ZoneOffsetSeconds;
    // Further birth data a chart file carries after its zone id.
    TaggedLines Tagged;

    bool operator==(const Entries&) const = default;
};

} // namespace rashi
