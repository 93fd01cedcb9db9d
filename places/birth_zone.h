#pragma once
// A birth's time zone from the tz database: the bridge between the atlas and
// zones of this folder and the entries the reading takes.

#include "core/records/entries.h"
#include "places/place.h"
#include "places/zone_moment.h"

#include <QString>

#include <optional>

namespace rashi::places {

// The zone of the entries' zone id at their date and clock time (24:00 is
// the next day's 00:00).
ZoneMoment BirthZoneMoment(const Entries& entries);

// Which offset a time that happened twice means. ByChoice: the one the
// entries' row and box give; where neither does exactly, the box decides (the
// daylight-saving offset when ticked, the other when not). A chart file, the
// report tool's rows and a batch line read back this way, without asking.
enum class RepeatedTime { Refuse, First, Second, ByChoice };

// Sets the entries' exact offset from their zone id, keeping their row and
// box (a chart file's). Returns the message for the user when that cannot be
// done: an unknown zone, a clock time that never existed, or one that
// happened twice when `repeated` is Refuse. Entries without a zone id are
// left as they are (an imported chart's own offset with them).
std::optional<QString> ApplyZoneOffset(Entries& entries, RepeatedTime repeated = RepeatedTime::Refuse);

// The same, and the row and box that give that offset (the nearest standard
// row, box empty, where none does).
std::optional<QString> ApplyZone(Entries& entries, RepeatedTime repeated = RepeatedTime::Refuse);

// The row of the list nearest to an offset that no row gives exactly, for
// chart files read by programs that know only the rows: a standard-time row
// with the box empty, the first of the nearest.
int NearestZoneRow(int offsetSeconds);

// Fills the place's names (folded to letters and spaces; a place without a
// state takes its country's name as the state), its coordinates and
// its zone id; ApplyZone then finds the zone at the birth's date and time.
void ApplyPlace(Entries& entries, const Place& place);

} // namespace rashi::places
