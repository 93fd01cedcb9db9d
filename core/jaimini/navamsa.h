#pragma once
// The navamsa (D9): each sign cut into nine parts of 3°20', the parts counted
// from Mesha through the zodiac, so that a longitude's navamsa sign is the
// floor of the longitude over 3°20', modulo 12. The navamsa chart puts each
// body (and the lagna) in its navamsa sign, at nine times its longitude.

#include "core/records/reading_records.h"

namespace rashi {

// Nine times the longitude, into one turn: the position in the navamsa chart.
double NavamsaLongitude(double longitude);

// The navamsa sign of a longitude, 0 (Mesha) .. 11 (Meena); -1 for none.
int NavamsaSign(double longitude);

// Reads the longitudes of JaiminiLongitudes and JaiminiAscendant, the
// positions' names and records.rule; writes
// records.jaimini.navamsa: the table, the 36 captions (by the same rule and
// the same words as the birth chart's) and the houses from the navamsa lagna.
void ComputeNavamsa(ReadingRecords& records);

} // namespace rashi
