#pragma once
// The houses each body aspects: the three signs of its Rashi Drishti counted
// from the lagna's sign as house 1, in the order of the caption's signs.

#include "core/aspects/rashi_drishti.h"
#include "core/records/reading_records.h"

#include <array>
#include <string>

namespace rashi {

// From the bodies' signs (-1 for none) and the lagna's sign.
AspectedHouses HousesFromLagna(const std::array<int, kReportRows>& signs, int lagna, const AspectRule& rule);

// "9th, 12th, 3rd" ("9, 12, 3" in Hindi); empty for a row without houses.
std::string HousesText(const std::array<int, 3>& houses, const ReadingWords& words = WordsOf(Language::English));

// Reads records.positions, records.ascendant and records.rule; writes
// records.jaimini.lagna and records.jaimini.houses.
void ComputeAspectedHouses(ReadingRecords& records);

} // namespace rashi
