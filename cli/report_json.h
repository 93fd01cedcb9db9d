#pragma once
// The reading as one JSON object, for scripts.

#include "core/records/reading_records.h"
#include "core/timing/dasha_text.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace rashi {

// Raised whenever a key changes meaning or goes; docs/report.schema.json
// describes this version.
inline constexpr int kReportSchemaVersion = 1;

// One line, every key lower_snake_case: the schema version, the birth
// record, the ayanamsa, the Moon's position text, the nine positions, the
// ephemeris that gave them and the 36 captions. The zone note is the line the
// window shows beside the zone, for a birth whose zone came from a zone id;
// without one "zone_note" is null.
// With the timing computed, its keys too, the periods running on `on`.
std::string ReportJson(const ReadingRecords& records, const std::optional<std::string>& zoneNote = std::nullopt,
                       const DashaDay& on = {});

// "captions": the 36 lines by kind, nine of each in report order; the
// birth chart's and the navamsa's alike.
nlohmann::ordered_json CaptionsJson(const Report& report);

} // namespace rashi
