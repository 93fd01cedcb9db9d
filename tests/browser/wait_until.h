#pragma once
// Waiting on the web engine in tests.

#include <QEventLoop>
#include <QObject>
#include <QTimer>

namespace rashi::testing {

constexpr int kWebWaitMs = 30000; // generous bound for the web engine to answer

// Waits for `done` while the event loop runs freely. (QTest::qWaitFor
// sleeps between its checks, and the web engine, which does its work on this
// thread, then crawls.)
template <typename Predicate>
bool WaitUntil(Predicate done, int timeoutMs = kWebWaitMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start();
    loop.exec();
    return done();
}

} // namespace rashi::testing
