#include "cli/batch.h"

#include "cli/graha_drishti_json.h"
#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/chara_karakas.h"
#include "core/time_window/window_text.h"

#include "core/chart_files/chart_file.h"
#include "core/records/trim.h"
#include "core/entries/validation.h"
#include "core/chart_files/visible_text.h"
#include "core/zones/zone_ids.h"
#include "places/birth_zone.h"
#include "places/zone_clock.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

namespace rashi {
namespace {

enum class LineRead { Line, TooLong, End, Failed };

// Reads one line into `line`, keeping at most `limit` bytes of it; the rest of
// a longer line is read and dropped.
LineRead ReadBoundedLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    bool tooLong = false;
    char chunk[8192];
    for (;;) {
        in.getline(chunk, sizeof chunk);
        if (in.bad()) return LineRead::Failed;
        const auto got = static_cast<std::size_t>(in.gcount());
        const bool chunkFull = in.fail() && !in.eof() && got == sizeof chunk - 1;
        const bool sawEnd = !in.fail() && !in.eof(); // the line end was taken, and counted in `got`
        const std::size_t bytes = sawEnd ? got - 1 : got;
        if (!tooLong && line.size() + bytes <= limit)
            line.append(chunk, bytes);
        else
            tooLong = true;
        if (chunkFull) {
            in.clear();
            continue;
        }
        if (!sawEnd && got == 0 && line.empty() && !tooLong) return LineRead::End;
        return tooLong ? LineRead::TooLong : LineRead::Line;
    }
}

std::string SignList(std::initializer_list<int> first, const int* signs, std::size_t count) {
    std::string text;
    const auto add = [&text](int sign) {
        if (!text.empty()) text += ", ";
        text += sign >= 0 && sign < 12 ? kSigns[sign].sanskrit : "-";
    };
    for (int sign : first) add(sign);
    for (std::size_t i = 0; i < count; ++i) add(signs[i]);
    return text;
}

// The Jaimini columns of a reading line.
void AppendJaimini(std::string& result, const ReadingRecords& records) {
    const JaiminiRecord& j = records.jaimini;
    if (!j.computed) return;
    result += '\t';
    for (std::size_t rank = 0; rank < j.karakas.order.size(); ++rank) {
        if (rank > 0) result += ", ";
        result.append(KarakaLabel(static_cast<int>(rank), j.karakas.scheme)).append(" ")
            .append(records.positions.PlanetNames[j.karakas.order[rank]]);
    }
    result.append("\t").append(SignList({j.karakas.karakamsa}, nullptr, 0));
    result.append("\t").append(SignList({}, j.arudhaPadas.data(), j.arudhaPadas.size()));
    result.append("\t").append(SignList({j.navamsa.lagna}, j.navamsa.signs.data(), j.navamsa.signs.size()));
    const JaiminiWindowRecord& w = records.jaiminiWindow;
    if (w.computed)
        for (const HoldingWindow* h : {&w.karakas, &w.navamsa})
            result.append("\t").append(EdgeClockText(h->from)).append("\t").append(EdgeClockText(h->until));
}

// The dashas' columns of a reading line.
void AppendDashas(std::string& result, const ReadingRecords& records, const DashaDay& on) {
    const DashaRecord& d = records.dashas;
    if (!d.computed || !d.choices.systems) return;
    const NakshatraPlace& moon = d.nakshatras[1];
    result.append("\t").append(moon.index < 0 ? "-" : WordsOf(Language::English).dasha.nakshatras[moon.index]);
    const auto add = [&](const DashaList& list, int levels, bool signs) {
        const auto names = RunningNames(list, on.second, levels, signs);
        for (int level = 0; level < levels; ++level)
            result.append("\t").append(level < static_cast<int>(names.size()) ? names[level] : "-");
    };
    if (d.choices.systems & dasha::Vimshottari) add(d.vimshottari, 2, false);
    if (d.choices.systems & dasha::Chara) add(d.chara, 2, true);
    if (d.choices.systems & dasha::Drig) add(d.drig, 1, true);
}

// Writes what is held; false when the output failed, with the system's
// reason (errno at the failed write, 0 when none was given) in `error`.
bool Flush(std::ostream& out, std::string& buffer, int& error) {
    if (!out) return false; // failed before, and said why then
    errno = 0;
    out << buffer;
    buffer.clear();
    if (!out) error = errno;
    return static_cast<bool>(out);
}

} // namespace

std::size_t MaxBatchLineBytes() { return kMaxChartFileBytes; }

std::string FailureText(std::string_view what, int error) {
    std::string text(what);
    if (error != 0) text.append(": ").append(std::strerror(error));
    return text;
}

std::string BatchLine(CalculationDriver& driver, std::string_view line, long lineNumber, bool& failed,
                      const DashaDay& on, std::optional<Calendar> calendar) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string result = std::to_string(lineNumber);
    ChartLines fields;
    std::string zoneId;       // an 18th field, as a chart file's 18th line
    std::string calendarName; // a 19th
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const auto tab = line.find('\t', start);
        if (count < fields.size()) fields[count] = std::string(line.substr(start, tab - start));
        else if (count == fields.size()) zoneId = TrimSpaces(line.substr(start, tab - start));
        else if (count == fields.size() + 1) calendarName = TrimSpaces(line.substr(start, tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    std::optional<Entries> entries;
    if (count + 1 >= fields.size() && count <= fields.size() + 1) entries = EntriesFromChartLines(fields, nullptr, false);
    if (entries && !zoneId.empty() && !IsKnownZoneId(zoneId)) entries.reset();
    if (!calendarName.empty()) calendar = ParseCalendar(calendarName);
    if (entries && !calendarName.empty() && !calendar) entries.reset();
    if (entries && calendar) SetCalendar(*entries, *calendar);
    std::string refusal;
    if (!entries) refusal = kChartFileRefused;
    // A zone's offset is looked for only in entries the reading's checks pass,
    // so that their message comes first.
    else if (!zoneId.empty()) {
        entries->ZoneId = zoneId;
        if (const auto invalid = ValidateInput(*entries)) refusal = invalid->message;
        else if (const auto problem = places::ApplyZoneOffset(*entries, places::RepeatedTime::ByChoice)) refusal = problem->toStdString();
    }
    if (refusal.empty())
        if (const auto invalid = driver.Calculate(*entries)) refusal = invalid->message;
    failed = !refusal.empty();
    if (failed) {
        result += "\terror\t";
        result += VisibleText(refusal); // one field: no tab or line end of its own
        return result;
    }
    const Report& report = driver.report();
    for (int i = 0; i < kReportRows; ++i)
        for (const std::string* caption :
             {&report.lblPlanets[i], &report.lblPlanets_Position[i], &report.lblAspects[i], &report.lblGrahas[i]})
            result.append("\t").append(*caption);
    const TimeWindowRecord& window = driver.records().window;
    if (window.computed)
        for (const HoldingWindow* w : {&window.reading, &window.chart})
            result.append("\t").append(EdgeClockText(w->from)).append("\t").append(EdgeClockText(w->until))
                .append("\t").append(BeyondText(w->from, true)).append("\t").append(BeyondText(w->until, false));
    AppendJaimini(result, driver.records());
    if (driver.records().grahaDrishti.computed)
        for (int i = 0; i < kReportRows; ++i) {
            const std::vector<std::string> bodies = GrahaAspectedBodies(driver.records(), i);
            result += '\t';
            for (std::size_t k = 0; k < bodies.size(); ++k) result.append(k ? ", " : "").append(bodies[k]);
            if (bodies.empty()) result += '-';
        }
    AppendDashas(result, driver.records(), on);
    return result;
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, Ephemeris ephemeris, AspectRuleChoice rule,
             bool window, std::optional<AyanamsaChoice> ayanamsa, std::optional<JaiminiChoices> jaimini,
             std::optional<NodeAspects> grahaDrishti, const DashaChoices& dashas, const DashaDay& on,
             std::optional<NodeKind> nodes, std::optional<Calendar> calendar) {
    CalculationDriver driver;
    driver.setNodes(nodes);
    driver.setAyanamsa(ayanamsa);
    driver.setWithWindow(window);
    driver.setZoneClock(&places::TheZoneClock());
    driver.setWithJaimini(jaimini.has_value());
    if (jaimini) driver.SetJaiminiChoices(*jaimini);
    driver.setWithGrahaDrishti(grahaDrishti.has_value());
    if (grahaDrishti) driver.SetNodeAspects(*grahaDrishti);
    driver.SetDashaChoices(dashas);
    driver.setEphemeris(ephemeris);
    driver.SetRule(rule);
    bool anyFailed = false;
    std::string line;
    std::string buffer;
    long number = 0;
    int writeError = 0;
    for (;;) {
        errno = 0;
        const LineRead read = ReadBoundedLine(in, line, MaxBatchLineBytes());
        if (read == LineRead::End) break;
        if (read == LineRead::Failed) {
            const int error = errno;
            Flush(out, buffer, writeError);
            err << FailureText("Cannot read the charts from standard input", error) << '\n';
            return 3;
        }
        bool failed = true;
        if (read == LineRead::TooLong)
            buffer += std::to_string(++number) + "\terror\t" + std::string(kChartFileRefused);
        else
            buffer += BatchLine(driver, line, ++number, failed, on, calendar);
        buffer += '\n';
        anyFailed = anyFailed || failed;
        if (buffer.size() > (1u << 16) && !Flush(out, buffer, writeError)) break;
    }
    if (Flush(out, buffer, writeError)) {
        errno = 0;
        if (!out.flush()) writeError = errno;
    }
    if (!out) {
        err << FailureText("Cannot write the output", writeError) << '\n';
        return 3;
    }
    return anyFailed ? 1 : 0;
}

} // namespace rashi
