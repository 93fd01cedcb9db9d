// Rashi Drishti: start-up. The command line (a chart file, --lang); one copy
// per user; the update reminder; then the main window, with the chart open.

#include "windows/command_line.h"
#include "windows/single_instance.h"
#include "windows/startup_probe.h"
#include "windows/program_dialogs.h"
#include "windows/main_window.h"
#include "shared_ui/program_icon.h"
#include "windows/update_reminder.h"
#include "windows/program_language.h"
#include "windows/program_settings.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace {

// Runs `then` once the window's first paint is on the screen: the window is
// painted (and its picture sent to the screen) while its first expose is
// handled, before the zero timer queued on its first paint runs. Whatever
// else waits for that paint was queued before, and goes first.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> then) : QObject(window), then_(std::move(then))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

int main(int argc, char* argv[])
{
    rashi::MarkStartup("main");
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvek"));
    QCoreApplication::setApplicationName(QStringLiteral("Rashi Drishti"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.10"));
    // --help and --version before the display is opened: they need none.
    // The rest once QApplication has taken its own options (-platform …).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (rashi::AsksForHelpOrVersion(arguments)) {
        const rashi::WindowCommandLine line = rashi::ParseWindowCommandLine(arguments);
        if (!line.problem.isEmpty())
            std::fprintf(stderr, "rashi-drishti: %s\n", line.problem.toLocal8Bit().constData());
        return line.problem.isEmpty() ? 0 : 2;
    }
    QApplication app(argc, argv);
    const rashi::WindowCommandLine line = rashi::ParseWindowCommandLine(QCoreApplication::arguments());
    if (!line.problem.isEmpty()) {
        std::fprintf(stderr, "rashi-drishti: %s\n", line.problem.toLocal8Bit().constData());
        return 2;
    }
    rashi::MarkStartup("application");

    rashi::ProgramDialogs dialogs;
    // Before the lock: a settings file that would hang the start must never
    // leave a hung copy holding it.
    rashi::PrepareSettings(dialogs);
    // The language asked for, else the one chosen before, else the system's;
    // every text from here on is in it.
    rashi::InstallLanguage(line.language ? *line.language : rashi::ChosenLanguage());
    rashi::MarkStartup("settings-and-language");
    rashi::SingleInstance instance(rashi::InstanceLockPath());
    if (!rashi::CheckSingleInstance(instance, dialogs, line.chart))
        return rashi::CloseAllAndEnd();

    {
        rashi::ProgramSettings settings;
        rashi::ShowUpdateReminder(dialogs, settings, QDate::currentDate());
    }
    rashi::MarkStartup("lock-and-reminder");

    rashi::frmMain window(dialogs);
    rashi::MarkStartup("window-built");
    dialogs.setParent(&window);
    rashi::RaiseOnRequest(&window, [&window](const QString& chart) { window.openChartFile(chart); });
    rashi::InstallStartupProbe(window);
    window.show();
    rashi::MarkStartup("shown");
    // The icon costs some 10 to 15 ms (image decoding and its transfer to
    // the X server); nothing needs it before the window is on the screen.
    new AfterFirstPaint(&window, [&window, chart = line.chart] {
        QApplication::setWindowIcon(rashi::WindowIcon());
        if (!chart.isEmpty())
            window.openChartFile(chart);
    });
    return app.exec();
}
