#pragma once
// The ayanamsa taken off the Sun, the planets and the nodes. It has its own
// epoch (JD 2415020.0) and formula, apart from the Moon's.

#include "core/records/reading_records.h"

namespace rashi {

// The negative of the ayanamsa at T0 (centuries from JD 2415020.0), in degrees.
double PlanetAyanamsaCorrection(double T0);

// The birth's UT, its centuries from JD 2415020.0 and the chart's ayanamsa:
// the program's own formula, or the birth's named ayanamsa at its moment.
PlanetChart ChartOfBirth(const BirthRecord& birth);

// Reads records.birth; writes records.chart.
void SetUpChart(ReadingRecords& records);

} // namespace rashi
