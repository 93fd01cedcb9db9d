#pragma once
// The birth's day at a glance: its local calendar day (00:00 to 23:59 of the
// place's clock as it ran that day, 23 or 25 hours when the clocks changed;
// with a zone row, the row and box throughout) cut into the chart's
// slices, one for each run of minutes with one ascendant sign, with the
// minutes at which any of the nine bodies changes sign, and for each slice
// what would differ from the given chart.
//
// It steps as the window's search does: by the distance to the next sign edge
// divided by a bound on the speed, one minute at a time near an edge, so no
// change is missed; near the poles the ascendant is taken every minute.

#include "core/records/reading_records.h"

#include <string>
#include <utility>
#include <vector>

namespace rashi {

// Reads records.birth and records.ephemeris; writes records.day.
void ComputeDaySlices(ReadingRecords& records);

// The clock minute past the day's 00:00 that the place's clock showed at a
// minute of the day, and its offset then.
int DayClockMinute(const DaySlicesRecord& day, int minute);
int DayClockOffset(const DaySlicesRecord& day, int minute);

// "05:12": a minute of the day as the place's clock showed it; a time it
// showed twice adds its offset: "01:30 UTC-4:00".
std::string DayClockText(const DaySlicesRecord& day, int minute);

// The whole hours the clock showed, as (minute of the day, hour), 0 and 24
// included where the clock showed them.
std::vector<std::pair<int, int>> DayHours(const DaySlicesRecord& day);

// "05:12–07:03: lagna Simha instead of Kanya; the Moon in Mithuna".
std::string DaySliceText(const DaySlicesRecord& day, const DaySlice& slice);

// The slice holding a minute of the day, or -1.
int DaySliceAt(const DaySlicesRecord& day, int minute);

} // namespace rashi
