#include "countdown.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "boot_clock.h"
#include "sleep_watch.h"
#include "stderr_console.h"
#include "stop_request.h"

namespace {

// Where the stop request has no descriptor to watch (Windows), it is looked at this often.
constexpr std::chrono::milliseconds kStopPoll{50};

}  // namespace

CountdownEnd countDown(std::chrono::seconds time, const QString& label, StopRequest& stop,
                       SleepWatch& sleep) {
    using namespace std::chrono;
    const bool shown = StderrConsole::isTerminal();
    // Against the clock rather than by adding up waits, so a busy machine makes it no longer; one
    // that counts sleep, so that a suspend does not either (a timer stands still during one).
    const BootClock::time_point end = BootClock::now() + time;
    QEventLoop loop;
    bool done = false;
    bool slept = false;
    CountdownEnd result = CountdownEnd::TimeUp;
    const auto finish = [&](CountdownEnd how) {
        if (done)
            return;
        done = true;
        result = how;
        loop.quit();
    };

    QTimer tick;
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    const auto update = [&] {
        const auto left = end - BootClock::now();
        if (left <= left.zero()) {
            finish(slept ? CountdownEnd::Slept : CountdownEnd::TimeUp);
            return;
        }
        const seconds shownLeft = ceil<seconds>(left);
        if (shown && !slept)
            StderrConsole::showStatus(label.arg(shownLeft.count()));
        // Until the number shown changes.
        tick.start(ceil<milliseconds>(left - (shownLeft - seconds(1))));
    };
    QObject::connect(&tick, &QTimer::timeout, &loop, update);

    const auto asked = [&] { return stop.requested() || stop.pauseRequested(); };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (asked())
            finish(CountdownEnd::Stopped);
    });
    std::unique_ptr<QSocketNotifier> wake;
    if (stop.wakeDescriptor() >= 0) {
        wake = std::make_unique<QSocketNotifier>(stop.wakeDescriptor(), QSocketNotifier::Read);
        QObject::connect(wake.get(), &QSocketNotifier::activated, &loop, [&] {
            if (asked()) {
                finish(CountdownEnd::Stopped);
                return;
            }
            // Woken with nothing asked (a byte left in the pipe): the notifier would fire again
            // and again, so the request is looked at instead.
            wake->setEnabled(false);
            poll.start(kStopPoll);
        });
    } else {
        poll.start(kStopPoll);
    }

    // The tone is off once aboutToSleep's slots have returned: the line no longer counts down.
    QObject::connect(&sleep, &SleepWatch::aboutToSleep, &loop, [&] {
        slept = true;
        if (shown)
            StderrConsole::showStatus({});
    });
    QObject::connect(&sleep, &SleepWatch::resumed, &loop, [&] {
        if (slept)
            finish(CountdownEnd::Slept);
    });

    if (asked())
        finish(CountdownEnd::Stopped);
    if (!done)
        update();
    if (!done)
        loop.exec();
    if (shown)
        StderrConsole::showStatus({});
    return result;
}
