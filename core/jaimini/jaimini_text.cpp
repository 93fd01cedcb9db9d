#include "core/jaimini/jaimini_text.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/arudha_padas.h"
#include "core/jaimini/aspected_houses.h"
#include "core/jaimini/chara_karakas.h"
#include "core/jaimini/chart_signs.h"

namespace rashi {
namespace {

std::string SignName(int sign) { return sign >= 0 && sign < 12 ? std::string(kSigns[sign].sanskrit) : "no sign"; }

} // namespace

std::string KarakasLine(const KarakaRecord& karakas, const std::array<std::string, kReportRows>& names) {
    std::string line = "Chara karakas (" + std::to_string(karakas.scheme) + "): ";
    for (std::size_t rank = 0; rank < karakas.order.size(); ++rank) {
        if (rank > 0) line += ", ";
        line.append(KarakaLabel(static_cast<int>(rank), karakas.scheme)).append(" ").append(names[karakas.order[rank]]);
    }
    return line + ".";
}

std::string KarakamsaLine(const KarakaRecord& karakas) {
    return "Karakamsa (the Atmakaraka's navamsa sign): " + SignName(karakas.karakamsa) + ".";
}

std::string ArudhaLine(const std::array<int, 12>& padas) {
    std::string line = "Arudha padas: ";
    for (int house = 1; house <= 12; ++house) {
        if (house > 1) line += ", ";
        line += ArudhaLabel(house) + " " + SignName(padas[house - 1]);
    }
    return line + ".";
}

std::string HousesLine(const AspectedHouses& houses, int lagna, const std::array<std::string, kReportRows>& names) {
    std::string line = "Houses aspected from the lagna (" + SignName(lagna) + "): ";
    for (int i = 0; i < kReportRows; ++i) {
        if (i > 0) line += "; ";
        line += names[i] + " " + HousesText(houses[i]);
    }
    return line + ".";
}

std::string KarakaTag(const ReadingRecords& records, int row) {
    if (!records.jaimini.computed || row < 0 || row >= kReportRows) return {};
    const KarakaRecord& k = records.jaimini.karakas;
    return std::string(KarakaLabel(k.karakaOf[row], k.scheme));
}

std::string HousesNote(const ReadingRecords& records, int row) {
    if (!records.jaimini.computed || row < 0 || row >= kReportRows) return {};
    const std::string houses = HousesText(records.jaimini.houses[row]);
    return houses.empty() ? houses : "houses " + houses;
}

std::vector<std::string> JaiminiPanelLines(const ReadingRecords& records) {
    std::vector<std::string> lines = JaiminiLines(records);
    if (lines.empty()) return lines;
    lines.pop_back(); // the houses, shown beside each row
    if (records.jaimini.navamsaShown) {
        lines.erase(lines.end() - 1); // the arudha padas are the birth chart's
        lines.insert(lines.begin(), "Navamsa (D9) chart: lagna " + SignName(records.jaimini.lagna) +
                                        ", each body at nine times its longitude; the karakamsa is " +
                                        SignName(records.jaimini.karakas.karakamsa) + ".");
    }
    return lines;
}

std::vector<std::string> JaiminiLines(const ReadingRecords& records) {
    const JaiminiRecord& j = records.jaimini;
    if (!j.computed) return {};
    const auto& names = records.positions.PlanetNames;
    std::vector<std::string> lines = {KarakasLine(j.karakas, names), KarakamsaLine(j.karakas)};
    const std::string sentence = AtmaAmatyaSentence(j.karakas, j.signs, names, records.rule);
    if (!sentence.empty()) lines.push_back(sentence);
    lines.push_back(ArudhaLine(j.arudhaPadas));
    lines.push_back(HousesLine(j.houses, j.lagna, names));
    return lines;
}

} // namespace rashi
