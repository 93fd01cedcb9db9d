#include "core/chart/chart_file.h"

#include "core/zones/time_zones.h"
#include "core/chart/entry_lists.h"
#include "core/chart/stored_text.h"
#include "core/chart/trim.h"
#include "core/chart/windows1252.h"

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

} // namespace

ChartLines ChartLinesOf(const BirthRecord& b, int zoneRow) {
    return {std::string(TrimSpaces(b.Name)),
            std::to_string(b.Month),
            std::to_string(b.Day),
            std::to_string(b.Year),
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
    return bytes;
}

std::optional<Entries> EntriesFromChartLines(const ChartLines& l) {
    Entries e;
    e.Name = l[0];
    e.MonthPosition = kMonthNumbers.position(l[1]);
    e.DatePosition = kDayList.position(l[2]);
    e.YearPosition = kYearList.position(l[3]);
    e.HourPosition = kHourList.position(l[4]);
    e.MinutePosition = kMinuteList.position(l[5]);
    e.ZoneRow = kZoneRows.position(l[6]);
    if (e.MonthPosition < 0 || e.DatePosition < 0 || e.YearPosition < 0 || e.HourPosition < 0 ||
        e.MinutePosition < 0 || e.ZoneRow < 0)
        return std::nullopt;

    for (int line = 7; line <= 10; ++line)
        if (!IsCoordinateText(l[line])) return std::nullopt;
    e.LonDeg = l[7];
    e.LonMin = l[8];
    e.LatDeg = l[9];
    e.LatMin = l[10];

    const auto east = ParseBoolean(l[11]);
    const auto south = ParseBoolean(l[12]);
    const auto daylight = ParseBoolean(l[13]);
    if (!east || !south || !daylight) return std::nullopt;
    e.East = *east;
    e.West = !*east;
    e.South = *south;
    e.North = !*south;
    e.DaylightSaving = *daylight;

    e.City = l[14];
    e.State = l[15];
    e.Country = l[16];
    return e;
}

std::optional<ChartLines> SplitChartFile(std::string_view bytes) {
    ChartLines lines;
    std::size_t pos = 0;
    for (int i = 0; i < kChartFileLines; ++i) {
        if (pos >= bytes.size()) return std::nullopt; // fewer than 17 lines
        const std::size_t end = std::min(bytes.find('\r', pos), bytes.size());
        if (end - pos > kMaxChartLineBytes) return std::nullopt;
        lines[i] = Windows1252ToUtf8(DecodeText(bytes.substr(pos, end - pos)));
        pos = end + 1;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return lines;
}

std::optional<Entries> ParseChartFile(std::string_view bytes) {
    const auto lines = SplitChartFile(bytes);
    if (!lines) return std::nullopt;
    return EntriesFromChartLines(*lines);
}

std::optional<Entries> ReadChartFile(std::istream& in) {
    // Read until the 17th line end, never past the most 17 lines can hold.
    std::string bytes;
    char chunk[4096];
    int lineEnds = 0;
    while (lineEnds < kChartFileLines && bytes.size() <= kMaxChartFileBytes && in) {
        in.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in.gcount());
        for (std::size_t i = 0; i < got && lineEnds < kChartFileLines; ++i)
            if (chunk[i] == '\r') ++lineEnds;
        bytes.append(chunk, got);
    }
    if (bytes.size() > kMaxChartFileBytes && lineEnds < kChartFileLines) return std::nullopt;
    return ParseChartFile(bytes);
}

bool HasChartExtension(std::string_view fileName) {
    return fileName.size() >= kChartExtension.size() && fileName.ends_with(kChartExtension);
}

} // namespace rashi
