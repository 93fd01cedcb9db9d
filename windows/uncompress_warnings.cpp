#include "windows/uncompress_warnings.h"

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace rashi {
namespace {

// How many stand on this thread.
thread_local int dropping = 0;
std::atomic<QtMessageHandler> previous{nullptr};

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (dropping > 0 && text.startsWith(QLatin1String("qUncompress")))
        return;
    if (const QtMessageHandler next = previous.load())
        next(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

UncompressWarningsDropped::UncompressWarningsDropped()
{
    // Put in front of the handler there was once, for good: taken out again,
    // it could take out one put in after it.
    static std::once_flag installed;
    std::call_once(installed, [] { previous.store(qInstallMessageHandler(&Handle)); });
    ++dropping;
}

UncompressWarningsDropped::~UncompressWarningsDropped()
{
    --dropping;
}

} // namespace rashi
