#include "cli/jaimini_json.h"

#include "cli/report_json.h"
#include "cli/window_json.h"
#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/chara_karakas.h"
#include "core/time_window/jaimini_window_text.h"
#include "core/time_window/window_text.h"

namespace rashi {
namespace {

using Json = nlohmann::ordered_json;

Json SignJson(int sign) { return sign >= 0 && sign < 12 ? Json(kSigns[sign].sanskrit) : Json(nullptr); }

Json HousesJson(const AspectedHouses& houses) {
    Json lists = Json::array();
    for (const auto& row : houses) {
        Json list = Json::array();
        for (int house : row)
            if (house > 0) list.push_back(house);
        lists.push_back(std::move(list));
    }
    return lists;
}

// Report rows by the names of "positions".
Json OrderJson(const std::vector<int>& order, const std::array<std::string, kReportRows>& names) {
    Json list = Json::array();
    for (int row : order) list.push_back(names[row]);
    return list;
}

// "Moon", "North Node", "ascendant": as the window's changes name them.
std::string BodyKey(int body) {
    std::string name = BodyInSentence(body);
    return name.rfind("the ", 0) == 0 ? name.substr(4) : name;
}

std::vector<std::string> OrderNames(const std::vector<int>& order) {
    std::vector<std::string> names;
    for (int row : order) names.push_back(BodyKey(row));
    return names;
}

Json AtmaAmatyaJson(AtmaAmatya stand) {
    switch (stand) {
    case AtmaAmatya::Mutual: return "mutual";
    case AtmaAmatya::SameSign: return "same sign";
    case AtmaAmatya::Neither: return "neither";
    case AtmaAmatya::Unknown: break;
    }
    return nullptr;
}

} // namespace

void AddJaiminiJson(Json& reading, const ReadingRecords& records) {
    const JaiminiRecord& j = records.jaimini;
    if (!j.computed) return;
    const auto& names = records.positions.PlanetNames;
    reading["aspected_houses"] = HousesJson(j.houses);
    Json labels = Json::array();
    for (std::size_t rank = 0; rank < j.karakas.order.size(); ++rank)
        labels.push_back(KarakaLabel(static_cast<int>(rank), j.karakas.scheme));
    Json degrees = Json::array();
    for (int row : j.karakas.order) degrees.push_back(j.karakas.degrees[row]);
    reading["karakas"] = {{"scheme", j.karakas.scheme}, {"order", OrderJson(j.karakas.order, names)}, {"labels", labels},
                          {"degrees", std::move(degrees)}};
    reading["karakamsa"] = SignJson(j.karakas.karakamsa);
    reading["ak_amk"] = AtmaAmatyaJson(AtmaAmatyaStand(j.karakas, j.signs));
    Json padas = Json::array();
    for (int sign : j.arudhaPadas) padas.push_back(SignJson(sign));
    reading["arudha_padas"] = std::move(padas);
    reading["arudha_exceptions"] = j.choices.arudhaExceptions;
    const NavamsaRecord& n = j.navamsa;
    Json signs = Json::array();
    for (int sign : n.signs) signs.push_back(SignJson(sign));
    reading["navamsa"] = {
        {"lagna", SignJson(n.lagna)},
        {"signs", std::move(signs)},
        {"positions", n.positions.PlanetPositions},
        {"captions", CaptionsJson(n.report)},
        {"aspected_houses", HousesJson(n.houses)},
    };
}

void AddJaiminiWindowJson(Json& window, const JaiminiWindowRecord& jaimini) {
    Json karakas = HoldingJson(jaimini.karakas);
    karakas["before"] = KarakaBeyondText(jaimini, true);
    karakas["after"] = KarakaBeyondText(jaimini, false);
    karakas["scheme"] = jaimini.scheme;
    karakas["order"] = OrderNames(jaimini.karakaOrder);
    karakas["order_before"] = OrderNames(jaimini.karakasBefore);
    karakas["order_after"] = OrderNames(jaimini.karakasAfter);
    window["karakas"] = std::move(karakas);
    Json navamsa = HoldingJson(jaimini.navamsa);
    navamsa["before"] = NavamsaBeyondText(jaimini.navamsa.from, true);
    navamsa["after"] = NavamsaBeyondText(jaimini.navamsa.until, false);
    navamsa["lagna"] = SignJson(jaimini.navamsaLagna);
    window["navamsa"] = std::move(navamsa);
}

} // namespace rashi
