#include "core/imports/imported_birth.h"

#include "core/entries/entry_lists.h"
#include "core/entries/key_filters.h"
#include "core/chart_files/visible_text.h"
#include "core/chart_files/windows1252.h"
#include "core/zones/time_zones.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <unicode/utf8.h>

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


} // namespace

std::vector<std::string> ImportLines(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3); // a byte-order mark is no part of line 1
    const std::string text = DecodeUtf8(bytes) ? std::string(bytes) : Windows1252ToUtf8(bytes);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') {
            ++pos;
            if (pos < text.size() && text[pos] == '\n') ++pos;
        } else if (pos < text.size()) {
            ++pos;
        }
    }
    return lines;
}

std::string LettersForBox(std::string_view utf8) {
    std::string out;
    std::vector<char32_t> codes;
    if (auto decoded = DecodeUtf8(utf8)) codes = std::move(*decoded);
    bool space = false;
    for (const char32_t code : codes) {
        if (code == ' ' || !IsLetterOfAnyScript(code)) {
            space = true;
            continue;
        }
        if (space && !out.empty()) out += ' ';
        char bytes[4];
        std::int32_t length = 0;
        U8_APPEND_UNSAFE(bytes, length, static_cast<UChar32>(code));
        out.append(bytes, static_cast<std::size_t>(length));
        space = false;
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

std::optional<Entries> EntriesFromImport(const ImportedBirth& b, std::string* problem) {
    const auto refuse = [&](std::string text) -> std::optional<Entries> {
        if (problem) *problem = std::move(text);
        return std::nullopt;
    };
    Entries e;
    e.Name = LettersForBox(b.Name);
    e.City = LettersForBox(b.City);
    e.Country = LettersForBox(b.Country);
    e.State = LettersForBox(b.State);
    // A place without a state takes its country's name, as atlas places do.
    if (e.State.empty()) e.State = e.Country;
    if (e.Country.empty()) e.Country = e.State;

    if (!kYearList.contains(b.Year - kYearList.first))
        return refuse("The year " + std::to_string(b.Year) + " is not one from 1901 to 2050.");
    e.YearPosition = b.Year - kYearList.first;
    e.MonthPosition = b.Month - 1;
    e.DatePosition = b.Day - 1;

    // The boxes hold whole minutes: the nearest one.
    const std::int64_t clockMinutes = (b.ClockSeconds + 30) / 60;
    if (b.ClockSeconds < 0 || clockMinutes > 24 * 60) return refuse("The clock time is not one of the day.");
    e.HourPosition = static_cast<int>(clockMinutes / 60);
    e.MinutePosition = static_cast<int>(clockMinutes % 60);

    const auto boxes = [](std::int64_t arcSeconds, std::string& degrees, std::string& minutes) {
        const std::int64_t total = (std::abs(arcSeconds) + 30) / 60;
        degrees = std::to_string(total / 60);
        minutes = std::to_string(total % 60);
    };
    boxes(b.LatitudeSeconds, e.LatDeg, e.LatMin);
    boxes(b.LongitudeSeconds, e.LonDeg, e.LonMin);
    e.South = b.LatitudeSeconds < 0;
    e.North = !e.South;
    e.West = b.LongitudeSeconds < 0;
    e.East = !e.West;

    // A row's offset east is minus what it adds to the clock; the box adds an hour.
    const ReferenceTables& zones = TimeZones();
    const auto rowOffset = [&](int row) { return -(zones.TimeZoneHours[row] * 3600 + zones.TimeZoneMinutes[row] * 60); };
    // A standard-time row first, as the atlas's places take.
    const auto standard = [&](int row) {
        const std::string_view name = zones.TimeZoneList[row];
        return name.find("Daylight") == name.npos && name.find("Summer") == name.npos && name.find("War") == name.npos;
    };
    const auto rowWith = [&](bool box) -> std::optional<int> {
        for (const bool standardOnly : {true, false})
            for (int row = 0; row < kTimeZoneCount; ++row)
                if ((!standardOnly || standard(row)) && rowOffset(row) + (box ? 3600 : 0) == b.OffsetSeconds)
                    return row;
        return std::nullopt;
    };
    // The box as the file has it; then the other way (UTC+14 is the row of
    // UTC+13 with daylight saving): the same Universal Time.
    if (const auto row = rowWith(b.DaylightSaving)) {
        e.ZoneRow = *row;
        e.DaylightSaving = b.DaylightSaving;
        return e;
    }
    if (const auto row = rowWith(!b.DaylightSaving)) {
        e.ZoneRow = *row;
        e.DaylightSaving = !b.DaylightSaving;
        return e;
    }
    return refuse(b.ZoneSource + ", an offset that no time zone of the list gives.");
}

} // namespace rashi
