#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

// Waits until done() holds or the time is up, and tells whether it holds. Unlike
// QTest::qWaitFor it handles each event as it arrives instead of sleeping 10 ms between rounds:
// the engine answers through a stream of events, and a sleep after each turns a page load of
// a tenth of a second into seconds.
template <typename TPredicate> bool WaitFor(TPredicate done, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    // Wakes the wait now and then to look at done() and the deadline.
    QTimer wake;
    wake.start(10);
    while (!done()) {
        if (deadline.hasExpired())
            return done();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}
