#pragma once
// The Vimshottari dasha: nine mahadashas from the lord of the Moon's
// nakshatra, the first begun the fraction of the nakshatra the Moon has
// travelled times its years before the birth. A period of lord M divides into
// nine, from M in the cycle's order, lord A's part lasting M's length times
// A's years over 120; the deeper levels (pratyantar, sookshma, prana) the same.

#include "core/records/reading_records.h"

namespace rashi {

inline constexpr int kMostVimshottariLevels = 5;

// The periods of a Moon at `moonLongitude` (sidereal degrees) and a birth at
// `birthSecond`, down to `levels` levels, into `list` (its buffer kept);
// returns the years of the first mahadasha left at the birth.
double BuildVimshottari(double moonLongitude, double birthSecond, int levels, double yearDays, DashaList& list);

// Reads records.dashas (its Moon and birth moment) and records.dashaChoices;
// writes records.dashas.vimshottari and .balanceYears.
void ComputeVimshottari(ReadingRecords& records);

// Days every Vimshottari date moves for a birth one minute later: the
// minute itself less what the Moon's minute of travel takes off the first
// mahadasha's start (negative: earlier). By the precise Moon's motion at the
// birth over two minutes.
double VimshottariShiftDays(const ReadingRecords& records);

} // namespace rashi
