#include "core/imports/mtx_file.h"

#include "core/chart_files/visible_text.h"
#include "core/imports/import_numbers.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace rashi {
namespace {

constexpr std::array<std::string_view, kMtxFileLines> kLineNames = {
    "header", "name", "day", "month", "year", "clock time", "time zone", "daylight saving", "place", "longitude",
    "latitude"};

std::string Held(int line, std::string_view text) { return LineHolds(line, kLineNames[line - 1], text); }

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// Whole seconds as decimal hours (or degrees) to six places, without floating point.
std::string Decimal(std::int64_t seconds) {
    const std::int64_t a = std::abs(seconds);
    const std::int64_t millionths = (a % 3600 * 1000000 * 2 + 3600) / (3600 * 2);
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld.%06lld", seconds < 0 ? "-" : "",
                  static_cast<long long>(a / 3600 + millionths / 1000000), static_cast<long long>(millionths % 1000000));
    return text;
}

} // namespace

std::optional<ImportedBirth> ParseMtxBirth(std::string_view bytes, std::string_view fileName, std::string* problem) {
    const auto refuse = [&](std::string text) -> std::optional<ImportedBirth> {
        if (problem) *problem = std::move(text);
        return std::nullopt;
    };
    std::string encoding;
    const auto decoded = ImportTextLines(bytes, kMtxFileLines, &encoding);
    if (!decoded) return refuse(encoding);
    const std::vector<std::string>& lines = *decoded;
    if (lines.size() < static_cast<std::size_t>(kMtxFileLines))
        return refuse("Line " + std::to_string(lines.size() + 1) + " is missing: the file ends after " +
                      std::to_string(lines.size()) + " of its " + std::to_string(kMtxFileLines) + " lines.");
    const auto line = [&](int number) -> const std::string& { return lines[static_cast<std::size_t>(number - 1)]; };
    if (line(1).empty() || line(1).front() != '#') return refuse(Held(1, line(1)) + ", not a header beginning with #.");

    ImportedBirth b;
    b.Name = Trimmed(line(2)).empty() ? FileNameText(fileName) : Trimmed(line(2));
    struct Whole {
        int number;
        int* field;
        int first, last;
        const char* what;
    };
    const Whole wholes[] = {{3, &b.Day, 1, 31, "a day from 1 to 31"},
                            {4, &b.Month, 1, 12, "a month from 1 to 12"},
                            {5, &b.Year, 1600, 2400, "a year from 1600 to 2400"}};
    for (const Whole& w : wholes) {
        const auto value = ParseWholeNumber(line(w.number));
        if (!value || *value < w.first || *value > w.last)
            return refuse(Held(w.number, line(w.number)) + ", not " + w.what + ".");
        *w.field = *value;
    }
    struct Decimals {
        int number;
        std::int64_t* field;
        std::int64_t least, most;
        const char* what;
    };
    std::int64_t zone = 0;
    std::int64_t daylight = 0;
    const Decimals decimals[] = {
        {6, &b.ClockSeconds, 0, 24 * 3600, "a clock time in hours from 0 to 24"},
        {7, &zone, -15 * 3600, 15 * 3600, "a time zone in hours of at most 15"},
        {8, &daylight, 0, 2 * 3600, "daylight saving of 0 to 2 hours"},
        {10, &b.LongitudeSeconds, -180 * 3600, 180 * 3600, "a longitude in degrees of at most 180"},
        {11, &b.LatitudeSeconds, -90 * 3600, 90 * 3600, "a latitude in degrees of at most 90"}};
    for (const Decimals& d : decimals) {
        const auto value = ParseDecimalSeconds(line(d.number));
        if (!value || *value < d.least || *value > d.most)
            return refuse(Held(d.number, line(d.number)) + ", not " + d.what + ".");
        *d.field = *value;
    }
    b.OffsetSeconds = zone + daylight;
    b.DaylightSaving = daylight == 3600;
    b.DaylightSeconds = daylight;
    b.Source = {Trimmed(line(2)).empty() ? "The file's name " + QuotedLine(fileName) : Held(2, line(2)),
                "Lines 3 to 5 (day, month, year) hold " + QuotedLine(line(3) + "/" + line(4) + "/" + line(5)),
                Held(6, line(6)), Held(7, line(7)) + " and line 8 (daylight saving) " + QuotedLine(line(8)),
                Held(9, line(9))};

    // "city", "city, country" or "city, state, country"; more parts go to the state.
    std::vector<std::string> parts;
    const std::string& place = line(9);
    for (std::size_t pos = 0;;) {
        const auto comma = place.find(',', pos);
        parts.push_back(Trimmed(std::string_view(place).substr(pos, comma == std::string::npos ? comma : comma - pos)));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    b.City = parts.front();
    if (parts.size() > 1) b.Country = parts.back();
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) b.State += (b.State.empty() ? "" : " ") + parts[i];
    if (parts.size() == 1) b.Country = b.City;
    return b;
}

std::optional<Entries> ParseMtxFile(std::string_view bytes, std::string_view fileName, std::string* problem,
                                    const StateFinder& findState) {
    const auto birth = ParseMtxBirth(bytes, fileName, problem);
    if (!birth) return std::nullopt;
    return EntriesFromImport(*birth, problem, findState);
}

std::string FormatMtxFile(const ImportedBirth& b) {
    std::string place = b.City;
    if (!b.State.empty()) place += ", " + b.State;
    if (!b.Country.empty()) place += ", " + b.Country;
    const std::string lines[] = {"# chart",
                                 b.Name,
                                 std::to_string(b.Day),
                                 std::to_string(b.Month),
                                 std::to_string(b.Year),
                                 Decimal(b.ClockSeconds),
                                 Decimal(b.OffsetSeconds - b.DaylightSeconds),
                                 Decimal(b.DaylightSeconds),
                                 place,
                                 Decimal(b.LongitudeSeconds),
                                 Decimal(b.LatitudeSeconds),
                                 ""};
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

} // namespace rashi
