#include "core/timing/dasha_text.h"

#include "core/time_scales/civil_calendar.h"

#include "core/aspects/rashi_drishti.h"
#include "core/time_window/window_text.h"
#include "core/timing/dasha_tree.h"
#include "core/timing/nakshatras.h"
#include "core/timing/period_reading.h"
#include "core/timing/vimshottari.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace rashi {
namespace {

// The civil count's day of 1970-01-01: dates here count from the Unix epoch.
constexpr long long kUnixEpochDay = 719468;

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// "93°58′50″".
std::string DegreesText(double degrees) {
    const long long seconds = std::llround(degrees * 3600);
    char text[40];
    std::snprintf(text, sizeof text, "%lld°%02lld′%02lld″", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::string Span(const DashaPeriod& p, double birth, double year, const ReadingWords& words) {
    std::string text = Fill(words.dasha.span, UtcText(p.start), UtcText(p.end));
    if (p.start < birth) return text + std::string(words.dasha.beforeBirth);
    return text + std::string(words.dasha.age) + Fixed((p.start - birth) / year, 2);
}

void VimshottariPeriods(const DashaList& list, int index, std::string path, int level, double birth, double year,
                        const ReadingWords& words, std::vector<std::string>& lines) {
    const DashaPeriod& p = list.periods[static_cast<std::size_t>(index)];
    if (!path.empty()) path += "/";
    path += words.dasha.lords[p.key];
    lines.push_back(std::string(2 * level, ' ') + path + " " + std::string(words.dasha.levels[level]) +
                    Span(p, birth, year, words));
    for (int k = 0; k < p.count; ++k) VimshottariPeriods(list, p.first + k, path, level + 1, birth, year, words, lines);
}

void SignPeriods(const DashaList& list, const JaiminiRecord& jaimini, double birth, double year,
                 const ReadingWords& words, std::vector<std::string>& lines) {
    for (int i = 0; i < list.top; ++i) {
        const DashaPeriod& p = list.periods[static_cast<std::size_t>(i)];
        std::string line = Fill(words.dasha.signPeriod, SignWord(p.key, words), std::to_string(p.years)) +
                           std::to_string(p.cycle);
        line += p.years == 0 ? std::string(words.dasha.noLength) + UtcText(p.start) + " UT" : Span(p, birth, year, words);
        lines.push_back(line + std::string(words.dasha.aspects) +
                        PeriodReadingText(ReadPeriod(p.key, jaimini), jaimini.karakas.scheme, words));
        if (p.count == 0 || p.years == 0) continue;
        std::string parts(words.dasha.antardashas);
        for (int k = 0; k < p.count; ++k) {
            const DashaPeriod& part = list.periods[static_cast<std::size_t>(p.first + k)];
            AppendListed(parts, std::string(SignWord(part.key, words)) + " " + UtcText(part.start), k == 0, false, words);
        }
        lines.push_back(parts);
    }
}

std::string Joined(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::string_view name : names) text.append(text.empty() ? "" : "/").append(name);
    return text.empty() ? "-" : text;
}

} // namespace

std::string UtcText(double second, bool iso) {
    const long long whole = static_cast<long long>(std::floor(second + 0.5));
    const long long days = (whole >= 0 ? whole : whole - 86399) / 86400;
    const long long within = whole - days * 86400;
    const CivilDate date = CivilFromDays(days + kUnixEpochDay);
    char text[48];
    if (iso)
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02lld:%02lld:%02lldZ", date.year, date.month, date.day,
                      within / 3600, within / 60 % 60, within % 60);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld", date.year, date.month, date.day, within / 3600,
                      within / 60 % 60);
    return text;
}

std::optional<double> NoonOfDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const long long days = DaysFromCivil(year, month, day) - kUnixEpochDay;
    if (CivilFromDays(days + kUnixEpochDay) != CivilDate{year, month, day}) return std::nullopt;
    return static_cast<double>(days) * 86400 + 43200;
}

std::string NakshatraText(const NakshatraPlace& place, const ReadingWords& words) {
    if (place.index < 0) return std::string(words.noSign);
    return std::string(words.dasha.nakshatras[place.index]) + std::string(words.dasha.pada) +
           std::to_string(place.pada) + std::string(words.dasha.lordOf) + std::string(words.dasha.lords[place.lord]);
}

std::string NakshatraNote(const ReadingRecords& records, int row) {
    if (!records.dashas.computed || row < 0 || row >= kReportRows) return {};
    return NakshatraText(records.dashas.nakshatras[row], WordsOf(records.language));
}

std::vector<std::string> NakshatraLines(const DashaRecord& dashas, const ReadingWords& words) {
    std::vector<std::string> lines;
    for (int i = 0; i < kReportRows; ++i)
        lines.push_back(Fill(words.dasha.nakshatraOf, words.bodies[i], NakshatraText(dashas.nakshatras[i], words)));
    lines.push_back(Fill(words.dasha.nakshatraOf, words.dasha.lagna, NakshatraText(dashas.lagnaNakshatra, words)));
    return lines;
}

std::vector<std::string_view> RunningNames(const DashaList& list, double second, int levels, bool signs,
                                           const ReadingWords& words) {
    std::vector<std::string_view> names;
    for (int i : RunningAt(list, second, levels)) {
        const int key = list.periods[static_cast<std::size_t>(i)].key;
        names.push_back(signs ? SignWord(key, words) : words.dasha.lords[key]);
    }
    return names;
}

std::optional<DashaDay> DashaDayFromText(const std::string& text) {
    if (text.size() != 10) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 4 || i == 7 ? text[i] != '-' : !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    const int year = std::stoi(text.substr(0, 4)), month = std::stoi(text.substr(5, 2)), day = std::stoi(text.substr(8, 2));
    const auto noon = NoonOfDate(year, month, day);
    if (!noon) return std::nullopt;
    return DashaDay{text, *noon};
}

DashaDay DashaDayOf(double second) {
    const long long days = static_cast<long long>(std::floor(second / 86400));
    const std::string text = UtcText(static_cast<double>(days) * 86400);
    return DashaDay{text.substr(0, 10), static_cast<double>(days) * 86400 + 43200};
}

std::vector<std::string> DashaLines(const ReadingRecords& records, const DashaDay& on, const ReadingWords& words) {
    const double onSecond = on.second;
    const DashaRecord& d = records.dashas;
    std::vector<std::string> lines;
    if (!d.computed || !d.choices.systems) return lines;
    const DashaWords& w = words.dasha;
    const double year = d.choices.yearDays * kSecondsPerDay;
    // The named year in the reading's words (the keys stay English for --dasha-year).
    std::string_view key;
    for (std::size_t i = 0; i < kNamedYears.size(); ++i)
        if (d.choices.yearDays == kNamedYears[i].days) key = w.yearNames[i];
    std::string running;
    const auto addRunning = [&](int system, const std::vector<std::string_view>& names) {
        if (!running.empty()) running += "; ";
        running.append(w.systems[system]).append(Joined(names));
    };
    if (d.vimshottari.top > 0) {
        const NakshatraPlace& moon = d.nakshatras[1];
        std::string head = Fill(w.vimshottariHead, DegreesText(d.moonLongitude), NakshatraText(moon, words));
        head += Fill(w.balance, w.lords[d.vimshottari.periods[0].key], Fixed(d.balanceYears, 2));
        char days[32];
        std::snprintf(days, sizeof days, "%.10g", d.choices.yearDays);
        head += Fill(w.year, days, key.empty() ? std::string_view(days) : key);
        lines.push_back(head);
        for (int i = 0; i < d.vimshottari.top; ++i)
            VimshottariPeriods(d.vimshottari, i, "", 0, d.birthSecond, year, words, lines);
        const double shift = VimshottariShiftDays(records);
        lines.push_back(Fill(w.shift, Fixed(std::fabs(shift), 1), w.earlierLater[shift < 0 ? 0 : 1]) +
                        std::string(w.signShift));
        addRunning(0, RunningNames(d.vimshottari, onSecond, d.choices.levels, false, words));
    }
    if (d.chara.top > 0) {
        lines.push_back(std::string(w.charaHead) + std::string(w.exaltation[d.choices.charaExaltation ? 1 : 0]));
        SignPeriods(d.chara, records.jaimini, d.birthSecond, year, words, lines);
        addRunning(1, RunningNames(d.chara, onSecond, 2, true, words));
    }
    if (d.drig.top > 0) {
        lines.push_back(std::string(w.drigHead) + std::string(records.rule == AspectRuleChoice::Ours ? w.drigOurRule : "") + ":");
        SignPeriods(d.drig, records.jaimini, d.birthSecond, year, words, lines);
        addRunning(2, RunningNames(d.drig, onSecond, 1, true, words));
    }
    lines.push_back(Fill(w.running, on.date, running));
    return lines;
}

std::vector<std::string> NakshatraWindowLines(const NakshatraWindowRecord& window, const ReadingWords& words) {
    if (!window.computed || window.nakshatra < 0) return {};
    const DashaWords& w = words.dasha;
    const auto note = [&](const WindowEdge& edge, bool before) {
        if (edge.limit == WindowLimit::Search) return std::string(words.nothingWithinSearch);
        if (edge.limit == WindowLimit::Years || edge.changes.empty()) return std::string(words.yearsEnd);
        const int to = edge.changes[0].toSign;
        return Fill(before ? words.isIn : words.enters, BodyInSentence(1, words),
                    to >= 0 ? w.nakshatras[to] : words.noSign);
    };
    const std::string head = Fill(w.moonHolds, w.nakshatras[window.nakshatra], w.lords[window.nakshatra % 9]);
    return {head + SpanText(window.moon, "", note(window.moon.from, true), note(window.moon.until, false), words)};
}

} // namespace rashi
