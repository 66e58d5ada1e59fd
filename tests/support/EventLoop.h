#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

namespace kelmar::test {

// Runs the Qt event loop until `done()` holds or `timeoutMs` passes; returns done().
template <typename Done>
bool waitUntil(Done done, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Lets queued events run for a short while (for checking that nothing happens).
inline void settle(int ms = 50)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace kelmar::test
