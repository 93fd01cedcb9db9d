#pragma once
// The reading's positions from the precise ephemeris, in the same records
// and texts as the program's formulas.

#include "core/records/reading_records.h"
#include "core/precise/precise_positions.h"

namespace rashi {

// Reads records.birth and records.chart; writes the chart's ayanamsa (the
// Lahiri value with nutation, negative), records.moon, records.positions and
// the ascendant's sidereal longitude and text (from the same frame).
// The theory's Pluto text stays empty: eraPlan94 has no Pluto.
void ComputePrecisePositions(ReadingRecords& records);

// Fills records.degrees from the precise ephemeris unless it is current: a
// copy of the positions when they are precise already, else one frame of the
// birth's moment. Reads records.birth, records.ephemeris and, when precise,
// records.positions and records.ascendant.
void EnsurePreciseDegrees(ReadingRecords& records);

// The sidereal ascendant in degrees [0, 360) of the birth's moment and place
// (its degrees and minutes of longitude and latitude, east and south as
// marked), from the precise ephemeris.
double PreciseBirthAscendant(const BirthRecord& birth);

// The frame of the birth's moment: its clock time less its offset, to the
// second, as every precise position uses; its ayanamsa the birth's named one,
// else Lahiri.
PreciseFrame FrameOfBirth(const BirthRecord& birth);

// The birth place's sidereal ascendant on a frame.
double AscendantInFrame(const PreciseFrame& frame, const BirthRecord& birth);

// The report rows' longitudes (report order) from the bodies of a frame.
std::array<double, kReportRows> PreciseReportLongitudes(const PreciseSky& sky);

} // namespace rashi
