#pragma once
// What the two sign dashas (chara and drig) share: the odd-footed signs, the
// count of years from a sign to its lord, the exaltation's year, and the
// periods of two cycles from the birth.

#include "core/jaimini/arudha_padas.h"
#include "core/records/reading_records.h"

#include <array>

namespace rashi {

// Mesha, Vrishabha, Mithuna, Thula, Vrischika and Dhanus.
constexpr bool OddFooted(int sign) { return sign == 0 || sign == 1 || sign == 2 || sign == 6 || sign == 7 || sign == 8; }

// The direction the signs go from `sign`: +1 when its 9th is odd-footed, else -1.
constexpr int DirectionFrom(int sign) { return OddFooted((sign + 8) % 12) ? 1 : -1; }

// The signs from `sign` to `lordSign`, both counted, forward from an
// odd-footed sign and backward from an even-footed one, less one; 12 for a
// lord in the sign itself.
int YearsToLord(int sign, int lordSign);

// +1 when a report row stands in its exaltation sign (the Sun Mesha, the Moon
// Vrishabha, Mars Makara, Mercury Kanya, Jupiter Kataka, Venus Meena, Saturn
// Thula, Rahu Vrishabha, Ketu Vrischika), -1 in the 7th from it, else 0.
int ExaltationYear(int reportRow, int sign);

// What the sign dashas count from: records.dashas.signs and the degrees in them.
ArudhaChart DashaChart(const ReadingRecords& records);

// Twenty-four periods from `birthSecond`: the signs of `order` with
// `years`, then the same order with 12 less each; with `parts`, each divided
// into twelve equal antardashas from the next sign in DirectionFrom(its sign),
// its own sign last.
void BuildSignDasha(const std::array<int, 12>& order, const std::array<int, 12>& years, double birthSecond,
                    double yearDays, bool parts, DashaList& list);

} // namespace rashi
