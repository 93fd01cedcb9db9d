#pragma once
// Numbers as other programs write them in their chart files, read from the
// text itself: the digits before and after the point are taken as digits, so
// nothing is lost to binary fractions ("73.51" is 73 and 51, never 73.50999).

#include <cstdint>
#include <optional>
#include <string_view>

namespace rashi {

// "H.MMSS" (hours or degrees, then two digits of minutes and two of seconds),
// with an optional sign that holds for values under one as well ("-0.07" is
// minus seven minutes). Missing digits are zeros ("10.3" is 10:30). Programs
// that print these through floating point write a hair either side
// ("17.449999999999999" for 17:45, "10.999999999999998" for 11:00): the value
// is the whole second nearest to the text, when it lies within a thousandth
// of a second of it. The value in whole seconds; nothing when the text is not
// such a number, lies further from a whole second, or its minutes or seconds
// are 60 or more.
std::optional<std::int64_t> ParseSexagesimalSeconds(std::string_view text);

// A decimal number of hours or degrees ("-5.500000") in whole seconds, rounded
// half away from zero.
std::optional<std::int64_t> ParseDecimalSeconds(std::string_view text);

// Any decimal number ("1013.250000", "0", "-12"); only its shape is checked.
bool IsDecimalNumber(std::string_view text);

// A whole number, optionally signed, of at most nine digits.
std::optional<int> ParseWholeNumber(std::string_view text);

} // namespace rashi
