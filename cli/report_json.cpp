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
        {"name", b.Name},
        {"day", b.Day},
        {"month", b.Month},
        {"year", b.Year},
        {"hour", b.Hour},
        {"minute", b.Minute},
        {"zone_hours", b.ZoneHours},
        {"zone_minutes", b.ZoneMinutes},
        {"lon_degrees", b.LonDegrees},
        {"lon_minutes", b.LonMinutes},
        {"lat_degrees", b.LatDegrees},
        {"lat_minutes", b.LatMinutes},
        {"lon_east", b.LonEast},
        {"lat_south", b.LatSouth},
        {"daylight_saving", b.DaylightSaving},
        {"city", b.City},
        {"state", b.State},
        {"country", b.Country},
        {"signed_zone_hours", b.SignedZoneHours},
        {"signed_zone_minutes", b.SignedZoneMinutes},
        {"zone_id", b.ZoneId.empty() ? Json(nullptr) : Json(b.ZoneId)},
        {"utc_offset_minutes", std::lround(UtcOffsetSeconds(b) / 60.0)},
    };
    Json positions = Json::array();
    for (int i = 0; i < kReportRows; ++i)
        positions.push_back({{"name", records.positions.PlanetNames[i]},
                             {"sanskrit", records.positions.PlanetNamesSanskrit[i]},
                             {"position", records.positions.PlanetPositions[i]}});
    const Report& r = records.report;
    const Json reading = {
        {"schema_version", kReportSchemaVersion},
        {"birth", std::move(birth)},
        {"chart_ayanamsa", records.chart.ChartAyanamsa},
        {"moon_position_text", records.moon.MoonPositionText},
        {"positions", std::move(positions)},
        {"ephemeris", records.ephemeris == Ephemeris::Precise ? "precise" : "formulas"},
        {"rule", RuleKey(records.rule)},
        {"ascendant",
         {{"longitude", records.ascendant.SiderealLongitude}, {"position", records.ascendant.PositionText}}},
        {"longitudes", records.positions.SiderealLongitudes},
        {"captions",
         {{"planets", r.lblPlanets},
          {"planets_position", r.lblPlanets_Position},
          {"aspects", r.lblAspects},
          {"grahas", r.lblGrahas}}},
    };
    // Texts from chart files are decoded to UTF-8; replace anything that is
    // not, rather than fail.
    return reading.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace rashi
