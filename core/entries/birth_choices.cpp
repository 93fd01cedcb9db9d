#include "core/entries/birth_choices.h"

namespace rashi {

std::optional<Calendar> ParseCalendar(std::string_view key) {
    if (key == "julian") return Calendar::Julian;
    if (key == "gregorian") return Calendar::Gregorian;
    return std::nullopt;
}

std::string_view CalendarKey(Calendar calendar) { return calendar == Calendar::Julian ? "julian" : "gregorian"; }

std::optional<NodeKind> ParseNodes(std::string_view key) {
    if (key == "true") return NodeKind::True;
    if (key == "mean") return NodeKind::Mean;
    return std::nullopt;
}

std::string_view NodesKey(NodeKind nodes) { return nodes == NodeKind::True ? "true" : "mean"; }

Calendar CalendarOf(const Entries& entries) {
    const auto line = FindTagged(entries.Tagged, kCalendarTag);
    return line ? ParseCalendar(*line).value_or(Calendar::Gregorian) : Calendar::Gregorian;
}

void SetCalendar(Entries& entries, Calendar calendar) {
    SetTagged(entries.Tagged, kCalendarTag, calendar == Calendar::Julian ? std::string(CalendarKey(calendar)) : std::string());
}

CivilDate DateAsGiven(const BirthRecord& b) { return DateInCalendar({b.Year, b.Month, b.Day}, b.DateCalendar); }

} // namespace rashi
