#pragma once
// The character shift applied to text stored outside the program (chart files
// and the reminder setting). Both work on single-byte codes (Windows-1252);
// a character that cannot be shifted within 0..255 is left out.

#include <string>
#include <string_view>

namespace rashi {

inline constexpr int kTextShift = 85;

std::string EncodeText(std::string_view bytes);
std::string DecodeText(std::string_view bytes);

} // namespace rashi
