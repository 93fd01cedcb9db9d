// The smallest Qt Widgets window: one label. The start-up measurement runs it
// beside the program, so the program's figure can be read against what any
// Qt window costs on the same machine at the same moment.

#include "windows/startup_probe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    rashi::MarkStartup("main");
    QApplication app(argc, argv);
    rashi::MarkStartup("application");
    QLabel window(QStringLiteral("Tarvek Rashi Drishti"));
    window.setWindowTitle(QStringLiteral("Tarvek Rashi Drishti baseline"));
    rashi::InstallStartupProbe(window);
    rashi::MarkStartup("window-built");
    window.show();
    rashi::MarkStartup("shown");
    return app.exec();
}
