// A wait of whole seconds that shows the seconds left on standard error's status line (on a
// terminal only) and ends early when a stop is asked for.
#pragma once

#include <QString>
#include <chrono>

class StopRequest;

// The label takes the seconds left as %1. True when the wait ended early, for a stop.
bool countDown(std::chrono::seconds time, const QString& label, StopRequest& stop);
