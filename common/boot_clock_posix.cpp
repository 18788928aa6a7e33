// CLOCK_BOOTTIME (Linux) goes on counting while the computer is suspended; where there is none,
// CLOCK_MONOTONIC, which on macOS counts the sleep as well.
#include <time.h>

#include "boot_clock.h"

BootClock::time_point BootClock::now() noexcept {
#ifdef CLOCK_BOOTTIME
    constexpr clockid_t kClock = CLOCK_BOOTTIME;
#else
    constexpr clockid_t kClock = CLOCK_MONOTONIC;
#endif
    timespec now{};
    ::clock_gettime(kClock, &now);
    return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}
