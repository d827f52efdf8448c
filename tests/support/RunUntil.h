#pragma once

#include <QEventLoop>
#include <QTimer>

// Lets the event loop run until the condition holds (true) or the time is up (false). Unlike
// QTest::qWaitFor, which naps 10 ms between looks, it looks again every millisecond, so a test
// that waits for many exchanges in a row takes their time, not the naps'.
template <class Condition>
bool runUntil(Condition condition, int timeoutMs = 20000)
{
    if (condition()) {
        return true;
    }
    QEventLoop loop;
    QTimer look;
    look.setTimerType(Qt::PreciseTimer);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (condition()) {
            loop.quit();
        }
    });
    look.start(1);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return condition();
}
