#pragma once
// Time-zone ids of the tz database ("Asia/Kolkata", "America/Argentina/Salta",
// "Asia/Calcutta"), as chart files carry them. Only zones that name a place
// count: a chart must mean the same moment on every machine, so "localtime"
// (this machine's zone), "Factory", "posixrules", the copies under "posix/"
// and "right/", and the bare offsets of "Etc/" (and "UTC", "GMT") are not
// zone ids. A birth at a bare offset takes the zone row instead.

#include <string_view>

namespace rashi {

// The shape of an id: parts of letters, digits and "_+-" joined by "/", none
// empty, none "." or "..", at most 64 characters. Nothing else is ever looked
// up, so an id can never name a file outside the database.
bool IsZoneIdShape(std::string_view id);

// True when the id names a place in the system's tz database ($TZDIR, else
// /usr/share/zoneinfo): a zone of its zone table (zone1970.tab, zone.tab) or
// a link to one (tzdata.zi's L lines: the old names). A database without
// those files is trusted for every zone but the ones named above.
bool NamesAPlace(std::string_view id);

// NamesAPlace, and the database holds the zone: a file of that name in the
// database's own format.
bool IsKnownZoneId(std::string_view id);

// The database has a zone of that name, but it names no place ("localtime",
// "Etc/UTC"): for the message that says so.
bool IsZoneOfNoPlace(std::string_view id);

} // namespace rashi
