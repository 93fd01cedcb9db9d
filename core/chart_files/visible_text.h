#pragma once
// Texts the user gave, as messages show them: control characters made
// visible, so that nothing typed or read from a file can steer a terminal
// (ESC, BEL) or hide in a message (DEL).

#include <string>
#include <string_view>

namespace rashi {

// Every control character as \xNN (C0, DEL, and the C1 controls U+0080 to
// U+009F as \u0080 to \u009f); bytes that are not UTF-8 as \xNN too. Other
// characters, backslashes among them, are kept. With `keepLineEnds`, line
// feeds stay, for messages of several lines.
std::string VisibleText(std::string_view text, bool keepLineEnds = false);

// Whether the bytes are UTF-8 throughout (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

// A line of a file as a refusal quotes it: visible, in quotes, shortened to
// 40 bytes of whole characters with an ellipsis when longer.
std::string QuotedLine(std::string_view text);

} // namespace rashi
