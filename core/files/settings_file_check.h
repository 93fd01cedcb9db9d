#pragma once
// The settings file is looked at before the toolkit reads it: the toolkit's
// reader opens whatever stands at the path and reads it whole, so a FIFO
// there hangs the start and a huge file fills the memory. A file that is not
// a plain file, or far larger than settings can be, is renamed out of the way
// (a rename never opens it) and the program starts with its defaults.

#include <cstdint>
#include <ctime>
#include <string>

namespace rashi {

// Our settings are a few lines; a settings file past this is not ours.
inline constexpr std::uintmax_t kLargestSettingsFile = 1024 * 1024;

struct SettingsFileCheck {
    enum class State {
        Usable,   // a plain file of a sensible size
        Missing,  // nothing there: the defaults, as on a first start
        SetAside, // renamed to setAsideAs; start with the defaults
        Stuck,    // unusable and could not be renamed; do not read it
    };
    State state = State::Missing;
    std::string what;       // what stands there, for the user: "a FIFO", "a folder", ...
    std::string setAsideAs; // the new name, when SetAside
    std::string reason;     // the system's reason, when Stuck
};

// Looks at `path` without opening it; `now` names the set-aside copy
// ("NAME.bad-20260312T101500Z", with "-2", "-3", ... when that is taken).
SettingsFileCheck CheckSettingsFile(const std::string& path, std::time_t now,
                                    std::uintmax_t largest = kLargestSettingsFile);

} // namespace rashi
