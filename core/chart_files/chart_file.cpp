#include "core/chart_files/chart_file.h"

#include "core/ayanamsa/ayanamsa_names.h"
#include "core/chart_files/chart_names.h"

#include "core/zones/time_zones.h"
#include "core/zones/zone_ids.h"
#include "core/entries/birth_choices.h"
#include "core/entries/entry_lists.h"
#include "core/chart_files/stored_text.h"
#include "core/records/trim.h"
#include "core/entries/validation.h"
#include "core/chart_files/visible_text.h"
#include "core/chart_files/windows1252.h"

#include <algorithm>
#include <charconv>
#include <istream>

namespace rashi {
namespace {

constexpr NumberList kMonthNumbers{1, 12};
constexpr NumberList kZoneRows{0, kTimeZoneCount - 1};

const char* BooleanText(bool value) { return value ? "True" : "False"; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
           });
}

// "True"/"False" in any letter case, or a number: 0 is false, any other true.
std::optional<bool> ParseBoolean(std::string_view text) {
    text = std::string_view(text).substr(0, text.find_last_not_of(' ') + 1);
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (EqualsIgnoringCase(text, "true")) return true;
    if (EqualsIgnoringCase(text, "false")) return false;
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    const auto point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
    const auto allDigits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (!allDigits(whole) || !allDigits(fraction)) return std::nullopt;
    const auto nonZero = [](char c) { return c != '0'; };
    return std::any_of(whole.begin(), whole.end(), nonZero) || std::any_of(fraction.begin(), fraction.end(), nonZero);
}

bool IsCoordinateText(std::string_view text) {
    return text.size() <= 3 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Refuse(std::string* problem, std::string text) {
    if (problem) *problem = std::move(text);
    return false;
}

bool RefuseLine(std::string* problem, int line, std::string_view held, std::string_view expected) {
    return Refuse(problem, "Line " + std::to_string(line + 1) + " (" + std::string(kChartLineNames[line]) +
                               ") holds " + QuotedLine(held) + ", not " + std::string(expected) + ".");
}

// "key=" at the start of a tagged line: the key's length, or 0.
std::size_t TagKeyLength(std::string_view line) {
    constexpr std::size_t kLongestKey = 32;
    if (line.empty() || line[0] < 'a' || line[0] > 'z') return 0;
    for (std::size_t i = 1; i < line.size() && i <= kLongestKey; ++i) {
        const char c = line[i];
        if (c == '=') return i;
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_')) return 0;
    }
    return 0;
}

bool StoredPlainly(unsigned char byte) { return byte > 0x20 && byte < 0x7f && byte != '%'; }

std::string EscapeTaggedValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (StoredPlainly(byte)) {
            text += c;
        } else {
            text += '%';
            text += kHex[byte >> 4];
            text += kHex[byte & 15];
        }
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::optional<std::string> UnescapeTaggedValue(std::string_view text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            value += text[i];
            continue;
        }
        const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
        if (high < 0 || low < 0) return std::nullopt;
        value += static_cast<char>(high * 16 + low);
        i += 2;
    }
    if (!IsUtf8(value)) return std::nullopt;
    return value;
}

} // namespace

const std::array<std::string_view, kChartFileLines> kChartLineNames = {
    "name",           "month",           "day",          "year",  "hour",  "minute",
    "time zone",      "longitude degrees", "longitude minutes", "latitude degrees", "latitude minutes",
    "east",           "south",           "daylight saving", "city", "state", "country"};

ChartLines ChartLinesOf(const BirthRecord& b, int zoneRow) {
    // The date as given; its "calendar" line goes with the tagged lines.
    const CivilDate date = DateAsGiven(b);
    return {std::string(TrimSpaces(b.Name)),
            std::to_string(date.month),
            std::to_string(date.day),
            std::to_string(date.year),
            std::to_string(b.Hour),
            std::to_string(b.Minute),
            std::to_string(zoneRow),
            std::to_string(b.LonDegrees),
            std::to_string(b.LonMinutes),
            std::to_string(b.LatDegrees),
            std::to_string(b.LatMinutes),
            BooleanText(b.LonEast),
            BooleanText(b.LatSouth),
            BooleanText(b.DaylightSaving),
            std::string(TrimSpaces(b.City)),
            std::string(TrimSpaces(b.State)),
            std::string(TrimSpaces(b.Country))};
}

std::string FormatChartFile(const BirthRecord& birth, int zoneRow) {
    std::string bytes;
    for (const std::string& line : ChartLinesOf(birth, zoneRow)) {
        bytes += EncodeText(Utf8ToWindows1252(line));
        bytes += "\r\n";
    }
    // Names the code page cannot hold go whole on the names line.
    TaggedLines tagged = birth.Tagged;
    SetTagged(tagged, kNamesKey, NamesValue(birth));
    if (!birth.ZoneId.empty() || !tagged.empty()) bytes += EncodeText(birth.ZoneId) + "\r\n";
    for (const TaggedLine& line : tagged)
        bytes += EncodeText(line.key + "=" + EscapeTaggedValue(line.value)) + "\r\n";
    return bytes;
}

std::optional<std::string> FormatReadableChartFile(const BirthRecord& birth, int zoneRow, std::string* problem) {
    std::string bytes = FormatChartFile(birth, zoneRow);
    std::string why;
    const auto entries = ParseChartFile(bytes, &why);
    if (!entries) {
        Refuse(problem, "The chart would not be read back: " + why);
        return std::nullopt;
    }
    const std::pair<const std::string*, const std::string*> names[] = {{&entries->Name, &birth.Name},
                                                                       {&entries->City, &birth.City},
                                                                       {&entries->State, &birth.State},
                                                                       {&entries->Country, &birth.Country}};
    for (const auto& [read, written] : names)
        if (TrimSpaces(*read) != TrimSpaces(*written)) {
            Refuse(problem, "The chart would not be read back as it is: its names are longer than a chart holds.");
            return std::nullopt;
        }
    return bytes;
}

std::optional<Entries> EntriesFromChartLines(const ChartLines& l, std::string* problem, bool placeOnGlobe) {
    Entries e;
    e.Name = l[0];
    // Lines 1 to 6: a position in a list, the list and what its entries are.
    struct ListLine {
        int* position;
        const NumberList& list;
        const char* entry;
    };
    const ListLine lists[] = {
        {&e.MonthPosition, kMonthNumbers, "a month"}, {&e.DatePosition, kDayList, "a day"},
        {&e.YearPosition, kYearList, "a year"},       {&e.HourPosition, kHourList, "an hour"},
        {&e.MinutePosition, kMinuteList, "a minute"}, {&e.ZoneRow, kZoneRows, "a time-zone row"},
    };
    for (int line = 1; line <= 6; ++line) {
        const ListLine& field = lists[line - 1];
        *field.position = field.list.position(l[line]);
        if (!field.list.contains(*field.position)) {
            RefuseLine(problem, line, l[line],
                       std::string(field.entry) + " from " + std::to_string(field.list.first) + " to " +
                           std::to_string(field.list.last));
            return std::nullopt;
        }
    }

    for (int line = 7; line <= 10; ++line)
        if (!IsCoordinateText(l[line])) {
            RefuseLine(problem, line, l[line], "a number of up to three digits");
            return std::nullopt;
        }
    e.LonDeg = l[7];
    e.LonMin = l[8];
    e.LatDeg = l[9];
    e.LatMin = l[10];
    // A place off the globe is refused here, as the window would refuse it typed.
    if (placeOnGlobe && ValidateCoordinates(e)) {
        struct Limit {
            int line;
            const char* expected;
        };
        const Limit limits[] = {{7, "a longitude from 0 to 180 degrees"}, {8, "minutes from 0 to 59"},
                                {9, "a latitude from 0 to 90 degrees"},   {10, "minutes from 0 to 59"}};
        const Field target = ValidateCoordinates(e)->target;
        const int line = target == Field::LonDeg ? 0 : target == Field::LonMin ? 1 : target == Field::LatDeg ? 2 : 3;
        RefuseLine(problem, limits[line].line, l[limits[line].line], limits[line].expected);
        return std::nullopt;
    }

    std::optional<bool> flags[3];
    for (int line = 11; line <= 13; ++line) {
        flags[line - 11] = ParseBoolean(l[line]);
        if (!flags[line - 11]) {
            RefuseLine(problem, line, l[line], "True or False");
            return std::nullopt;
        }
    }
    e.East = *flags[0];
    e.West = !*flags[0];
    e.South = *flags[1];
    e.North = !*flags[1];
    e.DaylightSaving = *flags[2];

    e.City = l[14];
    e.State = l[15];
    e.Country = l[16];
    return e;
}

std::optional<ChartLines> SplitChartFile(std::string_view bytes, std::string* problem, std::string* eighteenth,
                                         TaggedLines* tagged) {
    ChartLines lines;
    std::size_t pos = 0;
    // The line from `pos`, decoded, or nothing when it is longer than a box holds.
    const auto takeLine = [&](int number, std::string_view name) -> std::optional<std::string> {
        const std::size_t end = std::min(bytes.find('\r', pos), bytes.size());
        if (end - pos > kMaxChartLineBytes) {
            Refuse(problem, "Line " + std::to_string(number) + " (" + std::string(name) +
                                ") is longer than any box can hold.");
            return std::nullopt;
        }
        std::string line = Windows1252ToUtf8(DecodeText(bytes.substr(pos, end - pos)));
        pos = end + 1;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        return line;
    };
    for (int i = 0; i < kChartFileLines; ++i) {
        if (pos >= bytes.size()) {
            Refuse(problem, "The file ends after " + std::to_string(i) + " of its 17 lines.");
            return std::nullopt;
        }
        auto line = takeLine(i + 1, kChartLineNames[i]);
        if (!line) return std::nullopt;
        lines[i] = std::move(*line);
    }
    if (eighteenth) {
        eighteenth->clear();
        if (pos < bytes.size()) {
            const auto line = takeLine(kChartFileLines + 1, kZoneIdLineName);
            if (!line) return std::nullopt;
            *eighteenth = TrimSpaces(*line);
        }
    }
    if (!tagged) return lines;
    tagged->clear();
    if (!eighteenth) {
        // The 18th line is passed over to reach the tagged ones.
        std::string zoneId;
        return SplitChartFile(bytes, problem, &zoneId, tagged);
    }
    // Only tagged lines count against the most a chart has: blank lines and
    // lines of another shape between them are passed over.
    int taggedLines = 0;
    for (int number = kChartFileLines + 2; taggedLines < kMaxTaggedLines && pos < bytes.size(); ++number) {
        const std::size_t end = std::min(bytes.find('\r', pos), bytes.size());
        // A line longer than a tagged line can be is none, nor is anything after it.
        if (end - pos > kMaxTaggedLineBytes) break;
        const std::string line = DecodeText(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
        const std::size_t keyLength = TagKeyLength(line);
        if (keyLength == 0) continue;
        ++taggedLines;
        std::string key = line.substr(0, keyLength);
        const auto value = UnescapeTaggedValue(std::string_view(line).substr(keyLength + 1));
        if (!value) {
            Refuse(problem, "Line " + std::to_string(number) + " (" + key + ") holds " +
                                QuotedLine(Windows1252ToUtf8(line)) + ", not text in UTF-8.");
            return std::nullopt;
        }
        if (key == kAyanamsaTag && !ParseAyanamsa(*value)) {
            Refuse(problem, "Line " + std::to_string(number) + " (" + key + ") holds " + QuotedLine(*value) +
                                ", not an ayanamsa this program knows.");
            return std::nullopt;
        }
        const bool badChoice = (key == kCalendarTag && !ParseCalendar(*value)) || (key == kNodesTag && !ParseNodes(*value));
        if (badChoice) {
            Refuse(problem, "Line " + std::to_string(number) + " (" + key + ") holds " + QuotedLine(*value) + ", not one of " +
                                std::string(key == kCalendarTag ? kCalendarChoices : kNodesChoices) + ".");
            return std::nullopt;
        }
        if (FindTagged(*tagged, key)) {
            Refuse(problem, "Line " + std::to_string(number) + " (" + key + ") names " + key + " a second time.");
            return std::nullopt;
        }
        tagged->push_back({std::move(key), *value});
    }
    return lines;
}

namespace {

// The tagged "offset" (seconds east, within 15 hours) and "second" (0 to 59)
// into the entries' fields; false, with the problem, for other values.
bool TakeOwnOffsetAndSecond(Entries& e, std::string* problem) {
    const auto whole = [](const std::string& text, int least, int most) -> std::optional<int> {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < least || value > most)
            return std::nullopt;
        return value;
    };
    const struct {
        std::string_view key;
        int least, most;
        const char* what;
    } tags[] = {{kOffsetTag, -15 * 3600, 15 * 3600, "an offset in seconds of at most 15 hours"},
                {kSecondTag, 0, 59, "a second from 0 to 59"}};
    for (const auto& tag : tags) {
        const auto text = FindTagged(e.Tagged, tag.key);
        if (!text) continue;
        const auto value = whole(*text, tag.least, tag.most);
        if (!value) {
            Refuse(problem, "The line \"" + std::string(tag.key) + "\" holds " + QuotedLine(*text) + ", not " + tag.what + ".");
            return false;
        }
        if (tag.key == kOffsetTag) e.ZoneOffsetSeconds = *value;
        else e.Second = *value;
        SetTagged(e.Tagged, tag.key, std::string());
    }
    return true;
}

} // namespace

std::optional<Entries> ParseChartFile(std::string_view bytes, std::string* problem) {
    std::string zoneId;
    TaggedLines tagged;
    const auto lines = SplitChartFile(bytes, problem, &zoneId, &tagged);
    if (!lines) return std::nullopt;
    auto entries = EntriesFromChartLines(*lines, problem);
    if (!entries) return entries;
    entries->Tagged = std::move(tagged);
    if (!TakeOwnOffsetAndSecond(*entries, problem)) return std::nullopt;
    // The names go into the entries, as the offset and second do; saving
    // writes the line again when the code page still cannot hold them.
    if (const auto names = FindTagged(entries->Tagged, kNamesKey)) {
        if (!ApplyNamesValue(*names, *entries, problem)) return std::nullopt;
        SetTagged(entries->Tagged, kNamesKey, std::string());
    }
    if (zoneId.empty()) return entries;
    if (!IsKnownZoneId(zoneId)) {
        Refuse(problem, "Line 18 (" + std::string(kZoneIdLineName) + ") holds " + QuotedLine(zoneId) +
                            (IsZoneOfNoPlace(zoneId) ? ", not the time zone of a place."
                                                                            : ", not a time zone the system knows."));
        return std::nullopt;
    }
    entries->ZoneId = zoneId;
    return entries;
}

std::optional<Entries> ReadChartFile(std::istream& in, std::string* problem) {
    // Read until the end of the last tagged line a chart may have, never
    // past the most its lines can hold.
    // Lines of another shape after the 18th do not count, as SplitChartFile
    // passes them over.
    std::string bytes;
    char chunk[4096];
    std::size_t lineStart = 0; // of the first line not yet ended
    int lineEnds = 0, taggedLines = 0;
    const auto complete = [&] { return lineEnds > kChartFileLines && taggedLines >= kMaxTaggedLines; };
    while (!complete() && bytes.size() <= kMaxChartFileBytes && in) {
        in.read(chunk, sizeof chunk);
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        for (std::size_t end; !complete() && (end = bytes.find('\r', lineStart)) != std::string::npos;) {
            std::string_view line = std::string_view(bytes).substr(lineStart, end - lineStart);
            if (line.starts_with('\n')) line.remove_prefix(1); // the end of the line before
            if (lineEnds > kChartFileLines && TagKeyLength(DecodeText(line.substr(0, 64))) > 0) ++taggedLines;
            ++lineEnds;
            lineStart = end + 1;
        }
    }
    if (bytes.size() > kMaxChartFileBytes && lineEnds < kChartFileLines) {
        Refuse(problem, "The file is larger than a chart can be.");
        return std::nullopt;
    }
    if (in.bad()) {
        Refuse(problem, "The file could not be read to its end.");
        return std::nullopt;
    }
    return ParseChartFile(bytes, problem);
}

bool HasChartExtension(std::string_view fileName) {
    return fileName.size() >= kChartExtension.size() && fileName.ends_with(kChartExtension);
}

} // namespace rashi
