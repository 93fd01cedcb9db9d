#include "cli/graha_drishti_json.h"

#include "core/aspects/graha_drishti.h"
#include "core/aspects/rashi_drishti.h"

namespace rashi {
namespace {

using Json = nlohmann::ordered_json;

Json NamesJson(unsigned bodies, const ReadingRecords& records) {
    Json names = Json::array();
    for (int k = 0; k < kReportRows; ++k)
        if (bodies >> k & 1u) names.push_back(records.positions.PlanetNames[k]);
    return names;
}

Json ListsJson(const std::array<unsigned, kReportRows>& lists, const ReadingRecords& records) {
    Json json = Json::array();
    for (unsigned bodies : lists) json.push_back(NamesJson(bodies, records));
    return json;
}

} // namespace

std::vector<std::string> GrahaAspectedBodies(const ReadingRecords& records, int reportRow) {
    std::vector<std::string> names;
    for (const GrahaAspect& a : records.grahaDrishti.aspects[reportRow])
        if (a.quarters == 4)
            for (int k = 0; k < kReportRows; ++k)
                if (a.bodies >> k & 1u) names.push_back(records.positions.PlanetNames[k]);
    return names;
}

void AddGrahaDrishtiJson(Json& reading, const ReadingRecords& records) {
    const GrahaDrishtiRecord& g = records.grahaDrishti;
    if (!g.computed) return;
    Json aspects = Json::array();
    for (int i = 0; i < kReportRows; ++i) {
        Json signs = Json::array(), houses = Json::array();
        for (const GrahaAspect& a : g.aspects[i])
            if (a.quarters == 4 && a.sign >= 0) {
                signs.push_back(kSigns[a.sign].sanskrit);
                houses.push_back(a.house);
            }
        aspects.push_back({{"signs", std::move(signs)}, {"houses", std::move(houses)},
                           {"bodies", GrahaAspectedBodies(records, i)}});
    }
    reading["graha_drishti"] = {
        {"nodes", NodeAspectsKey(g.nodes)},
        {"aspects", std::move(aspects)},
        {"sphuta", g.sphuta},
        {"both", ListsJson(g.both, records)},
        {"rashi_only", ListsJson(g.rashiOnly, records)},
        {"graha_only", ListsJson(g.grahaOnly, records)},
    };
}

} // namespace rashi
