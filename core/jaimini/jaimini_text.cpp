#include "core/jaimini/jaimini_text.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/arudha_padas.h"
#include "core/jaimini/aspected_houses.h"
#include "core/jaimini/chara_karakas.h"
#include "core/jaimini/chart_signs.h"

#include <cmath>

namespace rashi {
namespace {

// "27°56′": whole degrees and minutes, the minutes cut, not rounded, so that
// no text puts a body past the degree it has reached.
std::string DegreesText(double degrees) {
    const int minutes = static_cast<int>(std::floor(degrees * 60));
    return std::to_string(minutes / 60) + "°" + (minutes % 60 < 10 ? "0" : "") + std::to_string(minutes % 60) + "′";
}

} // namespace

std::string KarakasLine(const KarakaRecord& karakas, const ReadingWords& words) {
    const Sentence& line = words.jaimini.karakasLine;
    std::string text = std::string(line.before) + std::to_string(karakas.scheme) + std::string(line.between);
    for (std::size_t rank = 0; rank < karakas.order.size(); ++rank) {
        if (rank > 0) text += words.listSeparator;
        text.append(KarakaWord(words.jaimini.karakaNames, static_cast<int>(rank), karakas.scheme))
            .append(" ")
            .append(words.bodies[karakas.order[rank]])
            .append(" ")
            .append(DegreesText(karakas.degrees[karakas.order[rank]]));
    }
    return text.append(line.after);
}

std::string KarakamsaLine(const KarakaRecord& karakas, const ReadingWords& words) {
    return Fill(words.jaimini.karakamsaLine, SignWord(karakas.karakamsa, words));
}

std::string ArudhaLine(const std::array<int, 12>& padas, const ReadingWords& words) {
    std::string text(words.jaimini.arudhaLine.before);
    for (int house = 1; house <= 12; ++house) {
        if (house > 1) text += words.listSeparator;
        text.append(ArudhaLabel(house, words)).append(" ").append(SignWord(padas[house - 1], words));
    }
    return text.append(words.jaimini.arudhaLine.after);
}

std::string HousesLine(const AspectedHouses& houses, int lagna, const ReadingWords& words) {
    const Sentence& line = words.jaimini.housesLine;
    std::string text = std::string(line.before).append(SignWord(lagna, words)).append(line.between);
    for (int i = 0; i < kReportRows; ++i) {
        if (i > 0) text += "; ";
        text.append(words.bodies[i]).append(" ").append(HousesText(houses[i], words));
    }
    return text.append(line.after);
}

std::string KarakaTag(const ReadingRecords& records, int row) {
    if (!records.jaimini.computed || row < 0 || row >= kReportRows) return {};
    const KarakaRecord& k = records.jaimini.karakas;
    return std::string(KarakaWord(WordsOf(records.language).jaimini.karakaTags, k.karakaOf[row], k.scheme));
}

std::string HousesNote(const ReadingRecords& records, int row) {
    if (!records.jaimini.computed || row < 0 || row >= kReportRows) return {};
    const ReadingWords& words = WordsOf(records.language);
    const std::string houses = HousesText(records.jaimini.houses[row], words);
    return houses.empty() ? houses : std::string(words.jaimini.housesNote) + houses;
}

std::vector<std::string> JaiminiPanelLines(const ReadingRecords& records) {
    std::vector<std::string> lines = JaiminiLines(records);
    if (lines.empty()) return lines;
    lines.pop_back(); // the houses, shown beside each row
    if (records.jaimini.navamsaShown) {
        const ReadingWords& words = WordsOf(records.language);
        lines.erase(lines.end() - 1); // the arudha padas are the birth chart's
        lines.insert(lines.begin(), Fill(words.jaimini.navamsaChart, SignWord(records.jaimini.lagna, words),
                                         SignWord(records.jaimini.karakas.karakamsa, words)));
    }
    return lines;
}

std::vector<std::string> JaiminiLines(const ReadingRecords& records) {
    const JaiminiRecord& j = records.jaimini;
    if (!j.computed) return {};
    const ReadingWords& words = WordsOf(records.language);
    std::vector<std::string> lines = {KarakasLine(j.karakas, words), KarakamsaLine(j.karakas, words)};
    const std::string sentence = AtmaAmatyaSentence(j.karakas, j.signs, words);
    if (!sentence.empty()) lines.push_back(sentence);
    lines.push_back(ArudhaLine(j.arudhaPadas, words));
    lines.push_back(HousesLine(j.houses, j.lagna, words));
    return lines;
}

} // namespace rashi
