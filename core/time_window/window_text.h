#pragma once
// The window's texts: the two lines under the header, on the PDF page, in
// Copy Reading and after the report tool's 36 captions, and their parts.

#include "core/records/reading_records.h"
#include "core/words/reading_words.h"

#include <string>
#include <string_view>
#include <vector>

namespace rashi {

// "the Moon", "Mars", "the ascendant": a body as it stands in a sentence.
std::string BodyInSentence(int body, const ReadingWords& words = WordsOf(Language::English));

// "UTC+5:30", "UTC-4:00", "UTC+5:53:20".
std::string UtcOffsetText(int seconds);

// "2024-03-09 14:05": an edge as the place's clock showed it; a time the
// clock showed twice adds its offset: "2010-11-07 01:30 UTC-4:00".
std::string EdgeClockText(const WindowEdge& edge);

// What differs one minute beyond an edge: "the Moon enters Mithuna" after the
// window, "the Moon is in Vrishabha" before it; several changes joined by
// "and"; a window cut by the search or the years says so.
std::string BeyondText(const WindowEdge& edge, bool before, const ReadingWords& words = WordsOf(Language::English));

// "the lines of the Moon and Mars change", or empty when no line changes.
std::string ChangedLinesText(const WindowEdge& edge, const ReadingWords& words = WordsOf(Language::English));

// "from … to …", then `afterSpan`, then " (before: …; after: …)." with the
// notes given, in the table's order: the span of every birth-time line.
std::string SpanText(const HoldingWindow& window, std::string_view afterSpan, const std::string& before,
                     const std::string& after, const ReadingWords& words);

// "The reading holds for births from … to … (before: …; after: …)."
std::string ReadingWindowLine(const TimeWindowRecord& window, const ReadingWords& words = WordsOf(Language::English));
// "The chart (lagna Simha) holds from … to … (before: …; after: …)."
std::string ChartWindowLine(const TimeWindowRecord& window, const ReadingWords& words = WordsOf(Language::English));

// Both lines, or none when the window was not computed.
std::vector<std::string> WindowLines(const TimeWindowRecord& window,
                                     const ReadingWords& words = WordsOf(Language::English));

} // namespace rashi
