#pragma once
// The chart file: 17 lines of birth data, each shifted with EncodeText and
// ended by CR LF, in Windows-1252. Line order: name, month, day, year, hour,
// minute, zone row, longitude degrees and minutes, latitude degrees and
// minutes, east, south, daylight saving, city, state, country. A birth whose
// place has a tz database zone id carries it as an 18th line, written the same
// way; readers of 17 lines pass over it. Further birth data follow as tagged
// lines ("key=value", see core/records/tagged_lines.h), the 18th line then
// written empty when there is no zone id.

#include "core/records/birth_record.h"
#include "core/records/entries.h"

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace rashi {

inline constexpr int kChartFileLines = 17;
inline constexpr std::string_view kChartExtension = "kqa";
inline constexpr std::string_view kChartFileRefused = "Please Check The File.";
// The longest line read back: what a text box can hold.
inline constexpr std::size_t kMaxChartLineBytes = 32767;
// Tagged lines: at most this many are read (blank lines and lines of another
// shape between them do not count), each at most this long; a value
// stores each byte outside printable ASCII, and '%', as %XX.
inline constexpr int kMaxTaggedLines = 8;
// (The names line of four full letter boxes in Devanagari, three bytes a
// letter and each byte escaped, is the longest a save writes.)
inline constexpr std::size_t kMaxTaggedLineBytes = 37 * kMaxChartLineBytes;
// The most a reader takes from a file: 18 full lines and the tagged lines, with their ends
// (lines of another shape among them take their room).
inline constexpr std::size_t kMaxChartFileBytes =
    (kChartFileLines + 1) * (kMaxChartLineBytes + 2) + kMaxTaggedLines * (kMaxTaggedLineBytes + 2);

// The plain (decoded, UTF-8) text of the 17 lines.
using ChartLines = std::array<std::string, kChartFileLines>;

ChartLines ChartLinesOf(const BirthRecord& birth, int zoneRow);

// The file's bytes: every line trimmed, encoded, ended by CR LF; the 18th
// line only for a birth with a zone id or tagged lines, which follow it.
std::string FormatChartFile(const BirthRecord& birth, int zoneRow);

// FormatChartFile, read back as ParseChartFile reads it: nothing, with the
// problem, for a birth whose file the program would then refuse, so that no
// save writes one.
std::optional<std::string> FormatReadableChartFile(const BirthRecord& birth, int zoneRow, std::string* problem);

// What each line holds, for messages: "month", "latitude degrees"...
extern const std::array<std::string_view, kChartFileLines> kChartLineNames;
inline constexpr std::string_view kZoneIdLineName = "time zone id"; // the 18th line

// The entries a chart file restores. Nothing is returned when any line does
// not fit its control: the file is refused whole, and `problem` (when given)
// says which line and what it held.
// A place off the globe (latitude past 90, longitude past 180, minutes past
// 59) is refused too, unless `placeOnGlobe` is false: the batch leaves that to
// the reading's checks, whose message names the box.
std::optional<Entries> EntriesFromChartLines(const ChartLines& lines, std::string* problem = nullptr,
                                             bool placeOnGlobe = true);

// Splits the first 17 lines (CR ends a line, an LF right after it belongs to
// the end) and decodes them. Fewer than 17 lines, or a line longer than a box
// holds: nothing. When `eighteenth` is given, the 18th line, if any, goes there
// (decoded, trimmed of spaces), and is held to the same length. When `tagged`
// is given, the tagged lines after it go there: a line of another shape is
// passed over, a tagged line whose value is not escaped UTF-8, or whose key
// came before, refuses the file.
std::optional<ChartLines> SplitChartFile(std::string_view bytes, std::string* problem = nullptr,
                                         std::string* eighteenth = nullptr, TaggedLines* tagged = nullptr);

// The whole file: 17 lines, an 18th that is empty or a zone id the system's
// tz database knows, and the tagged lines after it.
std::optional<Entries> ParseChartFile(std::string_view bytes, std::string* problem = nullptr);

// Reads no more than the lines a chart has need, and never more than kMaxChartFileBytes.
std::optional<Entries> ReadChartFile(std::istream& in, std::string* problem = nullptr);

// The open dialog's check: the last three characters are exactly "kqa".
bool HasChartExtension(std::string_view fileName);

} // namespace rashi
