#pragma once
// The Moon's sidereal longitude from the 25 largest terms of the lunar series
// in longitude (mean equinox of date), made sidereal with AyanamsaCorrection.

#include "core/records/ayanamsa_choice.h"
#include "core/records/reading_records.h"

#include <array>

namespace rashi {

struct LunarTerm {
    int D, M, Mp, F;      // multipliers of the fundamental arguments
    double coefficient;   // degrees
    bool timesE;          // multiplied by the eccentricity factor E
};

extern const std::array<LunarTerm, 25> kLunarTerms;

// Tropical longitude of the Moon at T, reduced into [0, 360].
double MoonTropicalLongitude(double T);

// Sidereal longitude at T, in [0, 360).
double MoonSiderealLongitude(double T);

// The same with the birth's ayanamsa: the Moon's own formula by default, else
// the tropical longitude plus the chart's ayanamsa (negative degrees).
double MoonSiderealLongitude(double T, const AyanamsaChoice& choice, double chartAyanamsa);

// Reads records.birth; writes records.moon.
void ComputeMoonPosition(ReadingRecords& records);

} // namespace rashi
