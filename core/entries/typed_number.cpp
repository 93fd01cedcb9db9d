#include "core/entries/typed_number.h"

#include <algorithm>

namespace rashi {

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int TypedNumberPosition(const NumberList& list, std::string_view digits) {
    if (!AllDigits(digits)) return kNoEntry;
    // The number itself, leading zeros aside ("05" is 5, "00" is 0).
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const std::string_view significant =
        firstSignificant == std::string_view::npos ? std::string_view("0") : digits.substr(firstSignificant);
    if (const int exact = list.position(significant); list.contains(exact)) return exact;
    // Else the first entry that begins with the digits as typed.
    for (int position = list.begin(); position < list.end(); ++position)
        if (list.text(position).starts_with(digits)) return position;
    return kNoEntry;
}

int NumberTyping::type(const NumberList& list, char digit, bool fresh) {
    if (digit < '0' || digit > '9') return kNoEntry;
    if (!fresh) {
        const std::string longer = digits_ + digit;
        if (const int position = TypedNumberPosition(list, longer); list.contains(position)) {
            digits_ = longer;
            return position;
        }
    }
    digits_.assign(1, digit);
    const int position = TypedNumberPosition(list, digits_);
    if (!list.contains(position)) digits_.clear();
    return position;
}

} // namespace rashi
