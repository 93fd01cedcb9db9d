// The stored-text shift and the Windows-1252 conversion. For any bytes:
// - decoding undoes encoding for every code the shift can carry (0..170), and
//   encoding undoes decoding for every code a file holds (85..255); what
//   cannot be shifted is left out, and nothing else is;
// - encoded text holds no line end, so a chart line stays one line;
// - Windows1252ToUtf8 gives well-formed UTF-8 that converts back to the bytes;
// - Utf8ToWindows1252 keeps the characters of the well-formed sequences that
//   have a single-byte code, in order, and nothing of an ill-formed one.

#include "core/chart_files/stored_text.h"
#include "core/chart_files/windows1252.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace rashi;

std::string Keep(std::string_view bytes, int low, int high) {
    std::string kept;
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= low && static_cast<unsigned char>(c) <= high) kept.push_back(c);
    return kept;
}

// One well-formed UTF-8 sequence at the front of `text` (the table of
// well-formed byte sequences in the Unicode standard, chapter 3): its code
// point and length, or nothing.
std::optional<std::pair<char32_t, std::size_t>> WellFormed(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return std::pair<char32_t, std::size_t>{lead, 1};
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) return std::nullopt;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    return std::pair{code, length};
}

bool IsWellFormed(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto sequence = WellFormed(text.substr(i));
        if (!sequence) return false;
        i += sequence->second;
    }
    return true;
}

// Each code point's single byte, learnt from the other direction (checked to
// be one to one on first use).
const std::map<char32_t, char>& SingleBytes() {
    static const std::map<char32_t, char> bytes = [] {
        std::map<char32_t, char> map;
        for (int b = 0; b < 256; ++b) {
            const std::string utf8 = Windows1252ToUtf8(std::string(1, static_cast<char>(b)));
            const auto sequence = WellFormed(utf8);
            FUZZ_CHECK(sequence && sequence->second == utf8.size());
            FUZZ_CHECK(map.emplace(sequence->first, static_cast<char>(b)).second);
        }
        return map;
    }();
    return bytes;
}

std::string ExpectedWindows1252(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto sequence = WellFormed(utf8.substr(i));
        if (!sequence) {
            ++i;
            continue;
        }
        if (const auto it = SingleBytes().find(sequence->first); it != SingleBytes().end()) out.push_back(it->second);
        i += sequence->second;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string encoded = EncodeText(bytes);
    FUZZ_CHECK(encoded == EncodeText(Keep(bytes, 0, 255 - kTextShift)));
    FUZZ_CHECK(DecodeText(encoded) == Keep(bytes, 0, 255 - kTextShift));
    FUZZ_CHECK(encoded.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(EncodeText(DecodeText(bytes)) == Keep(bytes, kTextShift, 255));

    const std::string utf8 = Windows1252ToUtf8(bytes);
    FUZZ_CHECK(IsWellFormed(utf8));
    FUZZ_CHECK(Utf8ToWindows1252(utf8) == bytes);

    const std::string single = Utf8ToWindows1252(bytes);
    FUZZ_CHECK(single == ExpectedWindows1252(bytes));
    return 0;
}
