#pragma once
// Time-zone ids of the tz database ("Asia/Kolkata", "America/Argentina/Salta",
// "Etc/GMT+5"), as chart files carry them.

#include <string_view>

namespace rashi {

// The shape of an id: parts of letters, digits and "_+-" joined by "/", none
// empty, none "." or "..", at most 64 characters. Nothing else is ever looked
// up, so an id can never name a file outside the database.
bool IsZoneIdShape(std::string_view id);

// True when the system's tz database ($TZDIR, else /usr/share/zoneinfo) holds
// the zone: a file of that name in the database's own format.
bool IsKnownZoneId(std::string_view id);

} // namespace rashi
