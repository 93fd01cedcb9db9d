#pragma once
// The Jaimini reading as text: the lines the report tool prints after the
// captions, and their parts for the window, the page and Copy Reading.

#include "core/records/reading_records.h"
#include "core/words/reading_words.h"

#include <string>
#include <vector>

namespace rashi {

// The lines in a language's words, English by default.
// "Chara karakas (8) by the precise positions: AK Venus 27°56′, AmK Saturn 27°55′, …, DK Mercury 2°10′."
std::string KarakasLine(const KarakaRecord& karakas, const ReadingWords& words = WordsOf(Language::English));
// "Karakamsa (the Atmakaraka's navamsa sign): Mesha."
std::string KarakamsaLine(const KarakaRecord& karakas, const ReadingWords& words = WordsOf(Language::English));
// "Arudha padas: AL Simha, A2 Kanya, …, UL Mesha."
std::string ArudhaLine(const std::array<int, 12>& padas, const ReadingWords& words = WordsOf(Language::English));
// "Houses aspected from the lagna (Simha): Sun 9th, 12th, 3rd; Moon …."
std::string HousesLine(const AspectedHouses& houses, int lagna,
                       const ReadingWords& words = WordsOf(Language::English));

// The lines below are in the reading's language.

// "AK": a report row's karaka, or empty.
std::string KarakaTag(const ReadingRecords& records, int row);
// "houses 9th, 12th, 3rd": beside a row's aspect line; empty without the Jaimini reading.
std::string HousesNote(const ReadingRecords& records, int row);
// The lines shown under the rows of a reading: the karakas, the karakamsa,
// the sentence on the Atmakaraka and Amatyakaraka and the arudha padas (the
// houses stand beside each row); a navamsa view's name its chart.
std::vector<std::string> JaiminiPanelLines(const ReadingRecords& records);

// The lines above and the sentence on the Atmakaraka and Amatyakaraka; none
// when the Jaimini reading was not computed.
std::vector<std::string> JaiminiLines(const ReadingRecords& records);

} // namespace rashi
