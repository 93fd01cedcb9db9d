// rashi-drishti-browser: the place-lookup window, in a program of its own so
// that the main window never loads the web engine. The main window starts it
// with the place to search for and the language it speaks (see
// browser_arguments.h).
//
// RASHI_DRISHTI_SEARCH_URL, when set, sends the search (and Home and Search)
// to that address instead of the web search engine; the tests use it to keep
// everything on this machine.

#include "shared_ui/user_dialogs.h"
#include "shared_ui/browser_arguments.h"
#include "browser/browser_language.h"
#include "browser/browser_window.h"
#include "shared_ui/program_icon.h"
#include "browser/search_page.h"

#include <QApplication>
#include <QScreen>
#include <QSocketNotifier>

#include <unistd.h>

namespace {

// Ends the program when standard input reaches end-of-file: the program that
// started the browser closed it, or has gone.
void ExitWithParent(QApplication& app)
{
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier, &app] {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            notifier->setEnabled(false);
            app.quit();
        }
    });
}

} // namespace

int main(int argc, char* argv[])
{
    // Chromium refuses to run as root inside its sandbox.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarvek"));
    QApplication::setApplicationName(QStringLiteral("Rashi Drishti Browser"));
    QApplication::setApplicationVersion(QStringLiteral("1.10"));
    QApplication::setDesktopFileName(QStringLiteral("rashi-drishti"));
    QApplication::setWindowIcon(rashi::ProgramIcon());

    const rashi::BrowserArguments arguments = rashi::FromCommandLine(QApplication::arguments());
    // Before any window is made: the program passes the language it speaks.
    rashi::InstallBrowserLanguage(rashi::BrowserLanguage(arguments));
    if (arguments.exitWithParent)
        ExitWithParent(app);

    rashi::SearchPages pages = rashi::DefaultSearchPages();
    const QString searchUrl = qEnvironmentVariable("RASHI_DRISHTI_SEARCH_URL");
    if (!searchUrl.isEmpty())
        pages = rashi::SearchPagesAt(QUrl(searchUrl));

    rashi::frmBrowser::Place place;
    place.placeSearch = arguments.placeSearch;
    place.city = arguments.city;
    place.state = arguments.state;
    place.country = arguments.country;

    rashi::WidgetDialogs dialogs;
    rashi::frmBrowser window(dialogs, place, pages);
    dialogs.setParent(&window);
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        window.resize(window.size().boundedTo(available.size() * 9 / 10));
    }
    window.show();
    window.raise();
    window.activateWindow();
    return app.exec();
}
