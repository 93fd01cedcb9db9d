#pragma once
// The graha drishti's key of the report tool's JSON object.

#include "core/records/reading_records.h"

#include <nlohmann/json.hpp>

namespace rashi {

// "graha_drishti": the node option, each body's full aspects (signs, houses
// and the bodies standing there), its 21 strengths (the nine bodies, 0 on
// itself, then houses 1 to 12) and the bodies it joins by both aspects and by
// one only; nothing when the graha drishti was not computed.
void AddGrahaDrishtiJson(nlohmann::ordered_json& reading, const ReadingRecords& records);

// The bodies a body aspects in full, in count order and, within a sign, in
// report order: the names of "positions".
std::vector<std::string> GrahaAspectedBodies(const ReadingRecords& records, int reportRow);

} // namespace rashi
