#pragma once
// Which characters the eight text boxes take. The letter boxes (name, city,
// state, country) take A-Z, a-z and space; the coordinate boxes take digits.
// Backspace (8) and DEL (127) pass both. Anything else is refused with the
// box's message, whether typed, pasted or dropped. Control keys (Enter,
// Escape, Ctrl+A, Ctrl+C, Ctrl+V...) are not characters: a box leaves them
// their usual meaning and never checks them against its filter.

#include <string_view>

namespace rashi {

struct KeyFilter {
    std::string_view message;   // shown with the critical icon on a refused key
    bool refocus;               // the focus is put back into the same box
    bool letters;               // letter box (else digit box)

    bool accepts(char32_t code) const;
    // True when the UTF-8 text could stand in the box: every character is
    // accepted and none is an editing key (Backspace, DEL).
    bool acceptsText(std::string_view utf8) const;
};

inline constexpr KeyFilter kLetterFilter{"Please enter only letters", true, true};
inline constexpr KeyFilter kDigitFilter{"Please enter only numbers", false, false};

// Codes of keys that edit or command rather than type: C0 (below 32), DEL
// and C1 (128-159).
bool IsControlCode(char32_t code);

// Pasted text without the line end that a line copied whole brings along
// ("Pune\n", "Pune\r\n"); any other line break stays and is refused.
std::string_view WithoutLineEnd(std::string_view text);

// The coordinate boxes hold at most three characters.
inline constexpr int kCoordinateBoxLength = 3;

} // namespace rashi
