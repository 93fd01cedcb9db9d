#pragma once
// The calendar a birth date is given in and the lunar node a reading shows,
// as a chart file's tagged lines ("calendar=julian", "nodes=true") and the
// report tool's --calendar and --nodes keep them. Without the line a birth is
// Gregorian and its node the mean one.

#include "core/records/birth_record.h"
#include "core/records/entries.h"
#include "core/records/node_kind.h"
#include "core/time_scales/civil_calendar.h"

#include <optional>
#include <string>
#include <string_view>

namespace rashi {

inline constexpr std::string_view kCalendarTag = "calendar";
inline constexpr std::string_view kNodesTag = "nodes";

std::optional<Calendar> ParseCalendar(std::string_view key); // "julian", "gregorian"
std::string_view CalendarKey(Calendar calendar);
inline constexpr std::string_view kCalendarChoices = "julian, gregorian";

std::optional<NodeKind> ParseNodes(std::string_view key); // "true", "mean"
std::string_view NodesKey(NodeKind nodes);
inline constexpr std::string_view kNodesChoices = "true, mean";

// The entries' calendar: their "calendar" line's, else Gregorian.
Calendar CalendarOf(const Entries& entries);

// Writes the choice into the entries' tagged lines; the default (Gregorian)
// leaves no line, so that a chart saved without the choice stays as it was.
void SetCalendar(Entries& entries, Calendar calendar);

// The birth's date in the calendar it was given in.
CivilDate DateAsGiven(const BirthRecord& birth);

} // namespace rashi
