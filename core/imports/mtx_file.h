#pragma once
// The .mtx chart file of another open program: text lines (1) a "#" header,
// (2) name, (3) day, (4) month, (5) year, (6) clock time in decimal hours,
// (7) zone in decimal hours, east positive, (8) daylight saving in hours,
// (9) place, (10) longitude in decimal degrees, east positive, (11) latitude
// in decimal degrees, north positive, then remarks. Universal Time is the
// clock time less the zone and the daylight saving.

#include "core/records/entries.h"
#include "core/imports/imported_birth.h"

#include <optional>
#include <string>
#include <string_view>

namespace rashi {

inline constexpr std::string_view kMtxExtension = "mtx";
inline constexpr int kMtxFileLines = 11;

// `fileName` names the person when line 2 is empty. The place is "city",
// "city, country" or "city, state, country".
std::optional<ImportedBirth> ParseMtxBirth(std::string_view bytes, std::string_view fileName, std::string* problem);
std::optional<Entries> ParseMtxFile(std::string_view bytes, std::string_view fileName, std::string* problem,
                                    const StateFinder& findState = {});

// The file's text for a birth, decimals to six places; DaylightSeconds of the
// offset are written as daylight saving.
std::string FormatMtxFile(const ImportedBirth& birth);

} // namespace rashi
