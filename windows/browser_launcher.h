#pragma once
// Starts the place-lookup browser window. The browser lives in its own
// executable so that the main window never pays for the web engine until the
// user asks for a lookup.

#include <QObject>
#include <QString>

class QProcess;

namespace rashi {

class BrowserLauncher : public QObject {
    Q_OBJECT
public:
    explicit BrowserLauncher(QObject* parent = nullptr);
    ~BrowserLauncher() override; // closes the browser window with the main window

    // Closes any open browser window, then opens a fresh one that searches
    // for BuildSearchText(placeSearch, city, state, country), in the
    // language the program speaks at that moment (InstalledLanguage()).
    void open(bool placeSearch, const QString& city, const QString& state, const QString& country);
    // Closes the browser window, if one is open.
    void close();
    bool isOpen() const;

    // For tests: the browser executable to start (default: next to the program).
    void setProgram(const QString& program);

private:
    QString program_;
    QProcess* process_ = nullptr;
};

} // namespace rashi
