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

std::string AtmaAmatyaSentence(const KarakaRecord& karakas, const std::array<int, kReportRows>& signs,
                               AspectRuleChoice rule, const ReadingWords& words) {
    if (karakas.order.size() < 2) return {};
    const int ak = karakas.order[0];
    const int amk = karakas.order[1];
    const int a = signs[ak];
    const int b = signs[amk];
    if (a < 0 || b < 0) return {};
    const JaiminiWords& w = words.jaimini;
    std::string text;
    for (const auto& [sentence, body, sign] : {std::tuple{w.atmakaraka, ak, a}, std::tuple{w.amatyakaraka, amk, b}})
        text.append(sentence.before).append(words.bodiesInSentence[body]).append(sentence.between)
            .append(words.signs[sign]).append(sentence.after);
    const std::string_view byRule = w.byRule[rule == AspectRuleChoice::Classical ? 1 : 0];
    if (a == b) return text.append(w.oneSign);
    const Sentence& stand = RuleTable(rule)[a] & (1u << b) ? w.mutual : w.neither;
    return text.append(stand.before).append(byRule).append(stand.between);
}

void ComputeCharaKarakas(ReadingRecords& records) {
    KarakaRecord& karakas = records.jaimini.karakas;
    const PositionTable& table = records.positions;
    karakas.scheme = records.jaiminiChoices.karakaScheme == 7 ? 7 : 8;
    WriteKarakaOrder(table.SiderealLongitudes, records.jaimini.signs, karakas.scheme, karakas.order);
    karakas.karakaOf.fill(-1);
    for (std::size_t rank = 0; rank < karakas.order.size(); ++rank)
        karakas.karakaOf[karakas.order[rank]] = static_cast<int>(rank);
    karakas.karakamsa = karakas.order.empty() ? -1 : NavamsaSign(table.SiderealLongitudes[karakas.order[0]]);
}

} // namespace rashi
