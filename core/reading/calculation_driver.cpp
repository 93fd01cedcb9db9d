#include "core/reading/calculation_driver.h"

#include "core/ascendant/ascendant.h"
#include "core/ayanamsa/ayanamsa_names.h"
#include "core/aspects/graha_drishti.h"
#include "core/aspects/rashi_drishti.h"
#include "core/entries/birth_choices.h"
#include "core/entries/entry_lists.h"
#include "core/jaimini/arudha_padas.h"
#include "core/jaimini/aspected_houses.h"
#include "core/jaimini/chara_karakas.h"
#include "core/jaimini/chart_signs.h"
#include "core/jaimini/navamsa.h"
#include "core/records/trim.h"
#include "core/moon/moon_position.h"
#include "core/planets/planet_ayanamsa.h"
#include "core/planets/position_table.h"
#include "core/precise/precise_reading.h"
#include "core/time_window/day_slices.h"
#include "core/time_window/jaimini_window.h"
#include "core/time_window/nakshatra_window.h"
#include "core/timing/chara_dasha.h"
#include "core/timing/drig_dasha.h"
#include "core/timing/nakshatras.h"
#include "core/timing/vimshottari.h"
#include "core/time_window/time_window.h"

#include <charconv>
#include <cstdint>
#include <exception>

namespace rashi {
namespace {

// Decimal text to a 16-bit integer; surrounding spaces allowed.
std::optional<std::int16_t> ToInt16(std::string_view text) {
    text = TrimSpaces(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::int16_t> FromList(const NumberList& list, int position) {
    if (!list.contains(position)) return std::nullopt;
    return static_cast<std::int16_t>(list.value(position));
}

// Sets the field when the value converted; a step of several fields chains
// these with &&, so the first failure leaves the rest of the step undone.
bool Set(std::int16_t& field, std::optional<std::int16_t> value) {
    if (!value) return false;
    field = *value;
    return true;
}

// Runs one engine; a failure inside it abandons only that engine.
template <typename Step>
void RunStep(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// The clock's reach each way from the birth: beyond the window's search.
constexpr long long kClockReachSeconds = 4 * 86400LL;

// The place's clock around the birth; nothing unless the birth has an exact
// zone and the clock agrees with the birth's own offset at its moment.
PlaceClockRecord ClockAround(const ZoneClock* zoneClock, const BirthRecord& birth) {
    if (!zoneClock || birth.ZoneId.empty() || !birth.ExactOffsetSeconds) return {};
    const long long at = BirthUtcSecond(birth);
    PlaceClockRecord clock{zoneClock->OffsetsAround(birth, at - kClockReachSeconds, at + kClockReachSeconds)};
    if (OffsetAt(clock, *birth.ExactOffsetSeconds, at) != *birth.ExactOffsetSeconds) return {};
    return clock;
}

} // namespace

void FillBirthRecord(const Entries& e, const ReferenceTables& tables, BirthRecord& b) {
    b.Name = e.Name;
    if (e.MonthPosition >= 0 && e.MonthPosition < 12) b.Month = static_cast<std::int16_t>(e.MonthPosition + 1);
    Set(b.Day, FromList(kDayList, e.DatePosition));
    (void)(Set(b.Year, FromList(kYearList, e.YearPosition)) && Set(b.Hour, FromList(kHourList, e.HourPosition)) &&
        Set(b.Minute, FromList(kMinuteList, e.MinutePosition)));
    // The seconds no box shows; the midnight that ends the day has none.
    b.Second = static_cast<std::int16_t>(e.Second >= 0 && e.Second < 60 && b.Hour < 24 ? e.Second : 0);
    if (e.ZoneRow >= 0 && e.ZoneRow < kTimeZoneCount) {
        const std::int16_t hours = tables.TimeZoneHours[e.ZoneRow];
        const std::int16_t minutes = tables.TimeZoneMinutes[e.ZoneRow];
        b.ZoneHours = static_cast<std::int16_t>(hours < 0 ? -hours : hours);
        b.ZoneMinutes = static_cast<std::int16_t>(minutes < 0 ? -minutes : minutes);
        b.SignedZoneHours = hours;
        b.SignedZoneMinutes = minutes;
    }
    (void)(Set(b.LonDegrees, ToInt16(e.LonDeg)) && Set(b.LonMinutes, ToInt16(e.LonMin)) &&
        Set(b.LatDegrees, ToInt16(e.LatDeg)) && Set(b.LatMinutes, ToInt16(e.LatMin)));
    b.LonEast = e.East;
    b.LatSouth = e.South;
    b.DaylightSaving = e.DaylightSaving;
    b.City = TrimSpaces(e.City);
    b.State = TrimSpaces(e.State);
    b.Country = TrimSpaces(e.Country);
    // A zone id counts with its offset; an offset without an id is an
    // imported chart's own.
    const bool exact = e.ZoneOffsetSeconds.has_value();
    b.ZoneId = exact ? e.ZoneId : std::string();
    b.ExactOffsetSeconds = exact ? std::optional<std::int32_t>(*e.ZoneOffsetSeconds) : std::nullopt;
    b.Tagged = e.Tagged;
    // What rows and zone ids cannot hold goes with the tagged lines of a
    // chart file saved from the record.
    SetTagged(b.Tagged, kOffsetTag, exact && b.ZoneId.empty() ? std::to_string(*b.ExactOffsetSeconds) : std::string());
    SetTagged(b.Tagged, kSecondTag, b.Second ? std::to_string(b.Second) : std::string());
    b.Ayanamsa = ChartAyanamsa(e.Tagged);
    // A Julian date is kept as the same day in the Gregorian calendar.
    b.DateCalendar = CalendarOf(e);
    if (b.DateCalendar != Calendar::Gregorian && b.Month >= 1 && b.Month <= 12 && b.Day >= 1) {
        const CivilDate gregorian = GregorianDate({b.Year, b.Month, b.Day}, b.DateCalendar);
        b.Year = static_cast<std::int16_t>(gregorian.year);
        b.Month = static_cast<std::int16_t>(gregorian.month);
        b.Day = static_cast<std::int16_t>(gregorian.day);
    }
    const auto nodes = FindTagged(e.Tagged, kNodesTag);
    b.Nodes = nodes ? ParseNodes(*nodes).value_or(NodeKind::Mean) : NodeKind::Mean;
}

void RunEngines(ReadingRecords& records) {
    RunStep([&] { SetUpChart(records); });
    if (records.ephemeris == Ephemeris::Precise) {
        // The precise engine puts its own ascendant over the formulas' one,
        // from the frame it has computed for the positions.
        RunStep([&] { ComputeAscendant(records); });
        RunStep([&] { ComputePrecisePositions(records); });
    } else {
        RunStep([&] { ComputeMoonPosition(records); });
        RunStep([&] { BuildPositionTable(records); });
        RunStep([&] { ComputeAscendant(records); });
    }
    RunStep([&] { EvaluateRashiDrishti(records, RuleTable(records.rule)); });
}

void RunJaiminiEngines(ReadingRecords& records) {
    JaiminiRecord& jaimini = records.jaimini;
    jaimini.computed = false;
    jaimini.choices = records.jaiminiChoices;
    // Degrees come from the precise positions whatever the captions' ephemeris.
    RunStep([&] { EnsurePreciseDegrees(records); });
    ReadChartSigns(records);
    RunStep([&] { ComputeAspectedHouses(records); });
    RunStep([&] { ComputeCharaKarakas(records); });
    RunStep([&] { ComputeArudhaPadas(records); });
    RunStep([&] { ComputeNavamsa(records); });
    jaimini.computed = true;
}

void RunGrahaDrishtiEngines(ReadingRecords& records) {
    records.grahaDrishti.computed = false;
    RunStep([&] { EnsurePreciseDegrees(records); });
    if (records.degrees.computed) RunStep([&] { ComputeGrahaDrishti(records); });
}

void CalculationDriver::SetNodeAspects(NodeAspects nodes) {
    records_.nodeAspects = nodes;
    if (hasReading_ && records_.grahaDrishti.computed) RunGrahaDrishtiEngines(records_);
}

void RunDashaEngines(ReadingRecords& records) {
    DashaRecord& d = records.dashas;
    d.computed = false;
    d.choices = records.dashaChoices;
    RunStep([&] { EnsurePreciseDegrees(records); });
    RunStep([&] { ComputeNakshatras(records); });
    const unsigned systems = d.choices.systems;
    d.vimshottari.top = d.chara.top = d.drig.top = 0;
    if (systems & dasha::Vimshottari) RunStep([&] { ComputeVimshottari(records); });
    if (systems & dasha::Chara) RunStep([&] { ComputeCharaDasha(records); });
    if (systems & dasha::Drig) RunStep([&] { ComputeDrigDasha(records); });
    d.computed = true;
}

void CalculationDriver::SetDashaChoices(const DashaChoices& choices) {
    records_.dashaChoices = choices;
    if (!hasReading_) return;
    records_.dashas.computed = false;
    records_.nakshatraWindow.computed = false;
    if (choices.any()) RunDashaEngines(records_);
    if (choices.systems && withWindow_) RunStep([&] { ComputeNakshatraWindow(records_); });
}

void CalculationDriver::SetRule(AspectRuleChoice rule) {
    records_.rule = rule;
    if (!hasReading_) return;
    EvaluateRashiDrishti(records_, RuleTable(rule));
    // The rule decides which lines a change alters, the houses aspected and
    // which lord of two signs is the stronger.
    if (records_.window.computed) RunStep([&] { ComputeTimeWindow(records_); });
    if (records_.jaimini.computed) RunJaiminiEngines(records_);
    if (records_.grahaDrishti.computed) RunGrahaDrishtiEngines(records_);
}

void CalculationDriver::SetJaiminiChoices(const JaiminiChoices& choices) {
    records_.jaiminiChoices = choices;
    if (!hasReading_ || !records_.jaimini.computed) return;
    RunJaiminiEngines(records_);
    if (records_.jaiminiWindow.computed) RunStep([&] { ComputeJaiminiWindow(records_); });
}

void CalculationDriver::SetLanguage(Language language) {
    records_.language = language;
    if (!hasReading_) return;
    EvaluateRashiDrishti(records_, RuleTable(records_.rule));
    // The navamsa's captions too.
    if (records_.jaimini.computed) RunJaiminiEngines(records_);
    // The day's slices say in words what differs in each.
    if (records_.day.computed) RunStep([&] { ComputeDaySlices(records_); });
}

std::optional<Refusal> CalculationDriver::Calculate(const Entries& entries) {
    if (auto refusal = ValidateInput(entries)) return refusal;
    LoadReferenceTables(records_.tables);
    FillBirthRecord(entries, records_.tables, records_.birth);
    if (ayanamsa_) {
        // The choice in force is the birth's: a chart saved from it keeps it.
        records_.birth.Ayanamsa = *ayanamsa_;
        SetTagged(records_.birth.Tagged, kAyanamsaTag, AyanamsaKey(*ayanamsa_));
    }
    if (nodes_) {
        records_.birth.Nodes = *nodes_;
        SetTagged(records_.birth.Tagged, kNodesTag, *nodes_ == NodeKind::True ? std::string(NodesKey(*nodes_)) : std::string());
    }
    records_.preciseByDate = chosenEphemeris_ == Ephemeris::Formulas && !FormulasServe(records_.birth.Year);
    records_.preciseByNodes = chosenEphemeris_ == Ephemeris::Formulas && !records_.preciseByDate &&
                              records_.birth.Nodes == NodeKind::True;
    records_.ephemeris = records_.preciseByDate || records_.preciseByNodes ? Ephemeris::Precise : chosenEphemeris_;
    RunEngines(records_);
    records_.clock = PlaceClockRecord{};
    if (withWindow_ || withDay_) RunStep([&] { records_.clock = ClockAround(zoneClock_, records_.birth); });
    records_.window = TimeWindowRecord{};
    if (withWindow_) RunStep([&] { ComputeTimeWindow(records_); });
    records_.day = DaySlicesRecord{};
    if (withDay_) RunStep([&] { ComputeDaySlices(records_); });
    // Kept in place when not asked for, so that a driver running many
    // readings keeps their buffers; `computed` says whether they are current.
    records_.jaimini.computed = false;
    records_.jaiminiWindow.computed = false;
    records_.degrees.computed = false;
    if (withJaimini_) RunJaiminiEngines(records_);
    if (withJaimini_ && withWindow_) RunStep([&] { ComputeJaiminiWindow(records_); });
    records_.grahaDrishti.computed = false;
    if (withGrahaDrishti_) RunGrahaDrishtiEngines(records_);
    records_.dashas.computed = false;
    records_.nakshatraWindow.computed = false;
    if (records_.dashaChoices.any()) RunDashaEngines(records_);
    if (records_.dashaChoices.systems && withWindow_) RunStep([&] { ComputeNakshatraWindow(records_); });
    hasReading_ = true;
    return std::nullopt;
}

std::vector<std::string> ReportLines(const Report& report) {
    std::vector<std::string> lines;
    lines.reserve(4 * kReportRows);
    for (int i = 0; i < kReportRows; ++i) {
        lines.push_back(report.lblPlanets[i]);
        lines.push_back(report.lblPlanets_Position[i]);
        lines.push_back(report.lblAspects[i]);
        lines.push_back(report.lblGrahas[i]);
    }
    return lines;
}

} // namespace rashi
