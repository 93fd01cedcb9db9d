#pragma once
// Timing probe for the measuring scripts, switched on by RASHI_DRISHTI_PROBE:
//   first-paint  prints "first-paint-ns <CLOCK_REALTIME ns>" once the window
//                has painted for the first time, and "main-to-paint-ms <ms>"
//                measured from the program's start-up code, then ends;
//   reading      prints "click-to-report-ms <ms>" once the results panel has
//                painted after a click on the reading button, then ends;
//   first-offer  prints "first-paint-ns" at the first paint, then, once the
//                atlas has offered places for what was typed into the City
//                box, "paint-to-offer-ms" and "key-to-offer-ms" (from the
//                first key typed there), then ends.
// With first-paint, the moments MarkStartup noted come before, as
// "stage-ms <name> <ms from the start-up code>", with the window's first
// expose ("exposed") and the first paint event it led to.
// Without the variable nothing is installed.

#include "windows/startup_marks.h"

class QWidget;

namespace rashi {

void InstallStartupProbe(QWidget& window);

} // namespace rashi
