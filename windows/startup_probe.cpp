#include "windows/startup_probe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace rashi {

namespace {

// Started while the program's static data is set up, just before main().
struct ProgramClock {
    QElapsedTimer timer;
    ProgramClock() { timer.start(); }
};
const ProgramClock programClock;

long long RealtimeNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class Probe : public QObject {
public:
    Probe(QWidget& window, bool reading) : QObject(&window), window_(window), reading_(reading) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (done_)
            return false;
        if (reading_ && event->type() == QEvent::MouseButtonRelease
            && watched->objectName() == QLatin1String("cmdCalculate")) {
            clicked_.start();
            return false;
        }
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != &window_)
            return false;
        if (reading_) {
            auto* results = window_.findChild<QWidget*>(QStringLiteral("Frame2"));
            if (!clicked_.isValid() || !results || !results->isVisible())
                return false;
        }
        done_ = true;
        // The zero timer runs after this paint has been flushed to the screen.
        QTimer::singleShot(0, this, [this] {
            if (reading_)
                std::printf("click-to-report-ms %.3f\n", double(clicked_.nsecsElapsed()) / 1e6);
            else
                std::printf("first-paint-ns %lld\nmain-to-paint-ms %.3f\n", RealtimeNs(),
                            double(programClock.timer.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
        return false;
    }

private:
    QWidget& window_;
    bool reading_;
    bool done_ = false;
    QElapsedTimer clicked_;
};

} // namespace

void InstallStartupProbe(QWidget& window)
{
    const QByteArray mode = qgetenv("RASHI_DRISHTI_PROBE");
    if (mode != "first-paint" && mode != "reading")
        return;
    qApp->installEventFilter(new Probe(window, mode == "reading"));
}

} // namespace rashi
