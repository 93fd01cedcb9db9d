#pragma once
// Runs a reading: validation, the reference tables, the birth record and the
// four engines, in that order. The window (and the report tool) hold one
// driver for the whole run; its records keep the last reading between runs.

#include "core/records/ayanamsa_choice.h"
#include "core/records/entries.h"
#include "core/records/reading_records.h"
#include "core/entries/validation.h"
#include "core/time_window/place_clock.h"

#include <optional>
#include <string>
#include <vector>

namespace rashi {

// Copies the entries into the birth record, step by step. A step that cannot
// be completed (a text that is not a number, a list position outside its list)
// leaves the rest of that step's fields as they were.
void FillBirthRecord(const Entries& entries, const ReferenceTables& tables, BirthRecord& birth);

// Runs the engines on records whose birth record is filled, the positions
// from the ephemeris that records.ephemeris names.
void RunEngines(ReadingRecords& records);

// Runs the Jaimini engines on records whose positions and ascendant are
// computed: the houses from the lagna, the karakas, the arudha padas and the
// navamsa, with records.jaiminiChoices and records.rule, their degrees from
// records.degrees (filled first if it is not current).
void RunJaiminiEngines(ReadingRecords& records);

// Runs the graha drishti on records whose positions and ascendant are
// computed, with records.nodeAspects and records.rule, its strengths from
// records.degrees (filled first if it is not current).
void RunGrahaDrishtiEngines(ReadingRecords& records);
// Runs the timing engines on records whose positions are computed: the
// nakshatras, then the dashas records.dashaChoices asks for, from
// records.degrees (filled first if it is not current).
void RunDashaEngines(ReadingRecords& records);
// Whether the program's formulas serve a birth of this (Gregorian) year: 1901 to 2050.
inline constexpr bool FormulasServe(int year) { return year >= 1901 && year <= 2050; }

class CalculationDriver {
public:
    // Validates the entries; on success runs the whole reading and returns
    // nothing, on failure returns the refusal and leaves every record as it was.
    std::optional<Refusal> Calculate(const Entries& entries);

    // The ephemeris of the readings that follow; Formulas until chosen. A
    // birth outside the formulas' years (FormulasServe) takes the precise one
    // whatever is chosen, and records().preciseByDate says so.
    void setEphemeris(Ephemeris ephemeris) { records_.ephemeris = chosenEphemeris_ = ephemeris; }
    Ephemeris ephemeris() const { return chosenEphemeris_; }

    // The node of the readings that follow, over the one the entries carry
    // (a chart file's "nodes" line); none: the entries' own, else the mean one.
    void setNodes(std::optional<NodeKind> nodes) { nodes_ = nodes; }
    const std::optional<NodeKind>& nodes() const { return nodes_; }

    // The ayanamsa of the readings that follow, over the one the entries
    // carry (a chart file's "ayanamsa" tagged line); none: the entries' own,
    // else the program's. The birth record's tagged lines then name it.
    void setAyanamsa(std::optional<AyanamsaChoice> ayanamsa) { ayanamsa_ = ayanamsa; }
    const std::optional<AyanamsaChoice>& ayanamsa() const { return ayanamsa_; }

    // Whether readings also find the window of clock time in which their signs
    // stay (records().window); off until asked, as it costs a little more.
    void setWithWindow(bool withWindow) { withWindow_ = withWindow; }
    bool withWindow() const { return withWindow_; }
    // Whether readings also cut the birth's day into the chart's slices
    // (records().day); off until asked.
    void setWithDay(bool withDay) { withDay_ = withDay; }
    bool withDay() const { return withDay_; }

    // Who knows the places' clocks: with one, a birth with an exact zone has
    // its window's edges and its day's strip on the place's clock as it went
    // (records().clock); without, at the birth's own offset throughout. The
    // clock must outlive the driver's readings.
    void setZoneClock(const ZoneClock* clock) { zoneClock_ = clock; }
    // Whether readings also compute the Jaimini reading (records().jaimini)
    // and, with the window, how long its karakas and navamsa hold
    // (records().jaiminiWindow); off until asked.
    void setWithJaimini(bool withJaimini) { withJaimini_ = withJaimini; }
    bool withJaimini() const { return withJaimini_; }

    // The karaka scheme and the arudhas' exceptions for this and later
    // readings; the reading on show, if any, is evaluated again with them.
    void SetJaiminiChoices(const JaiminiChoices& choices);
    const JaiminiChoices& jaiminiChoices() const { return records_.jaiminiChoices; }

    // Whether readings also compute the graha drishti (records().grahaDrishti);
    // off until asked.
    void setWithGrahaDrishti(bool withGrahaDrishti) { withGrahaDrishti_ = withGrahaDrishti; }
    bool withGrahaDrishti() const { return withGrahaDrishti_; }
    // The nodes' aspects for this and later readings; the reading on show,
    // if any, is evaluated again with them.
    void SetNodeAspects(NodeAspects nodes);
    NodeAspects nodeAspects() const { return records_.nodeAspects; }
    // The nakshatras and dashas of this and later readings (none until
    // chosen); the reading on show, if any, gets them at once. With the
    // window, how long the Moon's nakshatra holds (records().nakshatraWindow).
    void SetDashaChoices(const DashaChoices& choices);
    const DashaChoices& dashaChoices() const { return records_.dashaChoices; }

    const ReadingRecords& records() const { return records_; }
    const Report& report() const { return records_.report; }
    bool hasReading() const { return hasReading_; }

    // The rule of sign aspects for this and later readings; the reading on
    // show, if any, is evaluated again with it.
    void SetRule(AspectRuleChoice rule);
    AspectRuleChoice rule() const { return records_.rule; }

    // The language of the captions of this and later readings; the reading
    // on show, if any, is written again in it. Its signs and bodies stay.
    void SetLanguage(Language language);
    Language language() const { return records_.language; }

private:
    ReadingRecords records_;
    bool hasReading_ = false;
    bool withWindow_ = false;
    bool withDay_ = false;
    const ZoneClock* zoneClock_ = nullptr;
    Ephemeris chosenEphemeris_ = Ephemeris::Formulas;
    std::optional<NodeKind> nodes_;
    std::optional<AyanamsaChoice> ayanamsa_;
    bool withJaimini_ = false;
    bool withGrahaDrishti_ = false;
};

// The 36 captions in report order: name, position, aspects, grahas of row 0, then row 1...
std::vector<std::string> ReportLines(const Report& report);

} // namespace rashi
