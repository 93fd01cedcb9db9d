#pragma once
// The toolkit's drawing, started on demand for --pdf and --svg: the offscreen
// platform, so that no display is needed, and a runtime folder of its own
// when the environment gives none that is usable, so that nothing is said on
// standard error when all goes well.

namespace rashi {

// Starts a QGuiApplication once, unless one is running. The private runtime
// folder (mode 0700) goes when the program ends.
void EnsureOffscreenGui();

} // namespace rashi
