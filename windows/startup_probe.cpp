#include "windows/startup_probe.h"
#include "windows/startup_marks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <vector>

namespace rashi {

namespace {

long long RealtimeNs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

enum class ProbeMode { FirstPaint, Reading, FirstOffer };

class Probe : public QObject {
public:
    Probe(QWidget& window, ProbeMode mode) : QObject(&window), window_(window), mode_(mode) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (done_)
            return false;
        // The window's first expose: from here the window is painted.
        if (mode_ == ProbeMode::FirstPaint && event->type() == QEvent::Expose && !exposed_) {
            exposed_ = true;
            MarkStartup("exposed");
        }
        if (!watched->isWidgetType())
            return false;
        if (mode_ == ProbeMode::Reading && event->type() == QEvent::MouseButtonRelease
            && watched->objectName() == QLatin1String("cmdCalculate")) {
            clicked_.start();
            return false;
        }
        if (mode_ == ProbeMode::FirstOffer) {
            watchOffer(static_cast<QWidget*>(watched), event);
            return false;
        }
        if (event->type() != QEvent::Paint || static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        if (mode_ == ProbeMode::Reading) {
            auto* results = window_.findChild<QWidget*>(QStringLiteral("Frame2"));
            if (!clicked_.isValid() || !results || !results->isVisible())
                return false;
        }
        done_ = true;
        MarkStartup("first-paint-event");
        // The zero timer runs after this paint has been flushed to the screen.
        QTimer::singleShot(0, this, [this] {
            if (mode_ == ProbeMode::Reading)
                std::printf("click-to-report-ms %.3f\n", double(clicked_.nsecsElapsed()) / 1e6);
            else {
                MarkStartup("painted");
                for (const StartupMark& mark : StartupMarks())
                    std::printf("stage-ms %s %.3f\n", mark.stage, mark.ms);
                std::printf("first-paint-ns %lld\nmain-to-paint-ms %.3f\n", RealtimeNs(), MillisecondsSinceStart());
            }
            std::fflush(stdout);
            QCoreApplication::quit();
        });
        return false;
    }

private:
    // The first paint, the first key typed into the City box, and the first
    // offer of places shown under it.
    void watchOffer(QWidget* widget, QEvent* event)
    {
        if (event->type() == QEvent::Paint && widget->window() == &window_ && !painted_.isValid()) {
            painted_.start();
            QTimer::singleShot(0, this, [] {
                std::printf("first-paint-ns %lld\n", RealtimeNs());
                std::fflush(stdout);
            });
        }
        if (event->type() == QEvent::KeyPress && widget->objectName() == QLatin1String("txtCity") && !typed_.isValid())
            typed_.start();
        if (event->type() == QEvent::Show && typed_.isValid() && widget->isWindow() && widget != &window_
            && qobject_cast<QAbstractItemView*>(widget)) {
            done_ = true;
            std::printf("paint-to-offer-ms %.3f\nkey-to-offer-ms %.3f\n", double(painted_.nsecsElapsed()) / 1e6,
                        double(typed_.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

    QWidget& window_;
    ProbeMode mode_;
    bool done_ = false;
    bool exposed_ = false;
    QElapsedTimer clicked_;
    QElapsedTimer painted_;
    QElapsedTimer typed_;
};

} // namespace

void InstallStartupProbe(QWidget& window)
{
    const QByteArray mode = qgetenv("RASHI_DRISHTI_PROBE");
    if (mode == "first-paint")
        qApp->installEventFilter(new Probe(window, ProbeMode::FirstPaint));
    else if (mode == "reading")
        qApp->installEventFilter(new Probe(window, ProbeMode::Reading));
    else if (mode == "first-offer")
        qApp->installEventFilter(new Probe(window, ProbeMode::FirstOffer));
}

} // namespace rashi
