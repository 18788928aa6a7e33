// Waits for something another thread (the simulated tracker) does, handling events meanwhile.
#pragma once

#include <QElapsedTimer>
#include <QTest>
#include <functional>

// False when the condition has not come true within the time.
inline bool eventually(const std::function<bool()>& condition, int timeoutMs = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}
