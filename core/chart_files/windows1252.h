#pragma once
// Conversion between the program's UTF-8 texts and the single-byte code of
// chart files (Windows-1252). Characters that have no single-byte code are
// left out, as the stored-text shift leaves out what it cannot shift.

#include <string>
#include <string_view>

namespace rashi {

std::string Utf8ToWindows1252(std::string_view utf8);
std::string Windows1252ToUtf8(std::string_view bytes);

} // namespace rashi
