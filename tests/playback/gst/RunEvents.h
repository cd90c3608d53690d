#pragma once

// Lets the window thread's event loop run while a sound test waits for something to happen.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace kwtest {

// Runs the event loop until `done` holds or `timeoutMs` passes; returns `done()`.
template <typename Done> bool runEventsUntil(Done done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QEventLoop loop;
        QTimer::singleShot(5, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

inline void runEventsFor(int ms) {
    runEventsUntil([] { return false; }, ms);
}

} // namespace kwtest
