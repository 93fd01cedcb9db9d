#pragma once
// How far the birth time can move: the first and last whole minute of the
// birth's local clock for which the nine signs stay as at the birth (the
// reading) and for which the ascendant's sign stays too (the chart).
//
// The search steps by each body's distance to its next sign edge divided by
// a bound on its speed, so no change between two looks can be missed; near an
// edge the steps shrink to one minute, the reading's own resolution. It goes
// at most three days each way and never beyond the years the program offers.

#include "core/records/reading_records.h"

#include <array>
#include <optional>

namespace rashi {

inline constexpr int kWindowSearchMinutes = 3 * 1440;

// Speed bounds in degrees a day, report order: above the fastest each body
// moves in either ephemeris between 1901 and 2050.
inline constexpr std::array<double, kReportRows> kBodySpeedBounds = {
    1.10, // Sun (at most 1.02)
    16.5, // Moon (at most 15.4)
    2.50, // Mercury (at most 2.2)
    1.45, // Venus (at most 1.26)
    1.00, // Mars (at most 0.80)
    0.30, // Jupiter (at most 0.25)
    0.17, // Saturn (at most 0.13)
    0.07, // North Node (mean: 0.053)
    0.07, // South Node
};

// The ascendant's bound at a latitude, degrees a minute; nothing where it is
// too fast or not continuous (beyond about 65°), where the search takes
// every minute. The ascendant moves at dλ/dθ ≤ 1 / (cos ε − |tan φ| sin ε)
// times the sidereal rate.
std::optional<double> AscendantSpeedBound(double northLatitude);

// Reads records.birth, records.ephemeris, records.rule and records.report;
// writes records.window.
void ComputeTimeWindow(ReadingRecords& records);

// The edge `minutes` of Universal Time from the birth, as the place's clock
// (records.clock) showed it; every window of the reading gives its edges so.
WindowEdge EdgeOnPlaceClock(const ReadingRecords& records, int minutes, WindowLimit limit);

// True when a window ends by a change within `minutes` of the birth on
// either side: what it holds may not be what the person was born with.
bool ChangesNear(const HoldingWindow& window, int minutes = 5);

// The same for the chart's window (false when the window was not computed).
bool ChartChangesNear(const TimeWindowRecord& window, int minutes = 5);

// Which of the birth-time lines stand out, in the order WindowLines and then
// JaiminiWindowLines give them: the chart's, the karakas' and the navamsa's
// when a change lies within five minutes (the reading's line never does).
std::vector<bool> LinesChangingNear(const TimeWindowRecord& window, const JaiminiWindowRecord& jaimini);

} // namespace rashi
