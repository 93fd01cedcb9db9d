#pragma once
// The .jhd chart file of other Vedic programs: 18 lines ended by CR LF.
// (1) month, (2) day, (3) year, (4) clock time H.MMSS, (5) zone H.MM with east
// negative, (6) longitude D.MMSS with east negative, (7) latitude D.MMSS with
// north positive, (8) altitude, (9) and (10) the zone in decimal hours, (11) 0,
// (12) a country index, (13) city, (14) country, (15) to (18) settings. The
// person's name is the file's name; the zone is the whole offset (there is no
// daylight-saving line).

#include "core/records/entries.h"
#include "core/imports/imported_birth.h"

#include <optional>
#include <string>
#include <string_view>

namespace rashi {

inline constexpr std::string_view kJhdExtension = "jhd";
inline constexpr int kJhdFileLines = 18;

// The birth the file holds, or nothing with `problem` saying which line held
// what. `name` is the person's name (the file's name).
std::optional<ImportedBirth> ParseJhdBirth(std::string_view bytes, std::string_view name, std::string* problem);

// The same, as entries.
std::optional<Entries> ParseJhdFile(std::string_view bytes, std::string_view name, std::string* problem,
                                    const StateFinder& findState = {});

// The file's text for a birth, as those programs write it.
std::string FormatJhdFile(const ImportedBirth& birth);

} // namespace rashi
