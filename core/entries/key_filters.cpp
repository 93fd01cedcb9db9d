#include "core/entries/key_filters.h"

#include <cstdint>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace rashi {

bool IsLetterOfAnyScript(char32_t code) {
    // Zero width non-joiner and joiner choose how an Indian conjunct is drawn.
    if (code == 0x200C || code == 0x200D) return true;
    const UChar32 c = static_cast<UChar32>(code);
    return (U_GET_GC_MASK(c) & (U_GC_L_MASK | U_GC_M_MASK)) != 0;
}

bool IsNameMark(char32_t code) { return code == '\'' || code == U'\u2019' || code == '-' || code == '.'; }

bool KeyFilter::accepts(char32_t code) const {
    if (code == 8 || code == 127) return true;
    if (letters) return code == ' ' || IsNameMark(code) || IsLetterOfAnyScript(code);
    return code >= '0' && code <= '9';
}

bool KeyFilter::acceptsText(std::string_view utf8) const {
    // Backspace and DEL edit a box as keys; as text they are not characters
    // a box can hold. A byte that begins no character is refused.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    bool afterLetter = false; // the character before is a letter
    bool markPending = false; // a mark that has no letter before it waits for one after
    bool afterMark = false;
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        if (c < 0 || c == 8 || c == 127 || !accepts(static_cast<char32_t>(c))) return false;
        if (!letters) continue;
        const bool letter = IsLetterOfAnyScript(static_cast<char32_t>(c));
        const bool mark = IsNameMark(static_cast<char32_t>(c));
        if (markPending && !letter) return false;
        if (mark && afterMark) return false;
        markPending = mark && !afterLetter;
        afterLetter = letter;
        afterMark = mark;
    }
    return !markPending;
}

std::size_t BoxLength(std::string_view utf8) {
    // A byte that begins no character counts as one, as its replacement would.
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
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
