#pragma once
// The chara dasha by K.N. Rao's method. The signs go from the lagna's,
// forward when its 9th is odd-footed, else backward. A sign's years are the
// count to its lord (sign_dasha.h); Vrischika and Kumbha count to the lord
// away from the sign when the other stands in it, give 12 when both do, and
// otherwise count to the one with more bodies in its sign, then the one
// further in it. No year for exaltation unless asked. The second cycle gives
// each sign 12 less; the first period starts at the birth.

#include "core/jaimini/arudha_padas.h"
#include "core/records/reading_records.h"

#include <array>

namespace rashi {

// The twelve signs of the dasha from the lagna's sign.
std::array<int, 12> CharaOrder(int lagna);

// A sign's years in the first cycle, 0..12.
int CharaYears(int sign, const ArudhaChart& chart, bool exaltation);

// Reads records.degrees and records.dashas' birth moment, with
// records.dashaChoices; writes records.dashas.chara (with its antardashas).
void ComputeCharaDasha(ReadingRecords& records);

} // namespace rashi
