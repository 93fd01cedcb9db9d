#include "core/reading/reading_header.h"

#include "core/aspects/graha_drishti_text.h"
#include "core/jaimini/jaimini_text.h"
#include "core/time_window/jaimini_window_text.h"

#include "core/time_window/window_text.h"
#include "core/timing/dasha_text.h"

#include "core/ayanamsa/ayanamsa_names.h"

#include "core/aspects/rashi_drishti.h"
#include "core/ascendant/ascendant.h"
#include "core/reading/calculation_driver.h"
#include "core/entries/birth_choices.h"
#include "core/entries/entry_lists.h"
#include "core/moon/birth_moment.h"
#include "core/words/reading_words.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace rashi {
namespace {

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string Born(const BirthRecord& b, const ReadingWords& words) {
    const CivilDate date = DateAsGiven(b);
    std::string text = std::to_string(date.day) + " ";
    if (date.month >= 1 && date.month <= 12) text.append(words.months[date.month - 1]).append(" ");
    text += std::to_string(date.year) + ", " + TwoDigits(b.Hour) + ":" + TwoDigits(b.Minute);
    if (b.Second) text += ":" + TwoDigits(b.Second);
    return b.DateCalendar == Calendar::Julian ? text + std::string(words.julianDate) : text;
}

// The zone as an offset from UTC: the record keeps what is added to the clock
// to give UT, so the sign turns round.
std::string Zone(const BirthRecord& b, const ReadingWords& words) {
    // A row shows its own offset, with daylight saving named after it; an
    // exact offset is the one in force and keeps its seconds (local mean time).
    int seconds = UtcOffsetSeconds(b);
    if (!b.ExactOffsetSeconds && b.DaylightSaving) seconds -= 3600;
    std::string text = "UTC";
    text += seconds < 0 ? "-" : "+";
    text += TwoDigits(std::abs(seconds) / 3600) + ":" + TwoDigits(std::abs(seconds) / 60 % 60);
    if (std::abs(seconds) % 60) text += ":" + TwoDigits(std::abs(seconds) % 60);
    if (b.ExactOffsetSeconds && b.ZoneId.empty()) return text + " (the chart file's own offset)";
    if (b.ExactOffsetSeconds)
        return text + Fill(words.zoneExact, b.ZoneId, b.DaylightSaving ? words.zoneExactDaylight : "");
    text += b.DaylightSaving ? words.zoneRowDaylight : words.zoneRowNoDaylight;
    return text;
}

std::string Place(const BirthRecord& b) {
    std::string text;
    for (const std::string* part : {&b.City, &b.State, &b.Country}) {
        if (part->empty()) continue;
        if (!text.empty()) text += ", ";
        text += *part;
    }
    return text;
}

std::string Coordinates(const BirthRecord& b, const ReadingWords& words) {
    return std::to_string(b.LatDegrees) + "\u00B0" + TwoDigits(b.LatMinutes) + "' " +
           std::string(words.compass[b.LatSouth ? 1 : 0]) + ", " + std::to_string(b.LonDegrees) + "\u00B0" +
           TwoDigits(b.LonMinutes) + "' " + std::string(words.compass[b.LonEast ? 2 : 3]);
}

// The program's own: its value and where it comes from. A named one: its
// name first, then its value with nutation at the birth ("Raman 22°24'07\"").
std::string AyanamsaText(const ReadingRecords& records, const ReadingWords& words) {
    const bool precise = records.ephemeris == Ephemeris::Precise;
    if (!records.birth.Ayanamsa.named())
        return DegreesMinutesSeconds(records.chart.ChartAyanamsa) +
               std::string(precise ? words.ayanamsaPrecise : words.ayanamsaFormulas);
    // A named one says where its value comes from, not whose it is.
    const std::string_view preciseWords = words.ayanamsaPrecise;
    const std::string_view source = precise ? preciseWords.substr(std::min(preciseWords.find(" ("), preciseWords.size()))
                                            : words.ayanamsaFormulas;
    const double value = -records.chart.ApparentAyanamsa;
    return AyanamsaTitle(records.birth.Ayanamsa, words) + " " + (value < 0 ? "-" : "") + DegreesMinutesSeconds(value) +
           std::string(source);
}

// The ayanamsa's line, and why the precise positions serve when the
// formulas were chosen, and which node the reading shows when not the mean.
std::string AyanamsaLine(const ReadingRecords& records, const ReadingWords& words) {
    std::string text = AyanamsaText(records, words);
    if (records.preciseByDate) text += words.preciseByDate;
    if (records.preciseByNodes) text += words.preciseByNodes;
    // The formulas have a mean node only.
    if (records.birth.Nodes == NodeKind::True && records.ephemeris == Ephemeris::Precise) text += words.trueNode;
    return text;
}

} // namespace

std::string DegreesMinutesSeconds(double degrees) {
    const long total = static_cast<long>(std::floor(std::fabs(degrees) * 3600 + 1e-9));
    return std::to_string(total / 3600) + "\u00B0" + TwoDigits(static_cast<int>(total / 60 % 60)) + "'" +
           TwoDigits(static_cast<int>(total % 60)) + "\"";
}

std::vector<HeaderField> ReadingHeader(const ReadingRecords& records) {
    const BirthRecord& b = records.birth;
    const ReadingWords& words = WordsOf(records.language);
    // The birth's ascendant, on the navamsa's page too, as the window's header keeps it.
    const AscendantRecord& birthAscendant =
        records.jaimini.navamsaShown ? records.jaimini.birthAscendant : records.ascendant;
    std::string ascendant = birthAscendant.PositionText;
    if (words.signInPosition) ascendant = PositionCaption(ascendant, words);
    if (birthAscendant.SomeSignsNeverRise) ascendant += words.neverRise;
    const auto& label = words.headerLabels;
    return {
        {std::string(label[0]), b.Name},
        {std::string(label[1]), Born(b, words)},
        {std::string(label[2]), Zone(b, words)},
        {std::string(label[3]), Place(b)},
        {std::string(label[4]), Coordinates(b, words)},
        {std::string(label[5]), ascendant},
        {std::string(label[6]), AyanamsaLine(records, words)},
        {std::string(label[7]), std::string(words.ruleTitles[records.rule == AspectRuleChoice::Classical ? 1 : 0])},
    };
}

std::vector<std::string> HeaderLines(const ReadingRecords& records) {
    std::vector<std::string> lines;
    for (const HeaderField& field : ReadingHeader(records)) lines.push_back(field.label + ": " + field.value);
    return lines;
}

std::string ReadingText(const ReadingRecords& records) {
    std::string text;
    for (const std::string& line : HeaderLines(records)) text.append(line).append("\n");
    for (const std::string& line : WindowLines(records.window, WordsOf(records.language))) text.append(line).append("\n");
    for (const std::string& line : JaiminiWindowLines(records.jaiminiWindow, WordsOf(records.language))) text.append(line).append("\n");
    for (const std::string& line : NakshatraWindowLines(records.nakshatraWindow, WordsOf(records.language))) text.append(line).append("\n");
    text += "\n";
    const std::vector<std::string> lines = ReportLines(records.report);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text.append(lines[i]);
        // The houses beside each aspect line, the karaka beside each name.
        const int row = static_cast<int>(i / 4);
        const std::string beside = i % 4 == 0   ? KarakaTag(records, row)
                                   : i % 4 == 1 ? NakshatraNote(records, row)
                                   : i % 4 == 2 ? HousesNote(records, row)
                                                : "";
        if (!beside.empty()) text.append(" (").append(beside).append(")");
        text.append("\n");
    }
    const std::vector<std::string> jaimini = JaiminiPanelLines(records);
    if (!jaimini.empty()) text += "\n";
    for (const std::string& line : jaimini) text.append(line).append("\n");
    const std::vector<std::string> dashas =
        DashaLines(records, DashaDayOf(static_cast<double>(std::time(nullptr))), WordsOf(records.language));
    if (!dashas.empty()) text += "\n";
    for (const std::string& line : dashas) text.append(line).append("\n");
    const std::vector<std::string> graha = GrahaDrishtiLines(records);
    if (!graha.empty()) text += "\n";
    for (const std::string& line : graha) text.append(line).append("\n");
    return text;
}

} // namespace rashi
