#pragma once
// Graha drishti: the signs each body aspects counted from its own sign, in
// full or in part, with their houses from the lagna and the bodies standing
// in them; and the whole reading of it (ComputeGrahaDrishti).

#include "core/aspects/sphuta_drishti.h"
#include "core/records/reading_records.h"

#include <array>
#include <optional>
#include <string_view>

namespace rashi {

// The places, counted from a body's sign as the 1st, that every body aspects
// at least in part.
inline constexpr std::array<int, kGrahaCounts> kGrahaCountsFromBody = {3, 4, 5, 7, 8, 9, 10};

// A whole sign's aspect is the body's curve at the sign's arc, in quarters of
// 60 virupas: 3rd and 10th a quarter, 5th and 9th a half, 4th and 8th three
// quarters, 7th and the special ones full. The nodes aspect by the ordinary
// curve, or, as one school has it, in full on the 5th and 9th as well.
inline constexpr DrishtiCurve kNodesFifthNinthCurve = {0, 0, 15, 45, 60, 0, 60, 45, 60, 15, 0, 0};

// The curve a report row's whole-sign aspects are read from.
const DrishtiCurve& SignAspectCurve(int reportRow, NodeAspects nodes);

// Each row's seven aspects from the bodies' signs (-1 for none) and the
// lagna's sign, in count order.
std::array<std::array<GrahaAspect, kGrahaCounts>, kReportRows> GrahaAspects(const std::array<int, kReportRows>& signs,
                                                                           int lagna, NodeAspects nodes);

// The signs (a bit each) a row's aspects reach in full.
unsigned FullAspectSigns(const std::array<GrahaAspect, kGrahaCounts>& aspects);

// "7" or "5-9": the node option's key on the command line and in exports.
std::string_view NodeAspectsKey(NodeAspects nodes);
// The option of a key; nothing for any other text.
std::optional<NodeAspects> NodeAspectsFromKey(std::string_view key);

// Reads the captions' signs (records.positions, records.ascendant),
// records.degrees (which must be current), records.rule and
// records.nodeAspects; writes records.grahaDrishti.
void ComputeGrahaDrishti(ReadingRecords& records);

} // namespace rashi
