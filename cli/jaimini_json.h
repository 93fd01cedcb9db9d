#pragma once
// The Jaimini reading's keys of the report tool's JSON object.

#include "core/records/reading_records.h"

#include <nlohmann/json.hpp>

namespace rashi {

// "aspected_houses", "karakas", "karakamsa", "arudha_padas" and "navamsa"
// (with its "lagna", "signs", "captions" and "aspected_houses"); nothing
// when the Jaimini reading was not computed.
void AddJaiminiJson(nlohmann::ordered_json& reading, const ReadingRecords& records);

// "karakas" and "navamsa" in the "window" object, each shaped as its
// "reading", with the karakas' orders and the navamsa's lagna besides.
void AddJaiminiWindowJson(nlohmann::ordered_json& window, const JaiminiWindowRecord& jaimini);

} // namespace rashi
