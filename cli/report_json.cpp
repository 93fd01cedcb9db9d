#include "cli/report_json.h"

#include "core/aspects/rashi_drishti.h"
#include "core/moon/birth_moment.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace rashi {

std::string ReportJson(const ReadingRecords& records) {
    using Json = nlohmann::ordered_json;
    const BirthRecord& b = records.birth;
    Json birth = {
        {"Name", b.Name},
        {"Day", b.Day},
        {"Month", b.Month},
        {"Year", b.Year},
        {"Hour", b.Hour},
        {"Minute", b.Minute},
        {"ZoneHours", b.ZoneHours},
        {"ZoneMinutes", b.ZoneMinutes},
        {"LonDegrees", b.LonDegrees},
        {"LonMinutes", b.LonMinutes},
        {"LatDegrees", b.LatDegrees},
        {"LatMinutes", b.LatMinutes},
        {"LonEast", b.LonEast},
        {"LatSouth", b.LatSouth},
        {"DaylightSaving", b.DaylightSaving},
        {"City", b.City},
        {"State", b.State},
        {"Country", b.Country},
        {"SignedZoneHours", b.SignedZoneHours},
        {"SignedZoneMinutes", b.SignedZoneMinutes},
        {"zone_id", b.ZoneId.empty() ? Json(nullptr) : Json(b.ZoneId)},
        {"utc_offset_minutes", std::lround(UtcOffsetSeconds(b) / 60.0)},
        {"daylight_saving", b.DaylightSaving},
    };
    Json positions = Json::array();
    for (int i = 0; i < kReportRows; ++i)
        positions.push_back({{"name", records.positions.PlanetNames[i]},
                             {"sanskrit", records.positions.PlanetNamesSanskrit[i]},
                             {"position", records.positions.PlanetPositions[i]}});
    const Report& r = records.report;
    const Json reading = {
        {"birth", std::move(birth)},
        {"ChartAyanamsa", records.chart.ChartAyanamsa},
        {"MoonPositionText", records.moon.MoonPositionText},
        {"positions", std::move(positions)},
        {"ephemeris", records.ephemeris == Ephemeris::Precise ? "precise" : "formulas"},
        {"rule", RuleKey(records.rule)},
        {"ascendant",
         {{"longitude", records.ascendant.SiderealLongitude}, {"position", records.ascendant.PositionText}}},
        {"longitudes", records.positions.SiderealLongitudes},
        {"captions",
         {{"lblPlanets", r.lblPlanets},
          {"lblPlanets_Position", r.lblPlanets_Position},
          {"lblAspects", r.lblAspects},
          {"lblGrahas", r.lblGrahas}}},
    };
    // Texts from chart files are decoded to UTF-8; replace anything that is
    // not, rather than fail.
    return reading.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace rashi
