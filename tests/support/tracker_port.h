// The ports of simulated trackers that run outside the test program, named as a user chooses
// them in the port box ("COM3", "COM6"). The Windows tests run under Wine, where the simulator
// (a Linux program) is reached through a COM port mapped onto its pseudo-terminal.
#pragma once

#include <cstdlib>
#include <string>

// A tracker answering at 9600 baud, and one answering only at 2400.
inline constexpr const char* kTrackerPortVariable = "PELMOX_TRACKER_PORT";
inline constexpr const char* kSlowTrackerPortVariable = "PELMOX_SLOW_TRACKER_PORT";

// The port the variable names; empty when it is not set.
inline std::string trackerPort(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr ? value : "";
}
