#pragma once
// How far the birth time can move with the Moon in the same nakshatra: the
// first and last whole minute of the birth's clock with it, found by the
// birth-time window's stepper on the Moon's longitude times 27/12, whose
// "signs" are the nakshatras. By the precise Moon in every mode, as the
// dashas count from it.

#include "core/records/reading_records.h"

namespace rashi {

// Reads records.birth and records.clock; writes records.nakshatraWindow.
void ComputeNakshatraWindow(ReadingRecords& records);

} // namespace rashi
