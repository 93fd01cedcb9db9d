#pragma once
// The Jaimini lines of the birth-time window: how long the karakas and the
// navamsa hold, on the results panel, the page, in Copy Reading and after
// the report tool's captions.

#include "core/records/reading_records.h"
#include "core/words/reading_words.h"

#include <string>
#include <vector>

namespace rashi {

// The texts in a language's words, English by default (as the JSON has them).

// "AK the Moon, AmK Saturn, …": an order of karakas.
std::string KarakaOrderText(const std::vector<int>& order, int scheme, const ReadingWords& words = WordsOf(Language::English));

// What differs one minute beyond a karaka edge: "the Moon passes Venus: AmK
// and BK change places" after the window, "Venus is ahead of the Moon: AmK
// and BK change places" before it; a body's change of sign first where one
// reorders them.
std::string KarakaBeyondText(const JaiminiWindowRecord& window, bool before,
                             const ReadingWords& words = WordsOf(Language::English));

// What differs one minute beyond a navamsa edge: "the Moon's navamsa becomes
// Mithuna" after, "the Moon's navamsa is Mithuna" before.
std::string NavamsaBeyondText(const WindowEdge& edge, bool before, const ReadingWords& words = WordsOf(Language::English));

// "The karakas hold from … to … (AK …; before: …; after: …)."
std::string KarakaWindowLine(const JaiminiWindowRecord& window, const ReadingWords& words = WordsOf(Language::English));
// "The navamsa (lagna Thula) holds from … to … (before: …; after: …)."
std::string NavamsaWindowLine(const JaiminiWindowRecord& window, const ReadingWords& words = WordsOf(Language::English));

// Both lines, or none when they were not computed.
std::vector<std::string> JaiminiWindowLines(const JaiminiWindowRecord& window,
                                            const ReadingWords& words = WordsOf(Language::English));

} // namespace rashi
