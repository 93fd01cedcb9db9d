#pragma once
// One window of the birth time as JSON: its first and last minute and what
// changes one minute beyond each.

#include "core/records/reading_records.h"

#include <nlohmann/json.hpp>

namespace rashi {

// "from", "until", "before", "after", "minutes_before", "minutes_after",
// "before_limit", "after_limit", "before_changes", "after_changes",
// "before_lines_changed", "after_lines_changed".
nlohmann::ordered_json HoldingJson(const HoldingWindow& window);

} // namespace rashi
