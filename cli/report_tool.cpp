#include "cli/report_tool.h"

#include "cli/offscreen_gui.h"
#include "cli/tool_options.h"
#include "core/chart_files/chart_file.h"
#include "core/chart_files/chart_file_io.h"
#include "core/entries/entry_lists.h"
#include "core/entries/key_filters.h"
#include "core/entries/validation.h"
#include "core/chart_files/visible_text.h"
#include "core/imports/import_file_io.h"
#include "core/time_window/window_text.h"
#include "core/words/language_keys.h"
#include "core/zones/zone_ids.h"
#include "places/atlas.h"
#include "places/birth_zone.h"

#include "core/aspects/rashi_drishti.h"
#include "drawing/reading_page.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <optional>
#include <ostream>
#include <stdexcept>

namespace rashi {
namespace {

constexpr int kWriteFailed = 3;

// A file that could not be written: exit status 3, as for the output.
class WriteFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
        throw InputError(std::string(what) + " must be " + std::to_string(list.first) + " to " +
                         std::to_string(list.last));
    return position;
}

// "51:28N" into degrees, minutes and the direction letter.
void ParseCoordinate(std::string_view text, char positive, char negative, std::string& degrees,
                     std::string& minutes, bool& isPositive) {
    const std::string option = positive == 'N' ? "--lat" : "--lon";
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || text.size() < colon + 2)
        throw InputError(option + " takes DEG:MIN followed by " + positive + " or " + negative);
    const char direction = text.back();
    if (direction != positive && direction != negative)
        throw InputError(option + " takes DEG:MIN followed by " + positive + " or " + negative);
    degrees = std::string(text.substr(0, colon));
    minutes = std::string(text.substr(colon + 1, text.size() - colon - 2));
    for (const std::string* part : {&degrees, &minutes})
        if (!kDigitFilter.acceptsText(*part) || part->size() > static_cast<std::size_t>(kCoordinateBoxLength))
            throw InputError(std::string(kDigitFilter.message));
    isPositive = direction == positive;
}

// A text option as the letter boxes would take it.
std::string LetterText(const std::optional<std::string>& text) {
    if (!text) return {};
    if (!kLetterFilter.acceptsText(*text)) throw InputError(std::string(kLetterFilter.message));
    return *text;
}

places::Atlas LoadAtlas() {
    QString error;
    auto atlas = places::Atlas::LoadDefault(&error);
    if (!atlas) throw InputError("The atlas of places could not be loaded: " + error.toStdString());
    return *atlas;
}

places::Place FindPlace(const std::string& text) {
    const auto place = LoadAtlas().Find(QString::fromStdString(text));
    if (!place) throw InputError("No place in the atlas matches \"" + VisibleText(text) + "\"");
    return *place;
}

// The birth's zone from its zone id; a zone that cannot give the moment's
// offset is refused with its reason.
void ResolveZone(Entries& e, bool chooseRow) {
    // Rows given (a chart file's, or --zone and --dst) say which of a repeated
    // time's offsets is meant.
    const auto problem = chooseRow ? places::ApplyZone(e) : places::ApplyZoneOffset(e, places::RepeatedTime::ByChoice);
    if (problem && places::BirthZoneMoment(e).clock == places::ClockTime::Repeated)
        throw InputError(problem->toStdString() + " Give the zone row with --zone (and --dst) instead.");
    if (problem) throw InputError(problem->toStdString());
}

Entries EntriesFromOptions(const ToolOptions& options) {
    Entries e;
    // The atlas first: every option given beside --place wins over it.
    if (options.place) places::ApplyPlace(e, FindPlace(*options.place));
    e.Name = LetterText(options.name);
    if (options.city || !options.place) e.City = LetterText(options.city);
    if (options.state || !options.place) e.State = LetterText(options.state);
    if (options.country || !options.place) e.Country = LetterText(options.country);
    if (const auto& date = options.date) {
        if (date->size() < 8 || std::count(date->begin(), date->end(), '-') != 2)
            throw InputError("--date takes YYYY-MM-DD");
        const auto first = date->find('-');
        const auto second = date->find('-', first + 1);
        e.YearPosition = ListPosition(kYearList, date->substr(0, first), "The year");
        e.MonthPosition = ListPosition(NumberList{1, 12}, date->substr(first + 1, second - first - 1), "The month");
        e.DatePosition = ListPosition(kDayList, date->substr(second + 1), "The day");
    }
    if (const auto& time = options.time) {
        const auto colon = time->find(':');
        if (colon == std::string::npos) throw InputError("--time takes HH:MM");
        e.HourPosition = ListPosition(kHourList, time->substr(0, colon), "The hour");
        e.MinutePosition = ListPosition(kMinuteList, time->substr(colon + 1), "The minute");
    }
    if (options.zone) e.ZoneRow = ListPosition(NumberList{0, kTimeZoneCount - 1}, *options.zone, "The zone row");
    if (options.lat) {
        ParseCoordinate(*options.lat, 'N', 'S', e.LatDeg, e.LatMin, e.North);
        e.South = !e.North;
    }
    if (options.lon) {
        ParseCoordinate(*options.lon, 'E', 'W', e.LonDeg, e.LonMin, e.East);
        e.West = !e.East;
    }
    e.DaylightSaving = options.dst;
    // A row or box chosen by hand drops the atlas's zone; --zone-id sets one.
    if (options.zone || options.dst) e.ZoneId.clear();
    if (options.zoneId) {
        if (!IsZoneIdShape(*options.zoneId)) throw InputError("Unknown time zone \"" + VisibleText(*options.zoneId) + "\"");
        e.ZoneId = *options.zoneId;
    }
    return e;
}

Entries EntriesFromFile(const std::string& path) {
    const bool imported = HasImportExtension(path);
    if (!imported && !HasChartExtension(path)) throw InputError(std::string(kChartFileRefused));
    std::string problem;
    const auto entries = imported ? LoadImportedChart(path, problem) : LoadChartFile(path, problem);
    if (!entries) throw InputError(VisibleText(path) + ": " + problem + "\n" + std::string(kChartFileRefused));
    return *entries;
}

// --pdf and --svg: drawn on the offscreen platform, so no display is needed.
void WriteDrawings(const ToolOptions& options, const ReadingRecords& records) {
    if (!options.pdf && !options.svg) return;
    EnsureOffscreenGui();
    ChartOptions chart;
    chart.style = options.chart == "north" ? ChartStyle::North : ChartStyle::South;
    const std::pair<const std::optional<std::string>*, bool> files[] = {{&options.pdf, true}, {&options.svg, false}};
    for (const auto& [file, pdf] : files) {
        if (!*file) continue;
        const WriteError error = pdf ? WriteReadingPdf(**file, records, chart) : WriteChartSvg(**file, records, chart);
        if (!error.isEmpty()) throw WriteFailed("Cannot write " + VisibleText(**file) + ": " + error.toStdString());
    }
}

// Wrong input writes nothing: every file named is checked before the first is written.
void CheckTargets(const ToolOptions& options) {
    const std::pair<const std::optional<std::string>*, const char*> files[] = {
        {&options.save, "--save"}, {&options.pdf, "--pdf"}, {&options.svg, "--svg"}};
    for (const auto& [file, option] : files)
        if (*file && NamesAFolder(**file)) throw InputError(option + std::string(" must name a file, not a folder"));
}

void SaveChart(std::string path, const BirthRecord& birth, int zoneRow) {
    const std::string_view base = std::string_view(path).substr(path.find_last_of('/') + 1);
    if (base.find('.') == std::string_view::npos) path += "." + std::string(kChartExtension);
    if (const auto reason = WriteFileAtomically(path, FormatChartFile(birth, zoneRow)))
        throw WriteFailed("Cannot write " + VisibleText(path) + ": " + *reason);
}

// Writes the text; false (and the reason on `err`) when it could not be written.
bool Write(std::ostream& out, std::ostream& err, std::string_view text) {
    errno = 0;
    out << text;
    out.flush();
    if (out) return true;
    err << FailureText("Cannot write the output", errno) << '\n';
    return false;
}

// --find-place: up to ten places, tab-separated, one a line.
std::string PlaceList(const std::string& text) {
    const places::Atlas atlas = LoadAtlas();
    const auto found = atlas.Search(QString::fromStdString(text), 10);
    if (found.empty()) throw InputError("No place in the atlas matches \"" + VisibleText(text) + "\"");
    std::string lines;
    for (const places::Place& p : found)
        lines += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\n")
                     .arg(p.name, p.state, p.country)
                     .arg(p.latitude, 0, 'f', 4)
                     .arg(p.longitude, 0, 'f', 4)
                     .arg(p.zoneId)
                     .arg(p.population)
                     .toStdString();
    return lines;
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

std::string ToolText(const ReadingRecords& records) {
    std::string text = ReportText(records.report);
    for (const std::string& line : WindowLines(records.window, WordsOf(records.language))) text.append(line).append("\n");
    return text;
}

int RunReportTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const ToolOptions options = ParseToolOptions(args);
        if (options.help) return Write(out, err, ToolHelp()) ? 0 : kWriteFailed;
        if (options.findPlace) {
            if (options.hasBirthOptions() || options.batch || options.files.size() || options.save || options.json ||
                options.pdf || options.svg)
                throw InputError("--find-place takes no other option");
            return Write(out, err, PlaceList(*options.findPlace)) ? 0 : kWriteFailed;
        }
        if (options.batch) {
            if (options.hasBirthOptions() || options.save || options.files.size() || options.json || options.pdf ||
                options.svg)
                throw InputError("--batch reads its charts from standard input and takes no other option");
            return RunBatch(in, out, err, options.precise ? Ephemeris::Precise : Ephemeris::Formulas,
                            *RuleFromKey(options.rule), options.window);
        }
        const bool birthOptions = options.hasBirthOptions();
        if (options.files.size() > 1) throw InputError("Give one chart file");
        if (options.files.size() == 1 && birthOptions)
            throw InputError("Give either a chart file or the birth as options, not both");
        if (options.files.empty() && !birthOptions) throw InputError("Give a chart file or the birth; see --help");

        Entries entries = options.files.empty() ? EntriesFromOptions(options) : EntriesFromFile(options.files[0]);
        // The program's own checks first, then the zone of that moment.
        // The zone's offset for entries the reading's checks pass, so that
        // their message comes first.
        if (!entries.ZoneId.empty()) {
            if (const auto refusal = ValidateInput(entries)) throw InputError(std::string(refusal->message));
            // Options without a row chosen by hand take the row that gives the zone's offset.
            const bool chooseRow = options.files.empty() && (options.place || options.zoneId) && !options.zone && !options.dst;
            ResolveZone(entries, chooseRow);
        }
        CalculationDriver driver;
        driver.setEphemeris(options.precise ? Ephemeris::Precise : Ephemeris::Formulas);
        driver.SetRule(*RuleFromKey(options.rule));
        driver.setWithWindow(options.window);
        driver.SetLanguage(*LanguageFromKey(options.lang));
        if (const auto refusal = driver.Calculate(entries)) throw InputError(std::string(refusal->message));
        CheckTargets(options);
        if (options.save) SaveChart(*options.save, driver.records().birth, entries.ZoneRow);
        WriteDrawings(options, driver.records());
        std::optional<std::string> zoneNote;
        if (!entries.ZoneId.empty()) zoneNote = places::ExplainZone(places::BirthZoneMoment(entries)).toStdString();
        // The JSON is for scripts: its captions are English whatever --lang says.
        if (options.json) driver.SetLanguage(Language::English);
        const std::string text = options.json ? ReportJson(driver.records(), zoneNote) : ToolText(driver.records());
        return Write(out, err, text) ? 0 : kWriteFailed;
    } catch (const WriteFailed& error) {
        err << VisibleText(error.what(), true) << '\n';
        return kWriteFailed;
    } catch (const InputError& error) {
        // Messages may quote what was given (an option's value, a file's
        // name): nothing of it reaches the terminal raw.
        err << VisibleText(error.what(), true) << '\n';
        return 2;
    } catch (const std::exception& error) {
        err << VisibleText(error.what(), true) << '\n';
        return 2;
    }
}

} // namespace rashi
