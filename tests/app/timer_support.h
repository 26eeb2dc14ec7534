#pragma once
// Helpers of the refresh tick tests: spinning the event loop for a while or
// until something holds, and appending to a data file as an acquisition does.
#include "support/recorder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QThread>
#include <functional>

// Runs the event loop (timers included) for about `ms` milliseconds.
inline void spin_event_loop(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

// Runs the event loop until `done` holds or `ms` milliseconds have passed; returns `done()`.
inline bool spin_until(const std::function<bool()>& done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

