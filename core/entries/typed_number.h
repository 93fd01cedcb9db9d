#pragma once
// Which entry of a number list (day, year, hour, minute) the digits typed
// into it choose. Digits typed in quick succession build one number: "2"
// then "0" is 20, "0" then "5" is 5. The number typed is chosen, else the
// first entry whose number begins with the digits ("19" in the years is
// 1900, "198" is 1980). A digit that would make a number the list lacks
// starts a new one ("2" then "5" in the hours is 5).

#include "core/entries/entry_lists.h"

#include <string>
#include <string_view>

namespace rashi {

// The entry the digits choose, or kNoEntry when none does. Anything but ASCII
// digits chooses nothing.
int TypedNumberPosition(const NumberList& list, std::string_view digits);

class NumberTyping {
public:
    // One digit typed; `fresh` when it starts a new number (the pause since
    // the last digit was long). The entry chosen, or kNoEntry (the list stays).
    int type(const NumberList& list, char digit, bool fresh);
    const std::string& digits() const { return digits_; }

private:
    std::string digits_;
};

} // namespace rashi
