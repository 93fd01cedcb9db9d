#pragma once
// The Jaimini reading as text: the lines the report tool prints after the
// captions, and their parts for the window, the page and Copy Reading.

#include "core/records/reading_records.h"

#include <string>
#include <vector>

namespace rashi {

// "Chara karakas (8): AK Moon, AmK Saturn, …, DK Mercury."
std::string KarakasLine(const KarakaRecord& karakas, const std::array<std::string, kReportRows>& names);
// "Karakamsa (the Atmakaraka's navamsa sign): Mesha."
std::string KarakamsaLine(const KarakaRecord& karakas);
// "Arudha padas: AL Simha, A2 Kanya, …, UL Mesha."
std::string ArudhaLine(const std::array<int, 12>& padas);
// "Houses aspected from the lagna (Simha): Sun 9th, 12th, 3rd; Moon …."
std::string HousesLine(const AspectedHouses& houses, int lagna, const std::array<std::string, kReportRows>& names);

// The lines above and the sentence on the Atmakaraka and Amatyakaraka; none
// when the Jaimini reading was not computed.
std::vector<std::string> JaiminiLines(const ReadingRecords& records);

} // namespace rashi
