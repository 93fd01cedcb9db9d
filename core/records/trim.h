#pragma once
// Leading and trailing spaces off a text (spaces only, as the stored texts
// and the position texts are trimmed).

#include <string_view>

namespace rashi {

constexpr std::string_view TrimSpaces(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace rashi
