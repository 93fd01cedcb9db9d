#include "cli/report_tool.h"

#include "cli/offscreen_gui.h"
#include "cli/own_place_options.h"
#include "cli/tool_options.h"
#include "core/ayanamsa/ayanamsa_names.h"
#include "core/entries/birth_choices.h"
#include "core/chart_files/chart_file.h"
#include "core/chart_files/chart_file_io.h"
#include "core/entries/entry_lists.h"
#include "core/entries/key_filters.h"
#include "core/entries/validation.h"
#include "core/chart_files/visible_text.h"
#include "core/imports/import_file_io.h"
#include "core/imports/imported_birth.h"
#include "core/jaimini/jaimini_text.h"
#include "core/jaimini/navamsa_view.h"
#include "core/time_window/jaimini_window_text.h"
#include "core/time_window/window_text.h"
#include "core/timing/dasha_text.h"
#include "core/words/language_keys.h"
#include "core/zones/zone_ids.h"
#include "places/atlas.h"
#include "places/birth_zone.h"
#include "places/zone_clock.h"
#include "places/own_places.h"
#include "places/place_search.h"
#include "places/text_fold.h"

#include "core/aspects/graha_drishti.h"
#include "core/aspects/graha_drishti_text.h"
#include "core/aspects/rashi_drishti.h"
#include "drawing/reading_page.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
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
    const int position = number ? list.position(std::to_string(*number)) : kNoEntry;
    if (!list.contains(position) || text.front() == '+' || text.front() == '-')
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

// A text option as the letter boxes would take it: their letters, and no
// more of them than a box holds (a chart file's line is as long as a box).
std::string LetterText(const std::optional<std::string>& text, std::string_view option) {
    if (!text) return {};
    if (!kLetterFilter.acceptsText(*text)) throw InputError(std::string(kLetterFilter.message));
    if (BoxLength(*text) > kLetterBoxLength)
        throw InputError(std::string(option) + " takes at most " + std::to_string(kLetterBoxLength) +
                         " characters, as its box does");
    return *text;
}

// The user's places could not be read: --place cannot tell whether the
// name meant theirs, so it refuses, with exit status 3 as a file not written.
class PlacesUnreadable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the atlas has to say (a damaged database read from its file instead), once.
void SayNotice(const places::Atlas& atlas, std::ostream& err) {
    if (const QString notice = atlas.TakeNotice(); !notice.isEmpty()) err << VisibleText(notice.toStdString()) << '\n';
}

// A place's names fill the boxes too: one of your own places may have been
// added or edited with longer ones.
void CheckPlaceLengths(const Entries& e) {
    for (const std::string* text : {&e.City, &e.State, &e.Country})
        if (BoxLength(*text) > kLetterBoxLength)
            throw InputError("The place's names are longer than the City, State and Country boxes hold (" +
                             std::to_string(kLetterBoxLength) + " characters each)");
}

places::Atlas LoadAtlas(std::ostream& err) {
    QString error;
    auto atlas = places::Atlas::LoadDefault(&error);
    if (!atlas) throw InputError("The atlas of places could not be loaded: " + error.toStdString());
    SayNotice(*atlas, err);
    return *atlas;
}

std::string NoPlace(const std::string& text) {
    return "No place in the atlas matches " + QuotedLine(text);
}

// The atlas's place, or one of the user's own.
places::Place FindPlace(const std::string& text, std::ostream& err) {
    const places::Atlas atlas = LoadAtlas(err);
    QString ownError;
    const std::vector<places::Place> own = places::OwnPlaces().All(&ownError);
    if (!ownError.isEmpty())
        throw PlacesUnreadable("--place cannot tell your places from the atlas's: " + ownError.toStdString());
    const auto place = places::FindPlace(&atlas, own, QString::fromStdString(text));
    if (place) {
        SayNotice(atlas, err);
        return *place;
    }
    // A name mistyped is not guessed at for a reading; the guesses are named
    // as the City box offers them.
    const std::vector<places::Place> guesses = places::GuessPlaces(&atlas, own, QString::fromStdString(text), 5);
    SayNotice(atlas, err);
    if (guesses.empty()) throw InputError(NoPlace(text));
    QStringList labels;
    for (const places::Place& p : guesses) {
        QString label = p.matched.isEmpty() ? p.Label() : QStringLiteral("%1 (%2)").arg(p.Label(), p.matched);
        labels << (p.own ? label + QStringLiteral(" (your place)") : label);
    }
    throw InputError(NoPlace(text) + "; did you mean " + labels.join(QStringLiteral("; ")).toStdString() + "?");
}

// "01:30 UTC-5:00": the clock time and the offset the window names a time
// the clock showed twice by; the offset east in seconds, or nothing.
std::optional<int> OffsetAfterTime(std::string& time) {
    const auto mark = time.find(" UTC");
    if (mark == std::string::npos) return std::nullopt;
    const std::string text = time.substr(mark + 4);
    time.resize(mark);
    int hours = 0, minutes = 0, seconds = 0;
    char sign = 0;
    int used = 0;
    const int fields = std::sscanf(text.c_str(), "%c%2d:%2d%n:%2d%n", &sign, &hours, &minutes, &used, &seconds, &used);
    if (fields < 3 || (sign != '+' && sign != '-') || used != static_cast<int>(text.size()) || minutes > 59 ||
        seconds > 59 || hours > 15)
        throw InputError("--time takes HH:MM, or HH:MM UTC+H:MM for a time the clocks showed twice");
    return (sign == '-' ? -1 : 1) * (hours * 3600 + minutes * 60 + seconds);
}

// The birth's zone from its zone id; a zone that cannot give the moment's
// offset is refused with its reason. `offset` picks one of a repeated time's
// two offsets, and must be the offset in force otherwise.
void ResolveZone(Entries& e, bool chooseRow, std::optional<int> offset = std::nullopt) {
    if (offset) {
        const places::ZoneMoment moment = places::BirthZoneMoment(e);
        const bool repeated = moment.clock == places::ClockTime::Repeated;
        if (moment.clock == places::ClockTime::Normal || repeated) {
            if (*offset != moment.offset.seconds && !(repeated && *offset == moment.later.seconds))
                throw InputError("The clocks there showed that time at UTC" + places::OffsetText(moment.offset.seconds).toStdString() +
                                 (repeated ? " and UTC" + places::OffsetText(moment.later.seconds).toStdString() : "") +
                                 ", not at UTC" + places::OffsetText(*offset).toStdString());
            const auto which = *offset == moment.offset.seconds ? places::RepeatedTime::First : places::RepeatedTime::Second;
            const auto problem = chooseRow ? places::ApplyZone(e, which) : places::ApplyZoneOffset(e, which);
            if (problem) throw InputError(problem->toStdString());
            return;
        }
    }
    // Rows given (a chart file's, or --zone and --dst) say which of a repeated
    // time's offsets is meant.
    const auto problem = chooseRow ? places::ApplyZone(e) : places::ApplyZoneOffset(e, places::RepeatedTime::ByChoice);
    if (problem && places::BirthZoneMoment(e).clock == places::ClockTime::Repeated)
        throw InputError(problem->toStdString() +
                         " Give the offset after the time (--time \"01:30 UTC-4:00\"), or the zone row with --zone (and --dst).");
    if (problem) throw InputError(problem->toStdString());
}

// --ayanamsa's choice (the options checked its name); none when not given.
std::optional<AyanamsaChoice> ChosenAyanamsa(const ToolOptions& options) {
    return options.ayanamsa ? ParseAyanamsa(*options.ayanamsa) : std::nullopt;
}

Entries EntriesFromOptions(const ToolOptions& options, std::ostream& err) {
    Entries e;
    // The atlas first: every option given beside --place wins over it.
    if (options.place) places::ApplyPlace(e, FindPlace(*options.place, err));
    e.Name = LetterText(options.name, "--name");
    if (options.city || !options.place) e.City = LetterText(options.city, "--city");
    if (options.state || !options.place) e.State = LetterText(options.state, "--state");
    if (options.country || !options.place) e.Country = LetterText(options.country, "--country");
    if (options.place) CheckPlaceLengths(e);
    if (const auto& date = options.date) {
        if (date->size() < 8 || std::count(date->begin(), date->end(), '-') != 2)
            throw InputError("--date takes YYYY-MM-DD");
        const auto first = date->find('-');
        const auto second = date->find('-', first + 1);
        e.YearPosition = ListPosition(kYearList, date->substr(0, first), "The year");
        e.MonthPosition = ListPosition(NumberList{1, 12}, date->substr(first + 1, second - first - 1), "The month");
        e.DatePosition = ListPosition(kDayList, date->substr(second + 1), "The day");
    }
    if (options.time) {
        std::string clock = *options.time;
        OffsetAfterTime(clock);
        const std::string* time = &clock;
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
        if (!IsZoneIdShape(*options.zoneId)) throw InputError("Unknown time zone " + QuotedLine(*options.zoneId));
        e.ZoneId = *options.zoneId;
    }
    return e;
}

// The state of an imported place that names none: the atlas's place of the
// file's city in its country, within a degree of the file's coordinates (the
// atlas's own words for a place without a state: its country). Empty when
// the atlas has no such place or cannot be read.
std::string AtlasState(const ImportedBirth& birth) {
    const auto atlas = places::Atlas::LoadDefault();
    if (!atlas) return {};
    const QString city = QString::fromStdString(birth.City);
    const std::string key = places::SearchKey(city);
    if (key.empty()) return {};
    for (const places::Place& place : atlas->Search(city + QStringLiteral(", ") + QString::fromStdString(birth.Country), 20))
        if (places::SearchKey(place.name) == key && std::fabs(place.latitude - birth.LatitudeSeconds / 3600.0) <= 1 &&
            std::fabs(place.longitude - birth.LongitudeSeconds / 3600.0) <= 1)
            return (place.state.isEmpty() ? place.country : place.state).toStdString();
    return {};
}

Entries EntriesFromFile(const std::string& path) {
    const bool imported = HasImportExtension(path);
    if (!imported && !HasChartExtension(path)) throw InputError(std::string(kChartFileRefused));
    std::string problem;
    const auto entries = imported ? LoadImportedChart(path, problem, AtlasState) : LoadChartFile(path, problem);
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
    std::string problem;
    const auto bytes = FormatReadableChartFile(birth, zoneRow, &problem);
    if (!bytes) throw WriteFailed("Cannot write " + VisibleText(path) + ": " + problem);
    if (const auto reason = WriteFileAtomically(path, *bytes))
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

// --find-place: up to ten places, tab-separated, one a line; the user's own
// first, "own" where the atlas gives the population; last the alternate name
// a place was found by, as the City box shows it beside the label (empty
// when its own name found it).
std::string PlaceList(const std::string& text, std::ostream& err) {
    const places::Atlas atlas = LoadAtlas(err);
    QString ownError;
    const std::vector<places::Place> own = places::OwnPlaces().All(&ownError);
    if (!ownError.isEmpty()) err << VisibleText(ownError.toStdString()) << " Only the atlas's places are listed.\n";
    std::vector<places::Place> found = places::SearchPlaces(&atlas, own, QString::fromStdString(text), 10);
    if (found.empty()) {
        // The nearest names, said to be a guess.
        found = places::GuessPlaces(&atlas, own, QString::fromStdString(text), 10);
        if (!found.empty()) err << NoPlace(text) << "; the nearest names are listed.\n";
    }
    SayNotice(atlas, err);
    if (found.empty()) throw InputError(NoPlace(text));
    std::string lines;
    for (const places::Place& p : found)
        lines += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\n")
                     .arg(p.name, p.state, p.country)
                     .arg(p.latitude, 0, 'f', 4)
                     .arg(p.longitude, 0, 'f', 4)
                     .arg(p.zoneId)
                     .arg(p.own ? QStringLiteral("own") : QString::number(p.population))
                     .arg(p.matched)
                     .toStdString();
    return lines;
}

// The timing asked for; the JSON object carries every dasha unless --dasha names some.
DashaChoices DashaChoicesOf(const ToolOptions& options) {
    DashaChoices choices;
    choices.systems = options.dashas ? options.dashas : options.json ? dasha::All : 0u;
    choices.nakshatras = options.nakshatras || options.json;
    choices.levels = options.dashaLevels;
    choices.yearDays = options.dashaYearDays;
    choices.charaExaltation = options.charaExaltation == "on";
    return choices;
}

// --on's day, else today's.
DashaDay OnDay(const ToolOptions& options) {
    if (!options.on.empty()) return *DashaDayFromText(options.on);
    return DashaDayOf(static_cast<double>(std::time(nullptr)));
}

JaiminiChoices JaiminiChoicesOf(const ToolOptions& options) {
    JaiminiChoices choices;
    choices.karakaScheme = options.karakas == "7" ? 7 : 8;
    choices.arudhaExceptions = options.arudhaExceptions != "off";
    return choices;
}

// qUncompress warns on Qt's message log about a damaged atlas, before the
// tool's own message says what is wrong; its line is dropped for the time the
// tool runs, and every other message goes where it went.
class UncompressWarningsDropped {
public:
    UncompressWarningsDropped() { previous_ = qInstallMessageHandler(&Handle); }
    ~UncompressWarningsDropped() { qInstallMessageHandler(previous_); }
    UncompressWarningsDropped(const UncompressWarningsDropped&) = delete;
    UncompressWarningsDropped& operator=(const UncompressWarningsDropped&) = delete;

private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (text.startsWith(QLatin1String("qUncompress"))) return;
        if (previous_) previous_(type, context, text);
        else qt_message_output(type, context, text);
    }
    static inline QtMessageHandler previous_ = nullptr;
};

} // namespace

std::string ReportText(const Report& report) {
    std::string text;
    for (const std::string& line : ReportLines(report)) {
        text += line;
        text += '\n';
    }
    return text;
}

std::string ToolText(const ReadingRecords& records, bool navamsa, bool jaimini, bool nakshatras, const DashaDay& on) {
    const bool haveNavamsa = navamsa && records.jaimini.computed;
    std::string text = ReportText(haveNavamsa ? records.jaimini.navamsa.report : records.report);
    if (jaimini)
        for (const std::string& line : JaiminiLines(records)) text.append(line).append("\n");
    for (const std::string& line : WindowLines(records.window, WordsOf(records.language))) text.append(line).append("\n");
    // The Jaimini reading computed for the sign dashas alone adds no lines.
    if (jaimini || navamsa)
        for (const std::string& line : JaiminiWindowLines(records.jaiminiWindow, WordsOf(records.language))) text.append(line).append("\n");
    const ReadingWords& words = WordsOf(records.language);
    for (const std::string& line : NakshatraWindowLines(records.nakshatraWindow, words)) text.append(line).append("\n");
    if (nakshatras && records.dashas.computed)
        for (const std::string& line : NakshatraLines(records.dashas, words)) text.append(line).append("\n");
    for (const std::string& line : DashaLines(records, on, words)) text.append(line).append("\n");
    for (const std::string& line : GrahaDrishtiLines(records)) text.append(line).append("\n");
    return text;
}

int RunReportTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    const UncompressWarningsDropped quiet;
    try {
        const ToolOptions options = ParseToolOptions(args);
        if (options.help) return Write(out, err, ToolHelp()) ? 0 : kWriteFailed;
        if (options.addPlace || options.removePlace)
            return Write(out, err, RunOwnPlaceOption(options, args)) ? 0 : kWriteFailed;
        if (options.findPlace) {
            if (options.hasBirthOptions() || options.batch || options.files.size() || options.save || options.json ||
                options.pdf || options.svg)
                throw InputError("--find-place takes no other option");
            return Write(out, err, PlaceList(*options.findPlace, err)) ? 0 : kWriteFailed;
        }
        if (options.batch) {
            ToolOptions besidesCalendar = options; // the calendar holds for every line
            besidesCalendar.calendar.reset();
            if (besidesCalendar.hasBirthOptions() || options.save || options.files.size() || options.json || options.pdf ||
                options.svg)
                throw InputError("--batch reads its charts from standard input and takes no other option");
            return RunBatch(in, out, err, options.precise ? Ephemeris::Precise : Ephemeris::Formulas,
                            *RuleFromKey(options.rule), options.window, ChosenAyanamsa(options),
                            options.jaimini ? std::optional<JaiminiChoices>(JaiminiChoicesOf(options)) : std::nullopt,
                            options.grahaDrishti ? NodeAspectsFromKey(options.nodeAspects) : std::nullopt,
                            DashaChoicesOf(options), OnDay(options),
                            options.nodes ? ParseNodes(*options.nodes) : std::nullopt,
                            options.calendar ? ParseCalendar(*options.calendar) : std::nullopt);
        }
        const bool birthOptions = options.hasBirthOptions();
        if (options.files.size() > 1) throw InputError("Give one chart file");
        if (options.files.size() == 1 && birthOptions)
            throw InputError("Give either a chart file or the birth as options, not both");
        if (options.files.empty() && !birthOptions) throw InputError("Give a chart file or the birth; see --help");

        Entries entries = options.files.empty() ? EntriesFromOptions(options, err) : EntriesFromFile(options.files[0]);
        if (options.calendar) SetCalendar(entries, *ParseCalendar(*options.calendar));
        // The program's own checks first, then the zone of that moment.
        // The zone's offset for entries the reading's checks pass, so that
        // their message comes first.
        if (options.files.empty() && options.time && options.time->find(" UTC") != std::string::npos &&
            entries.ZoneId.empty())
            throw InputError("An offset after the time needs the place's zone: give --place or --zone-id");
        if (!entries.ZoneId.empty()) {
            if (const auto refusal = ValidateInput(entries)) throw InputError(std::string(refusal->message));
            // Options without a row chosen by hand take the row that gives the zone's offset.
            const bool chooseRow = options.files.empty() && (options.place || options.zoneId) && !options.zone && !options.dst;
            std::optional<int> offset;
            if (options.files.empty() && options.time) {
                std::string clock = *options.time;
                offset = OffsetAfterTime(clock);
            }
            ResolveZone(entries, chooseRow, offset);
        }
        CalculationDriver driver;
        driver.setEphemeris(options.precise ? Ephemeris::Precise : Ephemeris::Formulas);
        driver.SetRule(*RuleFromKey(options.rule));
        driver.setWithWindow(options.window);
        driver.setZoneClock(&places::TheZoneClock());
        driver.setAyanamsa(ChosenAyanamsa(options));
        if (options.nodes) driver.setNodes(ParseNodes(*options.nodes));
        // The JSON object always carries the Jaimini reading.
        // So do the sign dashas, whose periods name the karakas and arudhas they aspect.
        const bool jaimini = options.jaimini || options.navamsa || options.json || (options.dashas & (dasha::Chara | dasha::Drig));
        driver.setWithJaimini(jaimini);
        driver.SetJaiminiChoices(JaiminiChoicesOf(options));
        driver.setWithGrahaDrishti(options.grahaDrishti || options.json);
        driver.SetNodeAspects(*NodeAspectsFromKey(options.nodeAspects));
        driver.SetLanguage(*LanguageFromKey(options.lang));
        driver.SetDashaChoices(DashaChoicesOf(options));
        if (const auto refusal = driver.Calculate(entries)) throw InputError(std::string(refusal->message));
        const DashaDay on = OnDay(options);
        if (!options.on.empty() && driver.records().dashas.computed && on.second < driver.records().dashas.birthSecond)
            throw InputError("--on " + options.on + " lies before the birth");
        CheckTargets(options);
        if (options.save) SaveChart(*options.save, driver.records().birth, entries.ZoneRow);
        // --navamsa draws the navamsa chart and its reading.
        WriteDrawings(options, options.navamsa ? NavamsaView(driver.records()) : driver.records());
        std::optional<std::string> zoneNote;
        if (!entries.ZoneId.empty()) zoneNote = places::ExplainZone(places::BirthZoneMoment(entries)).toStdString();
        else zoneNote = ImportedZoneNote(entries);
        // The JSON is for scripts: its captions are English whatever --lang says.
        if (options.json) driver.SetLanguage(Language::English);
        const std::string text = options.json ? ReportJson(driver.records(), zoneNote, on)
                                              : ToolText(driver.records(), options.navamsa, options.jaimini,
                                                         options.nakshatras, on);
        return Write(out, err, text) ? 0 : kWriteFailed;
    } catch (const PlacesUnreadable& error) {
        err << VisibleText(error.what(), true) << '\n';
        return kWriteFailed;
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
