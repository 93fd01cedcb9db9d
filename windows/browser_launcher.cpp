#include "windows/browser_launcher.h"

#include "shared_ui/browser_arguments.h"
#include "windows/program_language.h"

#include <QCoreApplication>
#include <QProcess>

namespace rashi {

namespace {

// How long a browser may take to close after it has been asked to.
constexpr int kGracefulCloseMs = 3000;
constexpr int kTerminateMs = 2000;

} // namespace

BrowserLauncher::BrowserLauncher(QObject* parent) : QObject(parent) {}

BrowserLauncher::~BrowserLauncher() { close(); }

void BrowserLauncher::setProgram(const QString& program) { program_ = program; }

bool BrowserLauncher::isOpen() const { return process_ != nullptr && process_->state() != QProcess::NotRunning; }

void BrowserLauncher::open(bool placeSearch, const QString& city, const QString& state, const QString& country)
{
    close();

    QString program = program_;
    if (program.isEmpty())
        program = QCoreApplication::applicationDirPath() + QLatin1Char('/') + kBrowserProgramName;

    BrowserArguments arguments;
    arguments.language = InstalledLanguage(); // the browser speaks as the program does now
    arguments.placeSearch = placeSearch;
    arguments.city = city;
    arguments.state = state;
    arguments.country = country;
    arguments.exitWithParent = true;

    auto* process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(ToCommandLine(arguments));
    // The browser's messages go where the program's go; its standard input
    // stays an open pipe until close(), and closes by itself if we crash.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::finished, this, [this, process] {
        if (process_ == process) {
            process_ = nullptr;
            process->deleteLater();
        }
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qWarning("Cannot start the browser window %s: %s", qPrintable(process->program()),
                 qPrintable(process->errorString()));
        if (process_ == process) {
            process_ = nullptr;
            process->deleteLater();
        }
    });
    process_ = process;
    process->start();
}

void BrowserLauncher::close()
{
    QProcess* process = process_;
    if (process == nullptr)
        return;
    process_ = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->closeWriteChannel(); // the browser ends on end-of-file
        if (!process->waitForFinished(kGracefulCloseMs)) {
            process->terminate();
            if (!process->waitForFinished(kTerminateMs)) {
                process->kill();
                process->waitForFinished(kTerminateMs);
            }
        }
    }
    delete process;
}

} // namespace rashi
