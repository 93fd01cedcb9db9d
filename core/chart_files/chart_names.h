#pragma once
// The names line of a chart file: the name, city, state and country in
// UTF-8, for names the code page of the first 17 lines cannot hold (राम,
// पुणे, Łódź). Those lines keep what the code page holds of them, for readers
// that know only 17 lines; a reader of the names line takes the names from it.

#include "core/records/birth_record.h"
#include "core/records/entries.h"

#include <string>
#include <string_view>

namespace rashi {

inline constexpr std::string_view kNamesKey = "names";

// "name|city|state|country" (the places trimmed as the chart file writes
// them), or empty when the 17 lines hold all four as they are.
std::string NamesValue(const BirthRecord& birth);

// Puts the four names of a names line into the entries. False, with the
// problem, for a value that is not four names of letters and spaces, none
// of them empty.
bool ApplyNamesValue(std::string_view value, Entries& entries, std::string* problem);

} // namespace rashi
