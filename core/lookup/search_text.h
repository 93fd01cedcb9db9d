#pragma once
// The words the place-lookup window searches for.

#include <string>
#include <string_view>

namespace rashi {

inline constexpr std::string_view kSearchPrefix = "Latitude Longitude ";

// "Latitude Longitude " alone, or followed by city, state and country as typed
// (untrimmed), separated by single spaces.
std::string BuildSearchText(bool placeSearch, std::string_view city, std::string_view state,
                            std::string_view country);

} // namespace rashi
