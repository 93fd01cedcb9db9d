#pragma once
// The header of a reading (whose it is, where and when, the ayanamsa and the
// rule) and the reading as plain text, for the window, the page and the
// clipboard alike.

#include "core/records/reading_records.h"

#include <string>
#include <vector>

namespace rashi {

struct HeaderField {
    std::string label; // "Name", "Born", "Zone", "Place", "Coordinates", "Ascendant", "Ayanamsa", "Rule"
    std::string value;
    bool operator==(const HeaderField&) const = default;
};

// The header fields in the order they are shown.
std::vector<HeaderField> ReadingHeader(const ReadingRecords& records);

// "Born: 1 January 2000, 12:00", one line per field.
std::vector<std::string> HeaderLines(const ReadingRecords& records);

// The header lines, the window's two lines when it was computed, an empty
// line and the 36 captions in report order, then the Jaimini lines, the
// dashas' (with the periods running today) and the graha drishti's when they
// were computed, each line ending in a line feed. With the timing, each
// position carries its nakshatra.
std::string ReadingText(const ReadingRecords& records);

// 23°51'07" from 23.852; the angle's magnitude, truncated to the second.
std::string DegreesMinutesSeconds(double degrees);

} // namespace rashi
