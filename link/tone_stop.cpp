#include "tone_stop.h"

#include <thread>

#include "command_bytes.h"
#include "tracker_link.h"

namespace tone_stop {

bool stopTone(CTrackerLink& link) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + kRetryTime;
    while (link.tone(command_bytes::kToneOff)) {
        if (Clock::now() + kRetryPause > end)
            return true;
        std::this_thread::sleep_for(kRetryPause);
    }
    return false;
}

}  // namespace tone_stop
