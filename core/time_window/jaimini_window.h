#pragma once
// How far the birth time can move with the same Jaimini chart: the first and
// last whole minute of the birth's clock with the same order of chara
// karakas, and with the same navamsa signs of the nine bodies and the lagna.
//
// Both go with the birth-time window's stepper, which looks again wherever a
// watched quantity could have crossed an edge. For the karakas the watched
// quantities are each body's longitude (its sign, and so its degrees, can
// change) and, for each pair of bodies, the difference of their degrees in
// their signs, which crosses zero where the two change places; the pair's
// speed bound is the sum of the two bodies'. For the navamsa they are nine
// times each longitude, which changes sign where the longitude crosses a
// multiple of 3°20'.

#include "core/records/reading_records.h"

#include <array>

namespace rashi {

inline constexpr int kKarakaBodies = 8;                                // Sun .. Saturn and Rahu
inline constexpr int kKarakaWatched = kKarakaBodies + kKarakaBodies * (kKarakaBodies - 1) / 2;
using KarakaWatch = std::array<double, kKarakaWatched>;

// The karaka bodies' longitudes, then for each pair 30 plus the difference
// of their degrees in their signs: an edge at 30 where the two change places.
KarakaWatch KarakaWatched(const std::array<double, kReportRows>& longitudes);
// How far each watched quantity can move in a minute: a pair's difference
// closes as fast as both bodies' speeds together.
KarakaWatch KarakaBounds();

// Reads records.birth and records.jaimini (its karaka
// scheme); writes records.jaiminiWindow.
void ComputeJaiminiWindow(ReadingRecords& records);

} // namespace rashi
