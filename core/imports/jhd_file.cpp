#include "core/imports/jhd_file.h"

#include "core/chart_files/visible_text.h"
#include "core/imports/import_numbers.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace rashi {
namespace {

constexpr std::array<std::string_view, kJhdFileLines> kLineNames = {
    "month",    "day",       "year",         "clock time", "time zone",     "longitude",
    "latitude", "altitude",  "time zone in hours", "time zone in hours", "line 11", "country index",
    "city",     "country",   "setting",      "pressure",   "temperature",   "setting"};

// The offsets of the world's clocks lie within these.
constexpr std::int64_t kMostZoneSeconds = 15 * 3600;

std::string Held(int line, std::string_view text) { return LineHolds(line, kLineNames[line - 1], text); }

// "H.MMSS…" of a whole number of seconds, with the fraction written out to
// fifteen digits as those programs do.
std::string Sexagesimal(std::int64_t seconds) {
    const std::int64_t a = std::abs(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld.%02lld%02lld00000000000", seconds < 0 ? "-" : "",
                  static_cast<long long>(a / 3600), static_cast<long long>(a / 60 % 60), static_cast<long long>(a % 60));
    return text;
}

// "H.MM0000" of a zone, to the minute.
std::string HoursMinutes(std::int64_t seconds) {
    const std::int64_t a = (std::abs(seconds) + 30) / 60;
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld.%02lld0000", seconds < 0 ? "-" : "", static_cast<long long>(a / 60),
                  static_cast<long long>(a % 60));
    return text;
}

// Decimal hours to six places, from whole seconds without floating point.
std::string DecimalHours(std::int64_t seconds) {
    const std::int64_t a = std::abs(seconds);
    const std::int64_t millionths = (a % 3600 * 1000000 * 2 + 3600) / (3600 * 2);
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld.%06lld", seconds < 0 ? "-" : "", static_cast<long long>(a / 3600 + millionths / 1000000),
                  static_cast<long long>(millionths % 1000000));
    return text;
}

} // namespace

std::optional<ImportedBirth> ParseJhdBirth(std::string_view bytes, std::string_view name, std::string* problem) {
    const auto refuse = [&](std::string text) -> std::optional<ImportedBirth> {
        if (problem) *problem = std::move(text);
        return std::nullopt;
    };
    std::string encoding;
    const auto decoded = ImportTextLines(bytes, kJhdFileLines, &encoding);
    if (!decoded) return refuse(encoding);
    const std::vector<std::string>& lines = *decoded;
    if (lines.size() < static_cast<std::size_t>(kJhdFileLines))
        return refuse("Line " + std::to_string(lines.size() + 1) + " is missing: the file ends after " +
                      std::to_string(lines.size()) + " of its " + std::to_string(kJhdFileLines) + " lines.");
    const auto line = [&](int number) -> const std::string& { return lines[static_cast<std::size_t>(number - 1)]; };

    ImportedBirth b;
    b.Name = FileNameText(name);
    struct Whole {
        int number;
        int* field;
        int first, last;
        const char* what;
    };
    const Whole wholes[] = {{1, &b.Month, 1, 12, "a month from 1 to 12"},
                            {2, &b.Day, 1, 31, "a day from 1 to 31"},
                            {3, &b.Year, 1600, 2400, "a year from 1600 to 2400"}};
    for (const Whole& w : wholes) {
        const auto value = ParseWholeNumber(line(w.number));
        if (!value || *value < w.first || *value > w.last) return refuse(Held(w.number, line(w.number)) + ", not " + w.what + ".");
        *w.field = *value;
    }

    struct Angle {
        int number;
        std::int64_t* field;
        std::int64_t most;
        bool sign; // true: east negative, turned round
        const char* what;
    };
    std::int64_t zone = 0;
    const Angle angles[] = {{4, &b.ClockSeconds, 24 * 3600, false, "a clock time H.MMSS from 0 to 24"},
                            {5, &zone, kMostZoneSeconds, true, "a time zone H.MM of at most 15 hours"},
                            {6, &b.LongitudeSeconds, 180 * 3600, true, "a longitude D.MMSS of at most 180 degrees"},
                            {7, &b.LatitudeSeconds, 90 * 3600, false, "a latitude D.MMSS of at most 90 degrees"}};
    for (const Angle& a : angles) {
        const auto value = ParseSexagesimalSeconds(line(a.number));
        if (!value || std::abs(*value) > a.most || (a.number == 4 && *value < 0))
            return refuse(Held(a.number, line(a.number)) + ", not " + a.what + ".");
        *a.field = a.sign ? -*value : *value;
    }
    for (const int number : {8, 11, 12, 15, 16, 17, 18})
        if (!IsDecimalNumber(line(number))) return refuse(Held(number, line(number)) + ", not a number.");
    // Lines 9 and 10 give the zone again in decimal hours, which keeps the
    // seconds of an offset that line 5 writes to the minute (Calcutta Time,
    // 5.888889 hours, is 5:53:20); both must be line 5's zone.
    std::int64_t offset = zone;
    for (const int number : {9, 10}) {
        const auto hours = ParseDecimalSeconds(line(number));
        if (!hours) return refuse(Held(number, line(number)) + ", not a number.");
        if (std::abs(-*hours - zone) >= 60)
            return refuse(Held(number, line(number)) + ", not the zone of line 5 (" + QuotedLine(line(5)) + ").");
        if (number == 9 && zone % 60 == 0) offset = -*hours;
    }

    b.OffsetSeconds = offset;
    b.City = line(13);
    b.Country = line(14);
    b.Source = {"The file's name " + QuotedLine(name),
                "Lines 1 to 3 (month, day, year) hold " + QuotedLine(line(1) + "/" + line(2) + "/" + line(3)),
                Held(4, line(4)), Held(5, line(5)), Held(13, line(13))};
    return b;
}

std::optional<Entries> ParseJhdFile(std::string_view bytes, std::string_view name, std::string* problem,
                                    const StateFinder& findState) {
    const auto birth = ParseJhdBirth(bytes, name, problem);
    if (!birth) return std::nullopt;
    return EntriesFromImport(*birth, problem, findState);
}

std::string FormatJhdFile(const ImportedBirth& b) {
    const std::string zone = DecimalHours(-b.OffsetSeconds);
    const std::string lines[kJhdFileLines] = {std::to_string(b.Month),
                                              std::to_string(b.Day),
                                              std::to_string(b.Year),
                                              Sexagesimal(b.ClockSeconds),
                                              HoursMinutes(-b.OffsetSeconds),
                                              Sexagesimal(-b.LongitudeSeconds),
                                              Sexagesimal(b.LatitudeSeconds),
                                              "0.000000",
                                              zone,
                                              zone,
                                              "0",
                                              "0",
                                              b.City,
                                              b.Country,
                                              "1",
                                              "1013.250000",
                                              "20.000000",
                                              "1"};
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

} // namespace rashi
