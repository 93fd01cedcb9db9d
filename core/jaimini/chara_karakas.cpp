#include "core/jaimini/chara_karakas.h"

#include "core/jaimini/chart_signs.h"
#include "core/jaimini/navamsa.h"

#include <algorithm>

namespace rashi {
namespace {

constexpr std::array<std::string_view, 8> kLabels8 = {"AK", "AmK", "BK", "MK", "PiK", "PK", "GK", "DK"};
constexpr std::array<std::string_view, 7> kLabels7 = {"AK", "AmK", "BK", "MK", "PK", "GK", "DK"};
constexpr std::array<std::string_view, 8> kTitles8 = {"Atmakaraka",   "Amatyakaraka", "Bhratrikaraka", "Matrikaraka",
                                                      "Pitrikaraka",  "Putrakaraka",  "Gnatikaraka",   "Darakaraka"};
constexpr std::array<std::string_view, 7> kTitles7 = {"Atmakaraka",  "Amatyakaraka", "Bhratrikaraka", "Matrikaraka",
                                                      "Putrakaraka", "Gnatikaraka",  "Darakaraka"};

// "the Moon", "Saturn".
std::string InSentence(const std::string& name) {
    return name == "Sun" || name == "Moon" || name == "North Node" || name == "South Node" ? "the " + name : name;
}

} // namespace

std::string_view KarakaLabel(int rank, int scheme) {
    if (rank < 0) return {};
    if (scheme == 7) return rank < 7 ? kLabels7[rank] : std::string_view();
    return rank < 8 ? kLabels8[rank] : std::string_view();
}

std::string_view KarakaTitle(int rank, int scheme) {
    if (rank < 0) return {};
    if (scheme == 7) return rank < 7 ? kTitles7[rank] : std::string_view();
    return rank < 8 ? kTitles8[rank] : std::string_view();
}

std::vector<int> KarakaOrder(const std::array<double, kReportRows>& longitudes,
                             const std::array<int, kReportRows>& signs, int scheme) {
    const int bodies = scheme == 7 ? 7 : 8; // report rows Sun .. Saturn, then Rahu
    std::array<double, kReportRows> degrees{};
    std::vector<int> order;
    order.reserve(8);
    for (int i = 0; i < bodies; ++i) {
        if (signs[i] < 0) continue;
        degrees[i] = DegreesTravelled(i, longitudes[i], signs[i]);
        order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return degrees[a] > degrees[b]; });
    return order;
}

std::string AtmaAmatyaSentence(const KarakaRecord& karakas, const std::array<int, kReportRows>& signs,
                               const std::array<std::string, kReportRows>& names, AspectRuleChoice rule) {
    if (karakas.order.size() < 2) return {};
    const int ak = karakas.order[0];
    const int amk = karakas.order[1];
    const int a = signs[ak];
    const int b = signs[amk];
    if (a < 0 || b < 0) return {};
    const std::string pair = "The Atmakaraka (" + InSentence(names[ak]) + ", in " + std::string(kSigns[a].sanskrit) +
                             ") and the Amatyakaraka (" + InSentence(names[amk]) + ", in " +
                             std::string(kSigns[b].sanskrit) + ")";
    const std::string byRule = rule == AspectRuleChoice::Classical ? "by the classical rule" : "by our rule";
    if (a == b) return pair + " stand in one sign: the first test of a Jaimini raja yoga is met.";
    if (RuleTable(rule)[a] & (1u << b))
        return pair + " are in mutual Rashi Drishti " + byRule + ": the first test of a Jaimini raja yoga is met.";
    return pair + " are neither in mutual Rashi Drishti " + byRule + " nor in one sign.";
}

void ComputeCharaKarakas(ReadingRecords& records) {
    KarakaRecord& karakas = records.jaimini.karakas;
    const PositionTable& table = records.positions;
    karakas.scheme = records.jaiminiChoices.karakaScheme == 7 ? 7 : 8;
    karakas.order = KarakaOrder(table.SiderealLongitudes, records.jaimini.signs, karakas.scheme);
    karakas.karakaOf.fill(-1);
    for (std::size_t rank = 0; rank < karakas.order.size(); ++rank)
        karakas.karakaOf[karakas.order[rank]] = static_cast<int>(rank);
    karakas.karakamsa = karakas.order.empty() ? -1 : NavamsaSign(table.SiderealLongitudes[karakas.order[0]]);
}

} // namespace rashi
