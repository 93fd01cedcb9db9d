#include "core/chart_files/visible_text.h"

#include <cstdio>

namespace rashi {
namespace {

void AppendEscape(std::string& out, const char* format, unsigned value) {
    char code[8];
    std::snprintf(code, sizeof code, format, value);
    out += code;
}

// The length of the UTF-8 sequence that starts at `at`, 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, minimum = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, minimum = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, minimum = 0x10000;
    else return 0;
    if (at + length > text.size()) return 0;
    unsigned code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

} // namespace

std::string VisibleText(std::string_view text, bool keepLineEnds) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && !(keepLineEnds && c == '\n')) || c == 0x7F) AppendEscape(out, "\\x%02x", c);
            else out += static_cast<char>(c);
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            AppendEscape(out, "\\x%02x", c);
            ++i;
        } else if (length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            AppendEscape(out, "\\u%04x", static_cast<unsigned char>(text[i + 1]));
            i += 2;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string QuotedLine(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::size_t cut = text.size();
    if (cut > kShown) {
        cut = kShown;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut; // whole UTF-8 characters
    }
    return "\"" + VisibleText(text.substr(0, cut)) + (cut < text.size() ? "\u2026\"" : "\"");
}

} // namespace rashi
