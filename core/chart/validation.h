#pragma once
// The checks a reading makes before it uses the entries, and the checks of
// the place-lookup button. A refusal carries the message the user sees and
// what the window does after it.

#include "core/chart/entries.h"

#include <optional>
#include <string_view>

namespace rashi {

enum class MessageIcon { Critical, Information };

// The controls a refusal points at.
enum class Field { None, Name, LatDeg, LatMin, LonDeg, LonMin, City, State, Country, North, East };

struct Refusal {
    int step;                  // 1-based number of the rule that failed
    std::string_view message;
    MessageIcon icon;
    // The control that gets the focus afterwards; Field::North and Field::East
    // mean that option becomes selected instead. Field::None: focus unchanged.
    Field target;
};

bool IsLeapYear(int year); // divisible by 4; agrees with the Gregorian rule over 1901..2050

// The thirteen rules in order; the first that fails is returned.
std::optional<Refusal> ValidateInput(const Entries& entries);

// City, state and country must not be empty before a place lookup.
std::optional<Refusal> ValidatePlaceLookup(const Entries& entries);

} // namespace rashi
