// Conversion of the keyup delay and the quiet time between the milliseconds the user types
// and the one-byte steps the tracker counts in.
#pragma once

#include <cstdint>

namespace TrackerUnits {

// The tracker's step lengths in milliseconds and the factors that turn milliseconds into
// steps. They are single-precision values (the factors are close to, but not exactly, the
// reciprocals) worked in double precision: only that combination gives back the values the
// tracker and its users are used to, such as 250 ms -> 38 -> 253 ms.
inline constexpr float kKeyupStepMs = 6.666f;
inline constexpr float kQuietStepMs = 26.3f;
inline constexpr float kKeyupStepsPerMs = 0.15001501f;
inline constexpr float kQuietStepsPerMs = 0.038022816f;

// Rounding offsets added before the steps are counted, on top of the final half step.
inline constexpr double kKeyupOffsetMs = 3.0;
inline constexpr double kQuietOffsetMs = 13.0;
inline constexpr double kHalfStep = 0.5;

// Each time is one byte of steps; a longer time is stored as the largest.
inline constexpr std::uint8_t kMostSteps = 255;

// Milliseconds to steps, limited to 0..255; negative times give 0.
std::uint8_t keyupDelayToSteps(std::int32_t ms);
std::uint8_t quietTimeToSteps(std::int32_t ms);

// Steps to milliseconds.
constexpr std::int32_t keyupDelayFromSteps(std::uint8_t steps) {
    return static_cast<std::int32_t>(steps * static_cast<double>(kKeyupStepMs) + kHalfStep);
}
constexpr std::int32_t quietTimeFromSteps(std::uint8_t steps) {
    return static_cast<std::int32_t>(steps * static_cast<double>(kQuietStepMs) + kHalfStep);
}

// The longest times the tracker stores, 1700 ms and 6706 ms: anything longer would be stored
// as these, so they are the limits of what may be asked for.
inline constexpr std::int32_t kLongestKeyupDelayMs = keyupDelayFromSteps(kMostSteps);
inline constexpr std::int32_t kLongestQuietTimeMs = quietTimeFromSteps(kMostSteps);

// A time read back from the tracker names the step it came from, but encoding that time again can
// land one step higher (keyup step 1 reads back as 7 ms, and 7 ms encodes to step 2). These give
// the time to encode so that such a value stores its own step again; any other time is returned
// as it is, and rounds as typed.
std::int32_t keyupDelayToStore(std::int32_t ms);
std::int32_t quietTimeToStore(std::int32_t ms);

}  // namespace TrackerUnits
