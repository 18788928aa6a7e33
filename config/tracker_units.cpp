#include "tracker_units.h"

namespace TrackerUnits {

namespace {

constexpr double kLargestStep = kMostSteps;

// Limits before converting: a huge double does not fit an int, and converting it would be
// undefined.
std::uint8_t toSteps(std::int32_t ms, double offsetMs, float stepsPerMs) {
    const double steps =
        (static_cast<double>(ms) + offsetMs) * static_cast<double>(stepsPerMs) + kHalfStep;
    if (!(steps > 0.0)) {
        return 0;
    }
    if (steps >= kLargestStep) {
        return static_cast<std::uint8_t>(kLargestStep);
    }
    return static_cast<std::uint8_t>(steps);
}

// Times below a read-back value that still encode to its step lie within one step of it.
std::int32_t toStore(std::int32_t ms, std::uint8_t (*encode)(std::int32_t),
                     std::int32_t (*decode)(std::uint8_t), float stepMs) {
    const std::uint8_t steps = encode(ms);
    if (steps == 0 || decode(static_cast<std::uint8_t>(steps - 1)) != ms) {
        return ms;
    }
    const auto lowest = static_cast<std::int32_t>(static_cast<float>(ms) - stepMs - 1.0f);
    for (std::int32_t t = ms - 1; t >= 0 && t >= lowest; --t) {
        if (encode(t) != steps) {
            return t;
        }
    }
    return ms;
}

}  // namespace

std::uint8_t keyupDelayToSteps(std::int32_t ms) {
    return toSteps(ms, kKeyupOffsetMs, kKeyupStepsPerMs);
}

std::uint8_t quietTimeToSteps(std::int32_t ms) {
    return toSteps(ms, kQuietOffsetMs, kQuietStepsPerMs);
}

std::int32_t keyupDelayToStore(std::int32_t ms) {
    return toStore(ms, keyupDelayToSteps, keyupDelayFromSteps, kKeyupStepMs);
}

std::int32_t quietTimeToStore(std::int32_t ms) {
    return toStore(ms, quietTimeToSteps, quietTimeFromSteps, kQuietStepMs);
}

}  // namespace TrackerUnits
