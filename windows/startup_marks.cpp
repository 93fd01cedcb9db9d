#include "windows/startup_marks.h"

#include <QElapsedTimer>
#include <QtGlobal>

namespace rashi {
namespace {

// Started while the program's static data is set up, just before main().
struct ProgramClock {
    QElapsedTimer timer;
    ProgramClock() { timer.start(); }
};
const ProgramClock programClock;

std::vector<StartupMark>& Marks()
{
    static std::vector<StartupMark> marks;
    return marks;
}

bool Probing()
{
    static const bool probing = qEnvironmentVariableIsSet("RASHI_DRISHTI_PROBE");
    return probing;
}

} // namespace

void MarkStartup(const char* stage)
{
    if (Probing())
        Marks().push_back({stage, MillisecondsSinceStart()});
}

double MillisecondsSinceStart()
{
    return double(programClock.timer.nsecsElapsed()) / 1e6;
}

const std::vector<StartupMark>& StartupMarks()
{
    return Marks();
}

} // namespace rashi
