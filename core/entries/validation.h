#pragma once
// The checks a reading makes before it uses the entries, and the checks of
// the place-lookup button. A refusal carries the message the user sees and
// what the window does after it.

#include "core/records/entries.h"

#include <optional>
#include <string>
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

// The seventeen rules in order; the first that fails is returned. Rules 1 to
// 13 are the boxes, directions and the day (in the entries' calendar, see
// birth_choices.h); 14 to 17 are ValidateCoordinates.
std::optional<Refusal> ValidateInput(const Entries& entries);

// Rules 14 to 17: latitude at most 90 degrees, longitude at most 180, minutes
// at most 59 (and none past 90 or 180). The boxes must already be filled.
std::optional<Refusal> ValidateCoordinates(const Entries& entries);

// City, state and country must not be empty before a place lookup.
std::optional<Refusal> ValidatePlaceLookup(const Entries& entries);

} // namespace rashi
