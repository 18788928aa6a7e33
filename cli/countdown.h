// A wait of whole seconds that shows the seconds left on standard error's status line (on a
// terminal only), ends early when a stop is asked for, and hears the computer go to sleep.
#pragma once

#include <QString>
#include <chrono>

class SleepWatch;
class StopRequest;

enum class CountdownEnd {
    TimeUp,
    Stopped,  // a stop or pause was asked for
    Slept,    // the computer went to sleep during it (aboutToSleep), and is awake again
};

// The label takes the seconds left as %1. The wait is an event loop, the only one pelmoxctl
// runs, so the sleep watch's signals are delivered here and nowhere else: between the link's
// exchanges, never inside one. Once aboutToSleep has come (its other slots put things right
// before sleep), the status line goes and the wait ends as the computer wakes.
CountdownEnd countDown(std::chrono::seconds time, const QString& label, StopRequest& stop,
                       SleepWatch& sleep);
