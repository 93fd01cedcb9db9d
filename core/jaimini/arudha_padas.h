#pragma once
// The arudha padas: for each house counted from the lagna (A1, the arudha
// lagna, to A12, the upapada), count from the house's sign to its lord's
// sign, then as many signs again from the lord. Where that lands on the house
// itself the pada is the 10th from the house, where on the 7th from the house
// the 4th from it (the two exceptions, which some schools leave out).
//
// Vrischika has two lords (Mars and Ketu), Kumbha two (Saturn and Rahu); the
// count goes from the stronger, decided by the first of these that separates
// them: (a) one stands in the sign and the other does not: the other;
// (b) more of the nine bodies in its sign, itself not counted; (c) more of
// Jupiter, Mercury and its own dispositor joining it or aspecting it by Rashi
// Drishti; (d) exalted (Saturn in Thula, Rahu in Vrishabha, Mars in Makara,
// Ketu in Vrischika); (e) in the stronger kind of sign, dual over fixed over
// movable; (f) further in its sign, the nodes counted backwards. Mars and
// Saturn where nothing separates them.

#include "core/aspects/rashi_drishti.h"
#include "core/records/reading_records.h"

#include <array>

namespace rashi {

// What the padas are counted from: each report row's sign (-1 for none) and
// its degrees in the sign as the karakas count them.
struct ArudhaChart {
    std::array<int, kReportRows> signs{};
    std::array<double, kReportRows> degrees{};
};

// The report row of a sign's lord: Mars for Vrischika, Saturn for Kumbha;
// their other lords (Ketu and Rahu), -1 for every other sign.
int OwnLord(int sign);
int OtherLord(int sign);
// How many of the other report rows stand in the sign of `body` (b).
int BodiesWith(int body, const ArudhaChart& chart);

// The report row of a sign's lord; for Vrischika and Kumbha the stronger of
// the two, by the rule of aspects in force.
int SignLord(int sign, const ArudhaChart& chart, const AspectRule& rule);

// The sign of the pada of one sign; -1 when its lord's sign is unknown.
int ArudhaOfSign(int sign, const ArudhaChart& chart, const AspectRule& rule, bool exceptions);

// A1 .. A12 from the lagna's sign.
std::array<int, 12> ArudhaPadas(int lagna, const ArudhaChart& chart, const AspectRule& rule, bool exceptions);

// "AL" and "UL" for A1 and A12, "A2" .. "A11" between.
std::string_view ArudhaLabel(int house, const ReadingWords& words = WordsOf(Language::English));

// Reads records.positions, records.ascendant, records.rule and
// records.jaiminiChoices; writes records.jaimini.arudhaPadas.
void ComputeArudhaPadas(ReadingRecords& records);

} // namespace rashi
