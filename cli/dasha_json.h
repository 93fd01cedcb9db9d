#pragma once
// The timing's keys of the report tool's JSON object: "nakshatras",
// "lagna_nakshatra" and "dashas".

#include "core/records/reading_records.h"
#include "core/timing/dasha_text.h"

#include <nlohmann/json.hpp>

namespace rashi {

// Nothing when the timing was not computed. Dates are UT to the second
// ("1946-09-10T04:34:03Z"); "on" names the periods running at noon UT of `on`.
void AddDashaJson(nlohmann::ordered_json& reading, const ReadingRecords& records, const DashaDay& on);

// "nakshatra" in the "window" object: the Moon's nakshatra's first and last minute.
void AddNakshatraWindowJson(nlohmann::ordered_json& window, const NakshatraWindowRecord& nakshatra);

} // namespace rashi
