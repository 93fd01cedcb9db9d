#include "core/lookup/search_text.h"

namespace rashi {

std::string BuildSearchText(bool placeSearch, std::string_view city, std::string_view state,
                            std::string_view country) {
    std::string text(kSearchPrefix);
    if (!placeSearch)
        return text;
    text.reserve(text.size() + city.size() + state.size() + country.size() + 2);
    text.append(city);
    text.push_back(' ');
    text.append(state);
    text.push_back(' ');
    text.append(country);
    return text;
}

} // namespace rashi
