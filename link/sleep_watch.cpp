#include "sleep_watch.h"

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

void SleepWatch::sleeping(bool start) {
    if (start == asleep_)
        return;
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
