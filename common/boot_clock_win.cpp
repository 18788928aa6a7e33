// GetTickCount64 counts the milliseconds since the system started, the time it slept included
// (QueryUnbiasedInterruptTime would leave that out).
#include "boot_clock.h"
#include "windows_api.h"

BootClock::time_point BootClock::now() noexcept {
    return time_point(std::chrono::milliseconds(GetTickCount64()));
}
