#include "core/time_window/window_text.h"

#include <cstdio>
#include <string_view>

namespace rashi {
namespace {

std::string EdgeNote(const WindowEdge& edge, bool before, const ReadingWords& words) {
    std::string text = BeyondText(edge, before, words);
    const std::string lines = ChangedLinesText(edge, words);
    if (!lines.empty()) text.append(words.noteSeparator).append(lines);
    return text;
}

std::string WindowSpan(const HoldingWindow& window, std::string_view afterSpan, const ReadingWords& words) {
    return SpanText(window, afterSpan, EdgeNote(window.from, true, words), EdgeNote(window.until, false, words), words);
}

} // namespace

std::string SpanText(const HoldingWindow& window, std::string_view afterSpan, const std::string& before,
                     const std::string& after, const ReadingWords& words) {
    return Fill(words.span, EdgeClockText(window.from), EdgeClockText(window.until)) + std::string(afterSpan) +
           Fill(words.notes, before, after);
}

std::string BodyInSentence(int body, const ReadingWords& words) {
    return body >= 0 && body <= kReportRows ? std::string(words.bodiesInSentence[body]) : std::string();
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

std::string BeyondText(const WindowEdge& edge, bool before, const ReadingWords& words) {
    switch (edge.limit) {
    case WindowLimit::Search: return std::string(words.nothingWithinSearch);
    case WindowLimit::Years: return std::string(words.yearsEnd);
    case WindowLimit::Change: break;
    }
    std::vector<std::string> parts;
    for (const SignChange& change : edge.changes)
        parts.push_back(Fill(before ? words.isIn : words.enters, BodyInSentence(change.body, words),
                             SignWord(change.toSign, words)));
    return JoinedInSentence(parts, words);
}

std::string ChangedLinesText(const WindowEdge& edge, const ReadingWords& words) {
    if (edge.changedLines.empty()) return {};
    std::vector<std::string> names;
    for (int row : edge.changedLines) names.push_back(BodyInSentence(row, words));
    return Fill(words.linesChange, JoinedInSentence(names, words));
}

std::string ReadingWindowLine(const TimeWindowRecord& window, const ReadingWords& words) {
    return std::string(words.readingHolds.before) + WindowSpan(window.reading, words.readingHolds.after, words);
}

std::string ChartWindowLine(const TimeWindowRecord& window, const ReadingWords& words) {
    const Sentence& holds = words.chartHolds;
    return std::string(holds.before).append(SignWord(window.ascendantSign, words)).append(holds.between) +
           WindowSpan(window.chart, holds.after, words);
}

std::vector<std::string> WindowLines(const TimeWindowRecord& window, const ReadingWords& words) {
    if (!window.computed) return {};
    return {ReadingWindowLine(window, words), ChartWindowLine(window, words)};
}

} // namespace rashi
