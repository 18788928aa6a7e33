#include "countdown.h"

#include "boot_clock.h"

#include "stderr_console.h"
#include "stop_request.h"

bool countDown(std::chrono::seconds time, const QString& label, StopRequest& stop) {
    using namespace std::chrono;
    const bool shown = StderrConsole::isTerminal();
    // Against the clock rather than by adding up waits, so a busy machine makes it no longer; one
    // that counts sleep, so that a suspend does not either.
    const BootClock::time_point end = BootClock::now() + time;
    bool stopped = false;
    for (auto left = end - BootClock::now(); left > left.zero() && !stopped;
         left = end - BootClock::now()) {
        const seconds shownLeft = ceil<seconds>(left);
        if (shown)
            StderrConsole::showStatus(label.arg(shownLeft.count()));
        // Until the number shown changes.
        stopped = stop.waitFor(ceil<milliseconds>(left - (shownLeft - seconds(1))));
    }
    if (shown)
        StderrConsole::showStatus({});
    return stopped;
}
