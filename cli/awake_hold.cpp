#include "awake_hold.h"

#include "stderr_console.h"

void AwakeHold::set(bool hold) {
    if (!hold) {
        watch_.setHolding(false);
        return;
    }
    if (watch_.holdWithin(kAnswerWait) || !verbose_ || told_)
        return;
    const QString why = watch_.unavailable();
    if (why.isEmpty())
        return;
    told_ = true;
    StderrConsole::printLine(why);
}
