#include "core/time_window/window_text.h"

#include "core/aspects/rashi_drishti.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace rashi {
namespace {

constexpr std::array<std::string_view, kReportRows + 1> kBodiesInSentence = {
    "the Sun", "the Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "the North Node", "the South Node",
    "the ascendant",
};

std::string_view SignName(int sign) { return sign >= 0 && sign < 12 ? kSigns[sign].sanskrit : "no sign"; }

// "a", "a and b", "a, b and c".
std::string JoinedList(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

std::string EdgeNote(const WindowEdge& edge, bool before) {
    std::string text = BeyondText(edge, before);
    const std::string lines = ChangedLinesText(edge);
    if (!lines.empty()) text += ", " + lines;
    return text;
}

std::string WindowSpan(const HoldingWindow& window) {
    return "from " + EdgeClockText(window.from) + " to " + EdgeClockText(window.until) + " (before: " +
           EdgeNote(window.from, true) + "; after: " + EdgeNote(window.until, false) + ").";
}

} // namespace

std::string BodyInSentence(int body) {
    return body >= 0 && body <= kReportRows ? std::string(kBodiesInSentence[body]) : std::string();
}

std::string UtcOffsetText(int seconds) {
    const int magnitude = seconds < 0 ? -seconds : seconds;
    char text[24];
    if (magnitude % 60 != 0)
        std::snprintf(text, sizeof text, "UTC%c%d:%02d:%02d", seconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    else
        std::snprintf(text, sizeof text, "UTC%c%d:%02d", seconds < 0 ? '-' : '+', magnitude / 3600, magnitude / 60 % 60);
    return text;
}

std::string EdgeClockText(const WindowEdge& edge) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", edge.year, edge.month, edge.day, edge.hour, edge.minute);
    std::string clock = text;
    if (edge.repeated) clock += " " + UtcOffsetText(edge.offsetSeconds);
    return clock;
}

std::string BeyondText(const WindowEdge& edge, bool before) {
    switch (edge.limit) {
    case WindowLimit::Search: return "nothing changes within three days";
    case WindowLimit::Years: return "the program's years end";
    case WindowLimit::Change: break;
    }
    std::vector<std::string> parts;
    for (const SignChange& change : edge.changes)
        parts.push_back(BodyInSentence(change.body) + (before ? " is in " : " enters ") + std::string(SignName(change.toSign)));
    return JoinedList(parts);
}

std::string ChangedLinesText(const WindowEdge& edge) {
    if (edge.changedLines.empty()) return {};
    std::vector<std::string> names;
    for (int row : edge.changedLines) names.push_back(BodyInSentence(row));
    return "the lines of " + JoinedList(names) + " change";
}

std::string ReadingWindowLine(const TimeWindowRecord& window) {
    return "The reading holds for births " + WindowSpan(window.reading);
}

std::string ChartWindowLine(const TimeWindowRecord& window) {
    return "The chart (lagna " + std::string(SignName(window.ascendantSign)) + ") holds " + WindowSpan(window.chart);
}

std::vector<std::string> WindowLines(const TimeWindowRecord& window) {
    if (!window.computed) return {};
    return {ReadingWindowLine(window), ChartWindowLine(window)};
}

} // namespace rashi
