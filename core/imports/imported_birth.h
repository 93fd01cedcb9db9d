#pragma once
// A birth as another program's chart file gives it, in whole seconds, and the
// entries it fills: the same entries the birth typed in would give.

#include "core/records/entries.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rashi {

struct ImportedBirth {
    std::string Name; // UTF-8, as the file has it
    int Year = 0;
    int Month = 0;
    int Day = 0;
    std::int64_t ClockSeconds = 0;      // local clock time after midnight
    std::int64_t OffsetSeconds = 0;     // the zone, east of Greenwich, daylight saving included
    bool DaylightSaving = false;        // the file says that one hour of the offset is summer time
    std::int64_t DaylightSeconds = 0;   // how much of the offset the file calls daylight saving
    std::int64_t LatitudeSeconds = 0;   // arc seconds, north positive
    std::int64_t LongitudeSeconds = 0;  // arc seconds, east positive
    std::string City, State, Country;   // UTF-8
    // Where the zone came from, for a refusal: Line 5 (zone) holds "-5.45"
    std::string ZoneSource;
};

// The lines of a text file: LF, CR LF or CR end a line; the bytes are UTF-8
// when they are valid UTF-8, else Windows-1252, and come back as UTF-8.
std::vector<std::string> ImportLines(std::string_view bytes);

// A name as the letter boxes hold it: letters of every script stay as they
// are (Zürich, पुणे), anything else that is not a letter becomes a space,
// runs of spaces become one, and the ends are trimmed.
std::string LettersForBox(std::string_view utf8);

// The start of a refusal: `Line 4 (clock time) holds "10.75"`.
std::string LineHolds(int line, std::string_view name, std::string_view text);

// The entries of the birth. The clock time and the coordinates are rounded to
// the whole minute the boxes hold. The zone becomes the row and box that give
// the offset, the box as the file has it where a row allows. Nothing, and the reason
// in `problem`, when the birth does not fit the boxes or no zone gives it.
std::optional<Entries> EntriesFromImport(const ImportedBirth& birth, std::string* problem);

// The file's name without its folder and extension.
std::string BaseName(std::string_view path);

} // namespace rashi
