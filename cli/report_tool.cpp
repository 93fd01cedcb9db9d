#include "cli/report_tool.h"

#include "core/chart/chart_file.h"
#include "core/chart/entry_lists.h"
#include "core/chart/key_filters.h"
#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>

namespace rashi {
namespace {

// A refusal of the input: the message the user sees last on standard error.
struct InputError {
    std::string message;
};

constexpr std::string_view kValueOptions[] = {"--name", "--date",    "--time",  "--zone", "--lat", "--lon",
                                              "--city", "--state", "--country", "--save"};
constexpr std::string_view kFlagOptions[] = {"--json", "--batch", "--dst", "--help"};

struct Options {
    std::map<std::string, std::string, std::less<>> values;
    std::map<std::string, bool, std::less<>> flags;
    std::vector<std::string> files;

    bool has(std::string_view name) const { return values.count(name) || flags.count(name); }
    const std::string* value(std::string_view name) const {
        const auto it = values.find(name);
        return it == values.end() ? nullptr : &it->second;
    }
};

template <typename List>
bool Contains(const List& list, std::string_view name) {
    for (std::string_view item : list)
        if (item == name) return true;
    return false;
}

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg.size() < 2 || arg.substr(0, 2) != "--" || arg == "--") {
            options.files.emplace_back(arg);
            continue;
        }
        std::string name(arg.substr(0, arg.find('=')));
        if (Contains(kFlagOptions, name)) {
            if (name.size() != arg.size()) throw InputError{name + " takes no value"};
            options.flags[name] = true;
        } else if (Contains(kValueOptions, name)) {
            if (name.size() != arg.size()) {
                options.values[name] = std::string(arg.substr(name.size() + 1));
            } else {
                if (i + 1 >= args.size()) throw InputError{name + " needs a value"};
                options.values[name] = args[++i];
            }
        } else {
            throw InputError{"Unknown option " + name + "; see --help"};
        }
    }
    return options;
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int ListPosition(const NumberList& list, std::string_view text, const char* what) {
    const auto number = Number(text);
    const int position = number ? list.position(std::to_string(*number)) : -1;
    if (position < 0 || text.front() == '+' || text.front() == '-')
        throw InputError{std::string(what) + " must be " + std::to_string(list.first) + " to " +
                         std::to_string(list.last)};
    return position;
}

// "51:28N" into degrees, minutes and the direction letter.
void ParseCoordinate(std::string_view text, char positive, char negative, std::string& degrees,
                     std::string& minutes, bool& isPositive) {
    const std::string option = positive == 'N' ? "--lat" : "--lon";
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || text.size() < colon + 2)
        throw InputError{option + " takes DEG:MIN followed by " + positive + " or " + negative};
    const char direction = text.back();
    if (direction != positive && direction != negative)
        throw InputError{option + " takes DEG:MIN followed by " + positive + " or " + negative};
    degrees = std::string(text.substr(0, colon));
    minutes = std::string(text.substr(colon + 1, text.size() - colon - 2));
    for (const std::string* part : {&degrees, &minutes})
        if (!kDigitFilter.acceptsText(*part) || part->size() > static_cast<std::size_t>(kCoordinateBoxLength))
            throw InputError{std::string(kDigitFilter.message)};
    isPositive = direction == positive;
}

std::string LetterText(const Options& options, std::string_view name) {
    const std::string* text = options.value(name);
    if (!text) return {};
    if (!kLetterFilter.acceptsText(*text)) throw InputError{std::string(kLetterFilter.message)};
    return *text;
}

Entries EntriesFromOptions(const Options& options) {
    Entries e;
    e.Name = LetterText(options, "--name");
    e.City = LetterText(options, "--city");
    e.State = LetterText(options, "--state");
    e.Country = LetterText(options, "--country");
    if (const std::string* date = options.value("--date")) {
        if (date->size() < 8 || std::count(date->begin(), date->end(), '-') != 2)
            throw InputError{"--date takes YYYY-MM-DD"};
        const auto first = date->find('-');
        const auto second = date->find('-', first + 1);
        e.YearPosition = ListPosition(kYearList, date->substr(0, first), "The year");
        e.MonthPosition = ListPosition(NumberList{1, 12}, date->substr(first + 1, second - first - 1), "The month");
        e.DatePosition = ListPosition(kDayList, date->substr(second + 1), "The day");
    }
    if (const std::string* time = options.value("--time")) {
        const auto colon = time->find(':');
        if (colon == std::string::npos) throw InputError{"--time takes HH:MM"};
        e.HourPosition = ListPosition(kHourList, time->substr(0, colon), "The hour");
        e.MinutePosition = ListPosition(kMinuteList, time->substr(colon + 1), "The minute");
    }
    if (const std::string* zone = options.value("--zone"))
        e.ZoneRow = ListPosition(NumberList{0, kTimeZoneCount - 1}, *zone, "The zone row");
    if (const std::string* lat = options.value("--lat")) {
        ParseCoordinate(*lat, 'N', 'S', e.LatDeg, e.LatMin, e.North);
        e.South = !e.North;
    }
    if (const std::string* lon = options.value("--lon")) {
        ParseCoordinate(*lon, 'E', 'W', e.LonDeg, e.LonMin, e.East);
        e.West = !e.East;
    }
    e.DaylightSaving = options.has("--dst");
    return e;
}

Entries EntriesFromFile(const std::string& path) {
    if (!HasChartExtension(path)) throw InputError{std::string(kChartFileRefused)};
    std::ifstream file(path, std::ios::binary);
    if (!file) throw InputError{std::string(kChartFileRefused)};
    const auto entries = ReadChartFile(file);
    if (!entries) throw InputError{std::string(kChartFileRefused)};
    return *entries;
}

// Writes through a temporary file, so an existing chart is never left half-written.
void SaveChartFile(std::string path, const BirthRecord& birth, int zoneRow) {
    const auto slash = path.find_last_of('/');
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.find('.') == std::string::npos) path += "." + std::string(kChartExtension);
    const std::string temporary = path + ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << FormatChartFile(birth, zoneRow);
        file.close();
        if (!file) {
            std::remove(temporary.c_str());
            throw InputError{"Cannot write " + path};
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw InputError{"Cannot write " + path};
    }
}

int RunBatch(std::istream& in, std::ostream& out) {
    CalculationDriver driver;
    bool anyFailed = false;
    std::string line;
    std::string buffer;
    long number = 0;
    while (std::getline(in, line)) {
        bool failed = false;
        buffer += BatchLine(driver, line, ++number, failed);
        buffer += '\n';
        anyFailed = anyFailed || failed;
        if (buffer.size() > (1u << 16)) {
            out << buffer;
            buffer.clear();
        }
    }
    out << buffer;
    out.flush();
    return anyFailed ? 1 : 0;
}

} // namespace

std::string ReportText(const Report& report) {
    std::string text;
    for (const std::string& line : ReportLines(report)) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string ReportJson(const ReadingRecords& records) {
    const BirthRecord& b = records.birth;
    JsonWriter json;
    json.beginObject().key("birth").beginObject();
    json.key("Name").value(b.Name).key("Day").value(int{b.Day}).key("Month").value(int{b.Month});
    json.key("Year").value(int{b.Year}).key("Hour").value(int{b.Hour}).key("Minute").value(int{b.Minute});
    json.key("ZoneHours").value(int{b.ZoneHours}).key("ZoneMinutes").value(int{b.ZoneMinutes});
    json.key("LonDegrees").value(int{b.LonDegrees}).key("LonMinutes").value(int{b.LonMinutes});
    json.key("LatDegrees").value(int{b.LatDegrees}).key("LatMinutes").value(int{b.LatMinutes});
    json.key("LonEast").value(b.LonEast).key("LatSouth").value(b.LatSouth);
    json.key("DaylightSaving").value(b.DaylightSaving);
    json.key("City").value(b.City).key("State").value(b.State).key("Country").value(b.Country);
    json.key("SignedZoneHours").value(int{b.SignedZoneHours}).key("SignedZoneMinutes").value(int{b.SignedZoneMinutes});
    json.endObject();
    json.key("ChartAyanamsa").value(records.chart.ChartAyanamsa);
    json.key("MoonPositionText").value(records.moon.MoonPositionText);
    json.key("positions").beginArray();
    for (int i = 0; i < kReportRows; ++i) {
        json.beginObject()
            .key("name").value(records.positions.PlanetNames[i])
            .key("sanskrit").value(records.positions.PlanetNamesSanskrit[i])
            .key("position").value(records.positions.PlanetPositions[i])
            .endObject();
    }
    json.endArray();
    const Report& r = records.report;
    const std::pair<const char*, const std::array<std::string, kReportRows>*> columns[] = {
        {"lblPlanets", &r.lblPlanets}, {"lblPlanets_Position", &r.lblPlanets_Position},
        {"lblAspects", &r.lblAspects}, {"lblGrahas", &r.lblGrahas}};
    json.key("captions").beginObject();
    for (const auto& [name, captions] : columns) {
        json.key(name).beginArray();
        for (const std::string& caption : *captions) json.value(caption);
        json.endArray();
    }
    json.endObject().endObject();
    return json.str() + "\n";
}

std::string BatchLine(CalculationDriver& driver, std::string_view line, long lineNumber, bool& failed) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string result = std::to_string(lineNumber);
    ChartLines fields;
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const auto tab = line.find('\t', start);
        if (count < fields.size()) fields[count] = std::string(line.substr(start, tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    std::optional<Entries> entries;
    if (count + 1 == fields.size()) entries = EntriesFromChartLines(fields);
    std::optional<Refusal> refusal;
    if (entries) refusal = driver.Calculate(*entries);
    failed = !entries || refusal;
    if (failed) {
        result += "\terror\t";
        result += entries ? refusal->message : kChartFileRefused;
        return result;
    }
    const Report& report = driver.report();
    for (int i = 0; i < kReportRows; ++i)
        for (const std::string* caption :
             {&report.lblPlanets[i], &report.lblPlanets_Position[i], &report.lblAspects[i], &report.lblGrahas[i]})
            result.append("\t").append(*caption);
    return result;
}

std::string_view ReportToolHelp() {
    return R"(Usage: rashi-drishti-report [--json] FILE.kqa
       rashi-drishti-report [--json] [--save FILE.kqa] BIRTH OPTIONS
       rashi-drishti-report --batch < CHARTS

Prints the Rashi Drishti (sign aspect) reading of one birth: for each of the
nine bodies (Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, North Node,
South Node) four lines: its names, its sidereal position, the three signs it
aspects, and the bodies standing in them -- 36 lines in all.

The birth comes from a chart file saved by the program (its name must end in
"kqa") or from these options:
  --name TEXT          the person's name (letters and spaces)
  --date YYYY-MM-DD    date of birth, years 1901 to 2050
  --time HH:MM         local clock time, hours 0 to 24
  --zone ROW           time-zone row 0 to 70, as listed in the program
  --dst                daylight saving was in force
  --lat DEG:MIN{N|S}   latitude, e.g. 18:31N
  --lon DEG:MIN{E|W}   longitude, e.g. 73:51E
  --city TEXT, --state TEXT, --country TEXT   the place (letters and spaces)

  --json        print the reading as one JSON object: the birth record, the
                ayanamsa, the Moon's position text, the nine positions and
                the 36 captions
  --save FILE   also write the birth as a chart file (".kqa" is added to a
                name without an extension)
  --batch       read charts from standard input, one per line, each 17
                tab-separated fields in chart-file order (name, month, day,
                year, hour, minute, zone row, longitude degrees, longitude
                minutes, latitude degrees, latitude minutes, east, south,
                daylight saving, city, state, country); write one line per
                chart: its line number, a tab and the 36 captions separated
                by tabs, or the line number, a tab, "error", a tab and the
                message
  --help        show this text

Exit status: 0 when a reading was printed, 1 when a --batch line failed, 2 on
wrong input, whose message is the last line of standard error.
)";
}

int RunReportTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const Options options = ParseOptions(args);
        if (options.has("--help")) {
            out << ReportToolHelp();
            return 0;
        }
        if (options.has("--batch")) {
            if (options.values.size() || options.files.size() || options.has("--json") || options.has("--dst"))
                throw InputError{"--batch reads its charts from standard input and takes no other option"};
            return RunBatch(in, out);
        }
        const bool birthOptions = options.values.size() > options.values.count("--save") || options.has("--dst");
        if (options.files.size() > 1) throw InputError{"Give one chart file"};
        if (options.files.size() == 1 && birthOptions)
            throw InputError{"Give either a chart file or the birth as options, not both"};
        if (options.files.empty() && !birthOptions) throw InputError{"Give a chart file or the birth; see --help"};

        const Entries entries = options.files.empty() ? EntriesFromOptions(options) : EntriesFromFile(options.files[0]);
        CalculationDriver driver;
        if (const auto refusal = driver.Calculate(entries)) throw InputError{std::string(refusal->message)};
        if (const std::string* save = options.value("--save")) SaveChartFile(*save, driver.records().birth, entries.ZoneRow);
        out << (options.has("--json") ? ReportJson(driver.records()) : ReportText(driver.report()));
        out.flush();
        return 0;
    } catch (const InputError& error) {
        err << error.message << '\n';
        return 2;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 2;
    }
}

} // namespace rashi
