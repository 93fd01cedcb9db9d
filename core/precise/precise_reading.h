#pragma once
// The reading's positions from the precise ephemeris, in the same records
// and texts as the program's formulas.

#include "core/chart/reading_records.h"

namespace rashi {

// Reads records.birth and records.chart; writes the chart's ayanamsa (the
// Lahiri value with nutation, negative), records.moon, records.positions and
// the ascendant's sidereal longitude and text (from the same frame).
// The theory's Pluto text stays empty: eraPlan94 has no Pluto.
void ComputePrecisePositions(ReadingRecords& records);

// The sidereal ascendant in degrees [0, 360) of the birth's moment and place
// (its degrees and minutes of longitude and latitude, east and south as
// marked), from the precise ephemeris.
double PreciseBirthAscendant(const BirthRecord& birth);

} // namespace rashi
