#pragma once
// The birth's day at a glance: its local calendar day (00:00 to 23:59 of the
// birth's clock, same zone row and box or exact offset) cut into the chart's
// slices, one for each run of minutes with one ascendant sign, with the
// minutes at which any of the nine bodies changes sign, and for each slice
// what would differ from the given chart.
//
// It steps as the window's search does: by the distance to the next sign edge
// divided by a bound on the speed, one minute at a time near an edge, so no
// change is missed; near the poles the ascendant is taken every minute.

#include "core/records/reading_records.h"

#include <string>

namespace rashi {

// Reads records.birth and records.ephemeris; writes records.day.
void ComputeDaySlices(ReadingRecords& records);

// "05:12": a minute of the day.
std::string DayClockText(int minute);

// "05:12–07:03: lagna Simha instead of Kanya; the Moon in Mithuna".
std::string DaySliceText(const DaySlice& slice);

// The slice holding a minute of the day, or -1.
int DaySliceAt(const DaySlicesRecord& day, int minute);

} // namespace rashi
