#pragma once
// Which characters the eight text boxes take. The letter boxes (name, city,
// state, country) take the letters of every script with their marks (Zoë,
// Łódź, राम, पुणे), the space, and the marks names are written with inside
// them: the apostrophe (' and ’), the hyphen and the full stop (O'Brien,
// D’Souza, Jean-Paul, St. John). The coordinate boxes take the digits 0-9.
// Digits of any script and other punctuation stay out of the letter boxes.
// Backspace (8) and DEL (127) pass both. Anything else is refused with the
// box's message, whether typed, pasted or dropped. Control keys (Enter,
// Escape, Ctrl+A, Ctrl+C, Ctrl+V...) are not characters: a box leaves them
// their usual meaning and never checks them against its filter.

#include <cstddef>
#include <string_view>

namespace rashi {

struct KeyFilter {
    std::string_view message;   // shown with the critical icon on a refused key
    bool letters;               // letter box (else digit box)

    bool accepts(char32_t code) const;
    // True when the UTF-8 text could stand in the box: it is valid UTF-8,
    // every character is accepted and none is an editing key (Backspace, DEL).
    // In a letter box each mark of a name stands beside a letter, on one side
    // at least ("'s-Hertogenbosch", "St."): never alone, nor two together.
    bool acceptsText(std::string_view utf8) const;
};

inline constexpr KeyFilter kLetterFilter{"Please enter only letters", true};
inline constexpr KeyFilter kDigitFilter{"Please enter only numbers", false};

// Codes of keys that edit or command rather than type: C0 (below 32), DEL
// and C1 (128-159).
bool IsControlCode(char32_t code);

// Pasted text without the line end that a line copied whole brings along
// ("Pune\n", "Pune\r\n"); any other line break stays and is refused.
std::string_view WithoutLineEnd(std::string_view text);
// The apostrophes (' and ’), the hyphen and the full stop: written inside names.
bool IsNameMark(char32_t code);
// A letter of any script, a mark that belongs to one (a Devanagari vowel sign
// or virama, a combining accent), or the joiners that shape Indian scripts.
bool IsLetterOfAnyScript(char32_t code);

// The coordinate boxes hold at most three characters.
inline constexpr int kCoordinateBoxLength = 3;

// The letter boxes hold at most this many characters, as a text box counts
// them (UTF-16 units: one for राम's every letter, two for a letter beyond the
// Basic Multilingual Plane). Every text that fills a box is held to it: typed,
// imported, given to the tool or taken from a place.
inline constexpr std::size_t kLetterBoxLength = 32767;
std::size_t BoxLength(std::string_view utf8);

} // namespace rashi
