#pragma once
// The ayanamsas by name: the report tool's and the chart file's keys
// ("raman", "custom:23.85,50.29"), the titles the reading shows ("Raman"),
// and the menu's order.

#include "core/records/ayanamsa_choice.h"
#include "core/records/tagged_lines.h"
#include "core/words/reading_words.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rashi {

// The tagged line of a chart file that keeps a birth's named ayanamsa (its
// key, as AyanamsaKey gives it); none for the program's own.
inline constexpr std::string_view kAyanamsaTag = "ayanamsa";

// The named ayanamsas in the order the menu and the help list them (Custom
// last, Default not among them).
const std::vector<AyanamsaKind>& NamedAyanamsas();

// "lahiri", "true-citra", ...; "custom:DEGREES,ARCSEC_PER_YEAR" for a custom
// one (numbers as short as they read back exactly); empty for the default.
std::string AyanamsaKey(const AyanamsaChoice& choice);

// "Lahiri", "True Citra", "Custom (24° at J2000, 50.29\" a year)"; the
// program's own for the default. In a language's words: "लाहिड़ी" ….
std::string AyanamsaTitle(const AyanamsaChoice& choice, const ReadingWords& words = WordsOf(Language::English));

// The key of a kind alone ("custom" for Custom).
std::string_view AyanamsaKindKey(AyanamsaKind kind);

// A key back into a choice. A custom one takes two decimal numbers, the
// degrees within ±180 and the rate within ±200" a year, spaces around either
// allowed ("custom:23.85, 50.29"); anything else (an unknown name, spaces
// around a name, a missing or extra number) gives nothing.
std::optional<AyanamsaChoice> ParseAyanamsa(std::string_view key);

// Why ParseAyanamsa refuses a key, for the user: a custom one with the
// ranges its numbers take, another with the names there are. `shown` is the
// key as the message shows it (QuotedLine's: visible, at most 40 bytes).
std::string AyanamsaRefusal(std::string_view key, std::string_view shown);

// The ayanamsa a chart's reading takes: its "ayanamsa" tagged line's, and
// the program's own (the default) when it has none, whatever is chosen for
// new readings. The window and the tool both read a chart by it.
AyanamsaChoice ChartAyanamsa(const TaggedLines& tagged);

// "lahiri, raman, ..., true-mula, custom:DEGREES,ARCSEC_PER_YEAR", for
// messages that refuse an unknown name.
std::string AyanamsaKeyList();

} // namespace rashi
