#include "core/imports/import_numbers.h"

#include <algorithm>
#include <cstdlib>

namespace rashi {
namespace {

// The parts of "[+-]digits[.digits]", spaces around allowed.
struct DecimalText {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<DecimalText> SplitDecimal(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    DecimalText d;
    if (text.front() == '-' || text.front() == '+') {
        d.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    d.whole = text.substr(0, point);
    if (point != std::string_view::npos) d.fraction = text.substr(point + 1);
    if ((d.whole.empty() && d.fraction.empty()) || !AllDigits(d.whole) || !AllDigits(d.fraction))
        return std::nullopt;
    // Leading zeros do not count towards the size of the number.
    d.whole.remove_prefix(std::min(d.whole.find_first_not_of('0'), d.whole.size()));
    if (d.whole.size() > 9) return std::nullopt;
    return d;
}

std::int64_t Digits(std::string_view s) {
    std::int64_t value = 0;
    for (const char c : s) value = value * 10 + (c - '0');
    return value;
}

// The digits of `s` from `from`, `count` of them, zeros where it ends.
std::int64_t DigitsPadded(std::string_view s, std::size_t from, std::size_t count) {
    std::int64_t value = 0;
    for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (i < s.size() ? s[i] - '0' : 0);
    return value;
}

// A decimal fraction ("5", "25", ...) times `scale`, rounded half up; only
// the first fifteen digits count, which is far finer than a second.
std::int64_t ScaledFraction(std::string_view fraction, std::int64_t scale) {
    constexpr std::size_t kDigits = 15;
    std::int64_t power = 1;
    for (std::size_t i = 0; i < kDigits; ++i) power *= 10;
    const std::int64_t numerator = DigitsPadded(fraction, 0, kDigits);
    // numerator < 10^15, scale <= 3600: the product fits in 64 bits.
    return (numerator * scale * 2 + power) / (power * 2);
}

} // namespace

std::optional<std::int64_t> ParseSexagesimalSeconds(std::string_view text) {
    const auto d = SplitDecimal(text);
    if (!d) return std::nullopt;
    // The fraction in units of 10^-12, from its first twelve digits: a
    // thousandth of a second is 10^5 of them, so the digits after the twelfth
    // cannot move a value across that line by more than one unit.
    constexpr std::int64_t kSecondDigit = 100'000'000; // 10^-4, the last digit of the seconds
    constexpr std::int64_t kTolerance = 100'000;       // a thousandth of a second
    const std::int64_t fraction = DigitsPadded(d->fraction, 0, 12);
    // MMSS, the nearest whole second; 10000 carries into the whole number
    // ("10.99999999999999" is 11.0000).
    std::int64_t mmss = (fraction + kSecondDigit / 2) / kSecondDigit;
    if (std::llabs(fraction - mmss * kSecondDigit) > kTolerance) return std::nullopt;
    std::int64_t whole = Digits(d->whole);
    if (mmss == 10000) {
        ++whole;
        mmss = 0;
    }
    const std::int64_t minutes = mmss / 100;
    const std::int64_t seconds = mmss % 100;
    if (minutes >= 60 || seconds >= 60) return std::nullopt;
    const std::int64_t value = whole * 3600 + minutes * 60 + seconds;
    return d->negative ? -value : value;
}

std::optional<std::int64_t> ParseDecimalSeconds(std::string_view text) {
    const auto d = SplitDecimal(text);
    if (!d) return std::nullopt;
    const std::int64_t value = Digits(d->whole) * 3600 + ScaledFraction(d->fraction, 3600);
    return d->negative ? -value : value;
}

bool IsDecimalNumber(std::string_view text) { return SplitDecimal(text).has_value(); }

std::optional<int> ParseWholeNumber(std::string_view text) {
    const auto d = SplitDecimal(text);
    if (!d || text.find('.') != std::string_view::npos) return std::nullopt;
    const auto value = static_cast<int>(Digits(d->whole));
    return d->negative ? -value : value;
}

} // namespace rashi
