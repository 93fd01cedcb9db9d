#include "cli/report_json.h"

#include "cli/graha_drishti_json.h"
#include "cli/dasha_json.h"
#include "cli/jaimini_json.h"
#include "cli/window_json.h"

#include "core/aspects/rashi_drishti.h"
#include "core/ayanamsa/ayanamsa_names.h"
#include "core/entries/birth_choices.h"
#include "core/moon/birth_moment.h"
#include "core/time_window/window_text.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace rashi {
namespace {

using Json = nlohmann::ordered_json;

// "Moon", "North Node", "ascendant".
std::string BodyName(int body) {
    std::string name = BodyInSentence(body);
    return name.rfind("the ", 0) == 0 ? name.substr(4) : name;
}

Json EdgeChangesJson(const WindowEdge& edge) {
    Json changes = Json::array();
    for (const SignChange& c : edge.changes)
        changes.push_back({{"body", BodyName(c.body)},
                           {"from_sign", c.fromSign >= 0 ? Json(kSigns[c.fromSign].sanskrit) : Json(nullptr)},
                           {"to_sign", c.toSign >= 0 ? Json(kSigns[c.toSign].sanskrit) : Json(nullptr)}});
    return changes;
}

Json LinesJson(const WindowEdge& edge) {
    Json lines = Json::array();
    for (int row : edge.changedLines) lines.push_back(BodyName(row));
    return lines;
}

std::string_view LimitKey(WindowLimit limit) {
    switch (limit) {
    case WindowLimit::Search: return "search";
    case WindowLimit::Years: return "years";
    case WindowLimit::Change: break;
    }
    return "change";
}

} // namespace

Json HoldingJson(const HoldingWindow& w) {
    return {
        {"from", EdgeClockText(w.from)},
        {"until", EdgeClockText(w.until)},
        {"before", BeyondText(w.from, true)},
        {"after", BeyondText(w.until, false)},
        {"minutes_before", -w.from.minutes},
        {"minutes_after", w.until.minutes},
        {"before_limit", LimitKey(w.from.limit)},
        {"after_limit", LimitKey(w.until.limit)},
        {"before_changes", EdgeChangesJson(w.from)},
        {"after_changes", EdgeChangesJson(w.until)},
        {"before_lines_changed", LinesJson(w.from)},
        {"after_lines_changed", LinesJson(w.until)},
    };
}

namespace {

// "window": the reading's and the chart's first and last minute and what
// changes one minute beyond each.
Json WindowJson(const TimeWindowRecord& window) {
    Json json = {{"reading", HoldingJson(window.reading)}, {"chart", HoldingJson(window.chart)}};
    json["chart"]["lagna"] = window.ascendantSign >= 0 ? Json(kSigns[window.ascendantSign].sanskrit) : Json(nullptr);
    return json;
}

} // namespace

Json CaptionsJson(const Report& report) {
    return {{"planets", report.lblPlanets},
            {"planets_position", report.lblPlanets_Position},
            {"aspects", report.lblAspects},
            {"grahas", report.lblGrahas}};
}

std::string ReportJson(const ReadingRecords& records, const std::optional<std::string>& zoneNote, const DashaDay& on) {
    const BirthRecord& b = records.birth;
    Json birth = {
        {"name", b.Name},
        {"day", b.Day},
        {"month", b.Month},
        {"year", b.Year},
        {"hour", b.Hour},
        {"minute", b.Minute},
        {"second", b.Second},
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
        {"zone_note", zoneNote ? Json(*zoneNote) : Json(nullptr)},
        {"utc_offset_minutes", std::lround(UtcOffsetSeconds(b) / 60.0)},
        {"utc_offset_seconds", UtcOffsetSeconds(b)},
    };
    Json positions = Json::array();
    for (int i = 0; i < kReportRows; ++i)
        positions.push_back({{"name", records.positions.PlanetNames[i]},
                             {"sanskrit", records.positions.PlanetNamesSanskrit[i]},
                             {"position", records.positions.PlanetPositions[i]}});
    Json reading = {
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
        {"captions", CaptionsJson(records.report)},
    };
    if (b.DateCalendar == Calendar::Julian) {
        const CivilDate given = DateAsGiven(b);
        reading["julian_date"] = {{"day", given.day}, {"month", given.month}, {"year", given.year}};
    }
    if (b.Nodes == NodeKind::True) reading["nodes"] = "true";
    if (b.Ayanamsa.named())
        reading["ayanamsa"] = {{"name", AyanamsaKey(b.Ayanamsa)}, {"degrees", -records.chart.ApparentAyanamsa}};
    AddJaiminiJson(reading, records);
    AddGrahaDrishtiJson(reading, records);
    if (records.window.computed) reading["window"] = WindowJson(records.window);
    if (records.window.computed && records.jaiminiWindow.computed) AddJaiminiWindowJson(reading["window"], records.jaiminiWindow);
    AddDashaJson(reading, records, on);
    if (records.window.computed) AddNakshatraWindowJson(reading["window"], records.nakshatraWindow);
    // Texts from chart files are decoded to UTF-8; replace anything that is
    // not, rather than fail.
    return reading.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace rashi
