#include "cli/dasha_json.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/arudha_padas.h"
#include "core/jaimini/chara_karakas.h"
#include "core/timing/period_reading.h"
#include "core/time_window/window_text.h"

namespace rashi {
namespace {

using Json = nlohmann::ordered_json;

const DashaWords& Names() { return WordsOf(Language::English).dasha; }

Json NakshatraJson(const NakshatraPlace& place) {
    if (place.index < 0) return nullptr;
    return {{"name", Names().nakshatras[place.index]},
            {"pada", place.pada},
            {"lord", Names().lords[place.lord]},
            {"travelled", place.travelled}};
}

// A period and its parts; a sign's dasha's top level with its years and cycle.
Json PeriodJson(const DashaList& list, int index, bool signs, bool top, const JaiminiRecord* jaimini) {
    const DashaPeriod& p = list.periods[static_cast<std::size_t>(index)];
    Json json;
    if (signs) json["sign"] = kSigns[p.key].sanskrit;
    else json["lord"] = Names().lords[p.key];
    if (signs && top) {
        json["years"] = p.years;
        json["cycle"] = p.cycle;
    }
    if (signs && top && jaimini) {
        // What the period's sign aspects, read the Jaimini way.
        const PeriodReading reading = ReadPeriod(p.key, *jaimini);
        Json aspects = Json::array();
        for (int k = 0; k < 3; ++k) {
            Json karakas = Json::array(), arudhas = Json::array();
            for (int rank : reading.karakas[k]) karakas.push_back(KarakaLabel(rank, jaimini->karakas.scheme));
            for (int house : reading.arudhas[k]) arudhas.push_back(ArudhaLabel(house));
            aspects.push_back({{"sign", kSigns[reading.aspected[k]].sanskrit}, {"karakas", karakas}, {"arudhas", arudhas}});
        }
        json["aspects"] = std::move(aspects);
        json["atmakaraka"] = reading.atmakaraka == AtmakarakaThere::Holds     ? "holds"
                             : reading.atmakaraka == AtmakarakaThere::Aspects ? "aspects"
                                                                              : "neither";
    }
    json["start"] = UtcText(p.start, true);
    json["end"] = UtcText(p.end, true);
    if (p.count > 0) {
        Json parts = Json::array();
        for (int k = 0; k < p.count; ++k) parts.push_back(PeriodJson(list, p.first + k, signs, false, nullptr));
        json["periods"] = std::move(parts);
    }
    return json;
}

Json PeriodsJson(const DashaList& list, bool signs, const JaiminiRecord* jaimini = nullptr) {
    Json periods = Json::array();
    for (int i = 0; i < list.top; ++i) periods.push_back(PeriodJson(list, i, signs, true, jaimini));
    return periods;
}

Json RunningJson(const DashaList& list, double second, int levels, bool signs) {
    Json names = Json::array();
    for (std::string_view name : RunningNames(list, second, levels, signs)) names.push_back(name);
    return names;
}

std::string BeyondNakshatra(const WindowEdge& edge) {
    if (edge.limit != WindowLimit::Change || edge.changes.empty() || edge.changes[0].toSign < 0) return {};
    return std::string(Names().nakshatras[edge.changes[0].toSign]);
}

} // namespace

void AddDashaJson(Json& reading, const ReadingRecords& records, const DashaDay& on) {
    const DashaRecord& d = records.dashas;
    if (!d.computed) return;
    const JaiminiRecord* jaimini = records.jaimini.computed ? &records.jaimini : nullptr;
    Json nakshatras = Json::array();
    for (const NakshatraPlace& place : d.nakshatras) nakshatras.push_back(NakshatraJson(place));
    reading["nakshatras"] = std::move(nakshatras);
    reading["lagna_nakshatra"] = NakshatraJson(d.lagnaNakshatra);
    if (!d.choices.systems) return;
    Json dashas = {{"moon_longitude", d.moonLongitude},
                   {"moon_nakshatra", NakshatraJson(d.nakshatras[1])},
                   {"year_days", d.choices.yearDays},
                   {"levels", d.choices.levels},
                   {"birth", UtcText(d.birthSecond, true)}};
    Json running = {{"date", on.date}};
    if (d.vimshottari.top > 0) {
        dashas["vimshottari"] = {{"balance_years", d.balanceYears}, {"periods", PeriodsJson(d.vimshottari, false)}};
        running["vimshottari"] = RunningJson(d.vimshottari, on.second, d.choices.levels, false);
    }
    if (d.chara.top > 0) {
        dashas["chara"] = {{"exaltation", d.choices.charaExaltation}, {"periods", PeriodsJson(d.chara, true, jaimini)}};
        running["chara"] = RunningJson(d.chara, on.second, 2, true);
    }
    if (d.drig.top > 0) {
        dashas["drig"] = {{"rule", "classical"}, {"periods", PeriodsJson(d.drig, true, jaimini)}};
        running["drig"] = RunningJson(d.drig, on.second, 1, true);
    }
    dashas["on"] = std::move(running);
    reading["dashas"] = std::move(dashas);
}

void AddNakshatraWindowJson(Json& window, const NakshatraWindowRecord& nakshatra) {
    if (!nakshatra.computed || nakshatra.nakshatra < 0) return;
    const HoldingWindow& w = nakshatra.moon;
    window["nakshatra"] = {
        {"nakshatra", Names().nakshatras[nakshatra.nakshatra]},
        {"from", EdgeClockText(w.from)},
        {"until", EdgeClockText(w.until)},
        {"minutes_before", -w.from.minutes},
        {"minutes_after", w.until.minutes},
        {"before", BeyondNakshatra(w.from)},
        {"after", BeyondNakshatra(w.until)},
    };
}

} // namespace rashi
