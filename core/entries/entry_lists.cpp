#include "core/entries/entry_lists.h"

#include <charconv>

namespace rashi {

std::string NumberList::text(int position) const {
    return contains(position) ? std::to_string(value(position)) : std::string();
}

int NumberList::position(std::string_view text) const {
    // Only the plain decimal form of an entry matches: no sign, no leading zero, no blank.
    if (text.empty() || text.size() > 4 || (text.size() > 1 && text.front() == '0')) return kNoEntry;
    int number = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || stop != text.data() + text.size() || text.front() == '-') return kNoEntry;
    return number >= first && number <= last ? positionOf(number) : kNoEntry;
}

} // namespace rashi
