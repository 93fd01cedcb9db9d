#include "core/imports/imported_birth.h"

#include "core/time_scales/civil_calendar.h"
#include "core/entries/entry_lists.h"
#include "core/entries/key_filters.h"
#include "core/chart_files/visible_text.h"
#include "core/chart_files/windows1252.h"
#include "core/zones/time_zones.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstdlib>


namespace rashi {
namespace {

// The code points of valid UTF-8, or nothing.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view bytes) {
    std::vector<char32_t> codes;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > bytes.size()) return std::nullopt;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
        codes.push_back(code);
        i += static_cast<std::size_t>(length);
    }
    return codes;
}

// UTF-16 after its byte-order mark, as UTF-8. When a surrogate is not
// paired, or a unit is cut off, `broken` is set and the text stops there.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian, bool& broken) {
    broken = false;
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
    };
    std::string text;
    std::size_t i = 0;
    for (; i + 2 <= bytes.size(); i += 2) {
        char32_t code = unit(i);
        if (code >= 0xDC00 && code <= 0xDFFF) break;
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (i + 4 > bytes.size()) break;
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) break;
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(text, code);
    }
    broken = i != bytes.size();
    return text;
}

// The number of the line on which text that ends here goes on.
std::size_t LineAtEnd(std::string_view text) {
    const std::size_t ended = ImportLines(text).size();
    return text.empty() || text.back() == '\n' || text.back() == '\r' ? ended + 1 : ended;
}

bool Ascii(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

void AppendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | code >> 6);
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | code >> 12);
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | code >> 18);
        text += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::optional<std::vector<std::string>> ImportTextLines(std::string_view bytes, std::size_t usedLines,
                                                        std::string* problem) {
    const auto refuse = [&](std::string text) -> std::optional<std::vector<std::string>> {
        if (problem) *problem = std::move(text);
        return std::nullopt;
    };
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        bool broken = false;
        const std::string text = DecodeUtf16(bytes.substr(2), bytes.front() == '\xFE', broken);
        if (broken)
            return refuse("Line " + std::to_string(LineAtEnd(text)) + " holds UTF-16 that breaks off inside a character.");
        return ImportLines(text);
    }
    const bool marked = bytes.starts_with("\xEF\xBB\xBF");
    if (marked) bytes.remove_prefix(3); // a byte-order mark is no part of line 1
    std::vector<std::string> lines = ImportLines(bytes);
    // The lines used decide: all of them UTF-8 (or ASCII), or all of them
    // Windows-1252. A line of each is a file of two encodings, whose names
    // could be read either way: refused.
    std::optional<std::size_t> foreign, utf8;
    for (std::size_t i = 0; i < std::min(usedLines, lines.size()); ++i) {
        if (!DecodeUtf8(lines[i])) {
            if (!foreign) foreign = i;
        } else if (!Ascii(lines[i]) && !utf8) {
            utf8 = i;
        }
    }
    if (foreign && (utf8 || marked))
        return refuse("Line " + std::to_string(*foreign + 1) + " holds " + QuotedLine(lines[*foreign]) + ", not UTF-8 as " +
                      (utf8 ? "line " + std::to_string(*utf8 + 1) + " is" : std::string("the file's byte-order mark says")) +
                      ": a file of two encodings is refused.");
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (foreign || !DecodeUtf8(lines[i])) lines[i] = Windows1252ToUtf8(lines[i]);
    return lines;
}

std::vector<std::string> ImportLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos >= text.size()) break;
        // LF, CR LF, and CR CR LF (a CR LF file that went through a text-mode
        // writer once more) end one line; a CR alone ends one line too.
        const std::size_t crs = std::min(text.find_first_not_of('\r', pos), text.size()) - pos;
        if (crs <= 2 && pos + crs < text.size() && text[pos + crs] == '\n') pos += crs + 1;
        else pos += 1;
    }
    return lines;
}

std::string LettersForBox(std::string_view utf8) {
    std::string out;
    std::vector<char32_t> codes;
    if (auto decoded = DecodeUtf8(utf8)) codes = std::move(*decoded);
    // The marks of a name stay where they stand beside a letter, one at a
    // time (O'Brien, Jean-Paul, St. John): what the letter boxes take.
    bool space = false, afterLetter = false, afterMark = false;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const char32_t code = codes[i];
        const bool letter = IsLetterOfAnyScript(code);
        const bool beforeLetter = i + 1 < codes.size() && IsLetterOfAnyScript(codes[i + 1]);
        const bool mark = IsNameMark(code) && !(afterMark && !space) &&
                          ((afterLetter && !space) || beforeLetter);
        if (!letter && !mark) {
            space = true;
            continue;
        }
        if (space && !out.empty()) out += ' ';
        AppendUtf8(out, code);
        space = false;
        afterLetter = letter;
        afterMark = mark;
    }
    return out;
}

std::string LineHolds(int line, std::string_view name, std::string_view text) {
    return "Line " + std::to_string(line) + " (" + std::string(name) + ") holds " + QuotedLine(text);
}

std::string BaseName(std::string_view path) {
    std::string_view base = path.substr(path.find_last_of('/') + 1);
    const auto dot = base.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) base = base.substr(0, dot);
    return std::string(base);
}

std::string FileNameText(std::string_view name) {
    return DecodeUtf8(name) ? std::string(name) : Windows1252ToUtf8(name);
}

std::string UtcOffsetText(std::int64_t seconds) {
    const std::int64_t a = std::llabs(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "UTC%c%02lld:%02lld", seconds < 0 ? '-' : '+', static_cast<long long>(a / 3600),
                  static_cast<long long>(a / 60 % 60));
    std::string out = text;
    if (a % 60) {
        std::snprintf(text, sizeof text, ":%02lld", static_cast<long long>(a % 60));
        out += text;
    }
    return out;
}

namespace {

// A row's offset east: minus what it adds to the clock.
int RowOffsetSeconds(int row) {
    const ReferenceTables& zones = TimeZones();
    return -(zones.TimeZoneHours[row] * 3600 + zones.TimeZoneMinutes[row] * 60);
}

// Standard-time rows first, as the atlas's places take.
bool StandardRow(int row) {
    const std::string_view name = TimeZones().TimeZoneList[row];
    return name.find("Daylight") == name.npos && name.find("Summer") == name.npos && name.find("War") == name.npos;
}

// The row that gives the offset, with the box ticked or not.
std::optional<int> RowGiving(std::int64_t offsetSeconds, bool box) {
    for (const bool standardOnly : {true, false})
        for (int row = 0; row < kTimeZoneCount; ++row)
            if ((!standardOnly || StandardRow(row)) && RowOffsetSeconds(row) + (box ? 3600 : 0) == offsetSeconds)
                return row;
    return std::nullopt;
}

// The standard row nearest to an offset, the first of the nearest.
int NearestStandardRow(std::int64_t offsetSeconds) {
    int best = 0;
    for (int row = 0; row < kTimeZoneCount; ++row)
        if (StandardRow(row) && std::llabs(RowOffsetSeconds(row) - offsetSeconds) <
                                    std::llabs(RowOffsetSeconds(best) - offsetSeconds))
            best = row;
    return best;
}

} // namespace

std::optional<Entries> EntriesFromImport(const ImportedBirth& b, std::string* problem, const StateFinder& findState) {
    const auto refuse = [&](const std::string& source, std::string_view why) -> std::optional<Entries> {
        if (problem) *problem = source + ", " + std::string(why);
        return std::nullopt;
    };
    Entries e;
    e.Name = LettersForBox(b.Name);
    if (e.Name.empty()) return refuse(b.Source.name, "no letters of a name.");
    e.City = LettersForBox(b.City);
    if (e.City.empty()) return refuse(b.Source.place, "no letters of a city's name.");
    e.Country = LettersForBox(b.Country);
    e.State = LettersForBox(b.State);
    if (e.State.empty() && !e.Country.empty() && findState) e.State = LettersForBox(findState(b));
    // A place without a state takes its country's name, as atlas places do;
    // one without a country its city's.
    if (e.Country.empty()) e.Country = e.State.empty() ? e.City : e.State;
    if (e.State.empty()) e.State = e.Country;
    // The boxes' limit, so that a chart saved from the import is read back.
    const std::pair<const std::string*, const std::string*> letterBoxes[] = {
        {&e.Name, &b.Source.name}, {&e.City, &b.Source.place}, {&e.State, &b.Source.place}, {&e.Country, &b.Source.place}};
    for (const auto& [text, source] : letterBoxes)
        if (BoxLength(*text) > kLetterBoxLength)
            return refuse(*source, "longer than a box holds (" + std::to_string(kLetterBoxLength) + " characters).");

    if (!kYearList.contains(kYearList.positionOf(b.Year)) || b.Month < 1 || b.Month > 12)
        return refuse(b.Source.date, "not a date from 1600 to 2400.");
    if (b.Day < 1 || b.Day > DaysInMonth(b.Year, b.Month, Calendar::Gregorian))
        return refuse(b.Source.date, "a day that month does not have.");
    e.YearPosition = kYearList.positionOf(b.Year);
    e.MonthPosition = b.Month - 1;
    e.DatePosition = b.Day - 1;

    // The boxes hold hours and minutes; the seconds go with the entries.
    if (b.ClockSeconds < 0 || b.ClockSeconds > 24 * 3600) return refuse(b.Source.clock, "not a clock time of the day.");
    e.HourPosition = static_cast<int>(b.ClockSeconds / 3600);
    e.MinutePosition = static_cast<int>(b.ClockSeconds / 60 % 60);
    e.Second = static_cast<int>(b.ClockSeconds % 60);

    const auto boxes = [](std::int64_t arcSeconds, std::string& degrees, std::string& minutes) {
        const std::int64_t total = (std::llabs(arcSeconds) + 30) / 60;
        degrees = std::to_string(total / 60);
        minutes = std::to_string(total % 60);
    };
    boxes(b.LatitudeSeconds, e.LatDeg, e.LatMin);
    boxes(b.LongitudeSeconds, e.LonDeg, e.LonMin);
    e.South = b.LatitudeSeconds < 0;
    e.North = !e.South;
    e.West = b.LongitudeSeconds < 0;
    e.East = !e.West;

    // The box as the file has it; then the other way (UTC+14 is the row of
    // UTC+13 with daylight saving): the same Universal Time.
    for (const bool box : {b.DaylightSaving, !b.DaylightSaving})
        if (const auto row = RowGiving(b.OffsetSeconds, box)) {
            e.ZoneRow = *row;
            e.DaylightSaving = box;
            return e;
        }
    // No row gives it (Nepal's +5:45, a city's or a birthplace's own time):
    // the offset itself, and the nearest row for the boxes.
    e.ZoneOffsetSeconds = static_cast<int>(b.OffsetSeconds);
    e.DaylightSaving = b.DaylightSaving;
    e.ZoneRow = NearestStandardRow(b.OffsetSeconds - (b.DaylightSaving ? 3600 : 0));
    return e;
}

std::optional<std::string> ImportedZoneNote(const Entries& e) {
    if (!e.ZoneId.empty() || !e.ZoneOffsetSeconds || e.ZoneRow < 0 || e.ZoneRow >= kTimeZoneCount)
        return std::nullopt;
    return "The chart file's offset, " + UtcOffsetText(*e.ZoneOffsetSeconds) +
           ", is used exactly: no zone of the list gives it (the list shows the nearest, " +
           std::string(TimeZones().TimeZoneList[e.ZoneRow]) + (e.DaylightSaving ? ", with daylight saving)." : ").");
}

} // namespace rashi
