// A clock of the time since the computer started, the time it slept included, for a limit that
// must hold in real time: a tone allowed three minutes is stopped three minutes after it began,
// however long the computer was suspended in between. steady_clock, and Qt's timers built on the
// same clock, stand still during a suspend.
#pragma once

#include <chrono>

struct BootClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<BootClock>;
    static constexpr bool is_steady = true;

    static time_point now() noexcept;
};
