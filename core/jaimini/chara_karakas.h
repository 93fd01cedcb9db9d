#pragma once
// The chara karakas: the bodies ranked by the degrees they have travelled in
// their signs, highest first. Eight by default (Sun to Saturn and Rahu, Rahu's
// degrees counted backwards); seven without Rahu. Ketu is never a karaka. An
// exact tie goes by the report order.

#include "core/aspects/rashi_drishti.h"
#include "core/records/reading_records.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rashi {

// "AK", "AmK", …: the label of a rank (0 = the Atmakaraka) in a scheme of 7 or 8.
std::string_view KarakaLabel(int rank, int scheme);
// "Atmakaraka", …: the same in full.
std::string_view KarakaTitle(int rank, int scheme);
// A rank's word from one of a language's lists of the eight
// (JaiminiWords::karakaTags or karakaNames).
std::string_view KarakaWord(const std::array<std::string_view, 8>& eight, int rank, int scheme);

// The report rows of a scheme's bodies ranked, the Atmakaraka first, from the
// bodies' longitudes and signs (-1 for none: such a body is left out).
std::vector<int> KarakaOrder(const std::array<double, kReportRows>& longitudes,
                             const std::array<int, kReportRows>& signs, int scheme);
// The same written into `order`, whose buffer is kept.
void WriteKarakaOrder(const std::array<double, kReportRows>& longitudes, const std::array<int, kReportRows>& signs,
                      int scheme, std::vector<int>& order);

// How the Atmakaraka and the Amatyakaraka stand in the signs given: in one
// sign, in mutual Rashi Drishti by the classical rule (the test is
// Jaimini's, so his rule judges it whatever rule the captions use), or neither.
AtmaAmatya AtmaAmatyaStand(const KarakaRecord& karakas, const std::array<int, kReportRows>& signs);
// The same as one sentence, which names the rule.
std::string AtmaAmatyaSentence(const KarakaRecord& karakas, const std::array<int, kReportRows>& signs,
                               const ReadingWords& words = WordsOf(Language::English));

// Reads records.jaimini.signs, the degrees of JaiminiLongitudes and
// records.jaiminiChoices; writes records.jaimini.karakas.
void ComputeCharaKarakas(ReadingRecords& records);

} // namespace rashi
