#pragma once
// The drig dasha. From the lagna, the 9th, 10th and 11th signs each come
// first in a group with the three signs it aspects by the classical Rashi
// Drishti, taken from it forward when it is odd-footed and backward when
// even-footed, nearest first. A dual lagna's 9th aspects its 11th, and its
// 11th its 9th, so for a dual lagna the groups start from the 9th, 8th and
// 7th instead: twelve signs either way. The years are counted as the chara
// dasha's, an exalted lord adding a year and a debilitated one taking one
// away; of Vrischika's and Kumbha's lords, with neither in the sign, the
// stronger by the arudhas' rule. The classical rule always: the dasha is made
// of it.

#include "core/jaimini/arudha_padas.h"
#include "core/records/reading_records.h"

#include <array>

namespace rashi {

// The twelve signs of the dasha from the lagna's sign.
std::array<int, 12> DrigOrder(int lagna);

// A sign's years in the first cycle, 0..12.
int DrigYears(int sign, const ArudhaChart& chart);

// Reads records.degrees and records.dashas' birth moment; writes records.dashas.drig.
void ComputeDrigDasha(ReadingRecords& records);

} // namespace rashi
