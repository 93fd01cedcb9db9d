#pragma once
// The nakshatras: 27 of 13°20′ from 0° Mesha, each of four padas of 3°20′,
// their lords the nine Vimshottari lords in the cycle's order from Ashwini.

#include "core/records/reading_records.h"

#include <array>

namespace rashi {

inline constexpr int kNakshatras = 27;
inline constexpr double kNakshatraDegrees = 360.0 / kNakshatras;

// The Vimshottari lords in the cycle's order, with their years (120 in all).
namespace lord {
enum : int { Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury };
}
inline constexpr std::array<int, 9> kVimshottariYears = {7, 20, 6, 10, 7, 18, 16, 19, 17};
inline constexpr int kVimshottariCycleYears = 120;

// The report row (core/jaimini/chart_signs.h's row::) of a Vimshottari lord.
int LordRow(int vimshottariLord);

// The nakshatra of a sidereal longitude in degrees (any value; taken into
// [0, 360)); index -1 for a longitude that is not a number.
NakshatraPlace NakshatraOf(double longitude);

// Reads records.degrees (filled first when not current) and records.birth;
// writes records.dashas.nakshatras, .lagnaNakshatra, .moonLongitude, the
// birth's moment and the signs the sign dashas count with.
void ComputeNakshatras(ReadingRecords& records);

} // namespace rashi
