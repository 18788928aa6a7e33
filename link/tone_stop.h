// How long a tone may stay on, and how a stop that does not get through (the port taken for a
// moment, a line that hiccups, an adapter plugged back in) is sent again for a short while before
// anyone is told that the transmitter may still be keyed (ToneGuard).
#pragma once

#include <chrono>

namespace tone_stop {

// Between two tries, and how long the tries go on in all. Long enough to ride out a port held
// for a moment and a USB adapter finding its way back; short enough that whoever waits for the
// program is told soon.
inline constexpr std::chrono::milliseconds kRetryPause{500};
inline constexpr std::chrono::milliseconds kRetryTime{5000};

// How long a tone may stay on. The window stops a tone it started after this long: FM practice is
// a transmit time-out of about three minutes, as repeaters' time-out timers have it.
inline constexpr std::chrono::minutes kWindowToneLimit{3};
// The longest pelmoxctl tone --for takes: setting the deviation takes minutes, an hour is plenty,
// and a slip of the finger (--for 6000 for 60) does not key the transmitter for hours.
inline constexpr std::chrono::seconds kLongestTimedTone{3600};

}  // namespace tone_stop
