#include "core/entries/key_filters.h"

namespace rashi {

bool KeyFilter::accepts(char32_t code) const {
    if (code == 8 || code == 127) return true;
    if (letters) return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ';
    return code >= '0' && code <= '9';
}

bool KeyFilter::acceptsText(std::string_view utf8) const {
    // Every accepted character is ASCII, so any byte of a longer UTF-8
    // sequence is refused on its own. Backspace and DEL edit a box as keys;
    // as text they are not characters a box can hold.
    for (const char c : utf8) {
        const auto code = static_cast<unsigned char>(c);
        if (code == 8 || code == 127 || !accepts(code)) return false;
    }
    return true;
}

bool IsControlCode(char32_t code) {
    return code < 32 || (code >= 127 && code < 160);
}

std::string_view WithoutLineEnd(std::string_view text) {
    if (text.ends_with('\n')) text.remove_suffix(1);
    if (text.ends_with('\r')) text.remove_suffix(1);
    return text;
}

} // namespace rashi
