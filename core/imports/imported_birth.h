#pragma once
// A birth as another program's chart file gives it, in whole seconds, and the
// entries it fills: the same entries the birth typed in would give.

#include "core/records/entries.h"

#include <cstdint>
#include <functional>
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
    // Where each part came from, for a refusal: `Line 5 (time zone) holds "-5.45"`.
    struct Sources {
        std::string name, date, clock, zone, place;
    } Source;
};

// The file's lines (see ImportLines) as UTF-8 text: UTF-16 after its
// byte-order mark; else UTF-8 (a byte-order mark passed over) when the first
// `usedLines` are, or Windows-1252 when one of them is not. Lines after
// those are read the same way, each as Windows-1252 when it cannot be UTF-8.
// Nothing, and the problem naming the line, for UTF-16 that breaks off inside
// a character, and for lines used that mix UTF-8 beyond ASCII (or its mark)
// with another encoding: their names could be read either way.
std::optional<std::vector<std::string>> ImportTextLines(std::string_view bytes, std::size_t usedLines,
                                                        std::string* problem);

// The lines of the text: LF, CR LF, CR CR LF or a lone CR end a line.
std::vector<std::string> ImportLines(std::string_view text);

// UTF-8 of one code point, appended.
void AppendUtf8(std::string& text, char32_t code);

// A name as the letter boxes hold it: letters of every script stay as they
// are (Zürich, पुणे), and so do the apostrophes, hyphens and full stops that
// stand beside a letter (O'Brien, St. John); anything else becomes a space,
// runs of spaces become one, and the ends are trimmed.
std::string LettersForBox(std::string_view utf8);

// The start of a refusal: `Line 4 (clock time) holds "10.75"`.
std::string LineHolds(int line, std::string_view name, std::string_view text);

// The entries of the birth. The boxes hold the clock time to the minute, the
// entries' Second the rest of it; the coordinates are rounded to the whole
// minute the boxes hold. The zone becomes the row and box that give the
// offset (the box as the file has it where a row allows); where none does,
// the offset is kept exactly (ZoneOffsetSeconds without a zone id) and the
// row and box are the nearest standard row with the file's daylight saving.
// Nothing, and the reason in `problem` naming the line, when the birth does
// not fit the boxes: no letters for a name or city, a day the month lacks.
//
// A file that names no state (a .jhd never does) takes the state `findState`
// gives for its place (the atlas's place of that name in that country, near
// the file's coordinates), so that the country is not put in the State box;
// without one it takes the country's name, as the atlas's places without a
// state do.
using StateFinder = std::function<std::string(const ImportedBirth&)>;
std::optional<Entries> EntriesFromImport(const ImportedBirth& birth, std::string* problem,
                                         const StateFinder& findState = {});

// What was done with an imported chart's zone that no row gives, for the
// line under the zone: "The chart file's offset UTC+05:45 is used exactly; no
// zone of the list gives it (the list shows the nearest, ...)". Nothing for
// entries with a zone id or without an exact offset.
std::optional<std::string> ImportedZoneNote(const Entries& entries);

// "UTC+05:45", "UTC-03:30", "UTC+05:53:20": an offset east of Greenwich.
std::string UtcOffsetText(std::int64_t seconds);

// The file's name without its folder and extension.
std::string BaseName(std::string_view path);

// A file's name as UTF-8: one in another encoding (Latin-1's "Jos\xE9")
// read as Windows-1252, as the files' contents are.
std::string FileNameText(std::string_view name);

} // namespace rashi
