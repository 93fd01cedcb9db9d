#include "core/jaimini/chara_karakas.h"

#include "core/jaimini/chart_signs.h"
#include "core/jaimini/navamsa.h"

#include <algorithm>
#include <tuple>

namespace rashi {
namespace {

constexpr std::array<std::string_view, 8> kTitles = {"Atmakaraka",  "Amatyakaraka", "Bhratrikaraka", "Matrikaraka",
                                                     "Pitrikaraka", "Putrakaraka",  "Gnatikaraka",   "Darakaraka"};

} // namespace

std::string_view KarakaLabel(int rank, int scheme) {
    return KarakaWord(WordsOf(Language::English).jaimini.karakaTags, rank, scheme);
}

std::string_view KarakaTitle(int rank, int scheme) { return KarakaWord(kTitles, rank, scheme); }

std::vector<int> KarakaOrder(const std::array<double, kReportRows>& longitudes,
                             const std::array<int, kReportRows>& signs, int scheme) {
    std::vector<int> order;
    WriteKarakaOrder(longitudes, signs, scheme, order);
    return order;
}

void WriteKarakaOrder(const std::array<double, kReportRows>& longitudes, const std::array<int, kReportRows>& signs,
                      int scheme, std::vector<int>& order) {
    const int bodies = scheme == 7 ? 7 : 8; // report rows Sun .. Saturn, then Rahu
    std::array<double, kReportRows> degrees{};
    order.clear();
    order.reserve(8);
    for (int i = 0; i < bodies; ++i) {
        if (signs[i] < 0) continue;
        degrees[i] = DegreesTravelled(i, longitudes[i], signs[i]);
        order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return degrees[a] > degrees[b]; });
}

std::string_view KarakaWord(const std::array<std::string_view, 8>& eight, int rank, int scheme) {
    if (rank < 0 || rank >= (scheme == 7 ? 7 : 8)) return {};
    // The seven have no Pitrikaraka: the ranks from the fifth on take the next word.
    return eight[static_cast<std::size_t>(scheme == 7 && rank >= 4 ? rank + 1 : rank)];
}

AtmaAmatya AtmaAmatyaStand(const KarakaRecord& karakas, const std::array<int, kReportRows>& signs) {
    if (karakas.order.size() < 2) return AtmaAmatya::Unknown;
    const int a = signs[karakas.order[0]];
    const int b = signs[karakas.order[1]];
    if (a < 0 || b < 0) return AtmaAmatya::Unknown;
    if (a == b) return AtmaAmatya::SameSign;
    return RuleTable(AspectRuleChoice::Classical)[a] & (1u << b) ? AtmaAmatya::Mutual : AtmaAmatya::Neither;
}

std::string AtmaAmatyaSentence(const KarakaRecord& karakas, const std::array<int, kReportRows>& signs,
                               const ReadingWords& words) {
    const AtmaAmatya stand = AtmaAmatyaStand(karakas, signs);
    if (stand == AtmaAmatya::Unknown) return {};
    const int ak = karakas.order[0];
    const int amk = karakas.order[1];
    const int a = signs[ak];
    const int b = signs[amk];
    const JaiminiWords& w = words.jaimini;
    std::string text;
    for (const auto& [sentence, body, sign] : {std::tuple{w.atmakaraka, ak, a}, std::tuple{w.amatyakaraka, amk, b}})
        text.append(sentence.before).append(words.bodiesInSentence[body]).append(sentence.between)
            .append(words.signs[sign]).append(sentence.after);
    if (stand == AtmaAmatya::SameSign) return text.append(w.oneSign);
    const Sentence& said = stand == AtmaAmatya::Mutual ? w.mutual : w.neither;
    return text.append(said.before).append(w.byRule[1]).append(said.between);
}

void ComputeCharaKarakas(ReadingRecords& records) {
    KarakaRecord& karakas = records.jaimini.karakas;
    const auto& longitudes = JaiminiLongitudes(records);
    karakas.scheme = records.jaiminiChoices.karakaScheme == 7 ? 7 : 8;
    // Ranked by the degrees measured, each in the sign its longitude lies in.
    std::array<int, kReportRows> signs{};
    for (int i = 0; i < kReportRows; ++i)
        signs[i] = records.jaimini.signs[i] < 0 || !(longitudes[i] >= 0 && longitudes[i] < 360)
                       ? -1 : static_cast<int>(longitudes[i] / 30);
    WriteKarakaOrder(longitudes, signs, karakas.scheme, karakas.order);
    karakas.degrees = DegreesInOwnSigns(longitudes, signs);
    karakas.karakaOf.fill(-1);
    for (std::size_t rank = 0; rank < karakas.order.size(); ++rank)
        karakas.karakaOf[karakas.order[rank]] = static_cast<int>(rank);
    karakas.karakamsa = karakas.order.empty() ? -1 : NavamsaSign(longitudes[karakas.order[0]]);
}

} // namespace rashi
