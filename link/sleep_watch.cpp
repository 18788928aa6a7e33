#include "sleep_watch.h"

#include <QTimer>

#include "link_pause.h"

void SleepWatch::setHolding(bool hold) {
    if (hold == wanted_)
        return;
    wanted_ = hold;
    if (hold) {
        if (!asleep_)
            take();
    } else {
        release();
    }
}

bool SleepWatch::holdWithin(std::chrono::milliseconds longest) {
    if (!wanted_) {
        wanted_ = true;
        if (!asleep_)
            take(longest);
    }
    awaitAnswer();
    return holding();
}

void SleepWatch::sleeping(bool start) {
    if (start == asleep_)
        return;
    // Heard inside an exchange, while a window answers its accessibility bus: the exchange (an
    // upload and its check) ends first, and sleep waits for it under the inhibitor still held.
    // A timer, as a posted call would be delivered inside the exchange again.
    if (start && link_pause::answering()) {
        QTimer::singleShot(1, this, [this] { sleeping(true); });
        return;
    }
    asleep_ = start;
    if (start) {
        emit aboutToSleep();
        // Sleep waits no longer: what could be put right has been (logind drops the inhibitor
        // for the sleep anyway). Unless the computer woke while a slot's box was up.
        if (asleep_)
            release();
    } else {
        if (wanted_)
            take();
        emit resumed();
    }
}
