#pragma once
// The moments of the start that the start-up probe reports (see
// startup_probe.h): each step of the start notes when it ends, measured from
// the program's start-up code. Nothing is kept unless RASHI_DRISHTI_PROBE
// is set.

#include <vector>

namespace rashi {

struct StartupMark {
    const char* stage;
    double ms;
};

void MarkStartup(const char* stage);
// Milliseconds since the program's start-up code.
double MillisecondsSinceStart();
const std::vector<StartupMark>& StartupMarks();

} // namespace rashi
