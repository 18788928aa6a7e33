#include "tracker_units.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using namespace TrackerUnits;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct RoundTrip {
    std::int32_t typedMs;
    int steps;
    std::int32_t readBackMs;
};

void PrintTo(const RoundTrip& c, std::ostream* os) {
    *os << c.typedMs << " ms";
}

class KeyupDelay : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(KeyupDelay, EncodesAndReadsBack) {
    const RoundTrip& c = GetParam();
    const std::uint8_t steps = keyupDelayToSteps(c.typedMs);
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(keyupDelayFromSteps(steps), c.readBackMs);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyupDelay,
                         ::testing::Values(RoundTrip{250, 38, 253}, RoundTrip{253, 38, 253},
                                           RoundTrip{0, 0, 0}, RoundTrip{1, 1, 7},
                                           RoundTrip{7, 2, 13}, RoundTrip{13, 2, 13},
                                           RoundTrip{100, 15, 100}, RoundTrip{1000, 150, 1000},
                                           RoundTrip{1690, 254, 1693}, RoundTrip{1693, 254, 1693},
                                           RoundTrip{1694, 255, 1700}, RoundTrip{1700, 255, 1700},
                                           RoundTrip{1701, 255, 1700}, RoundTrip{kMax, 255, 1700},
                                           RoundTrip{-1, 0, 0}, RoundTrip{-4, 0, 0},
                                           RoundTrip{kMin, 0, 0}));

class QuietTime : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(QuietTime, EncodesAndReadsBack) {
    const RoundTrip& c = GetParam();
    const std::uint8_t steps = quietTimeToSteps(c.typedMs);
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(quietTimeFromSteps(steps), c.readBackMs);
}

// 6681 -> 255 -> 6706 holds only with the single-precision step of 26.3 (double gives 6707).
INSTANTIATE_TEST_SUITE_P(Table, QuietTime,
                         ::testing::Values(RoundTrip{1500, 58, 1525}, RoundTrip{1525, 58, 1525},
                                           RoundTrip{0, 0, 0}, RoundTrip{100, 4, 105},
                                           RoundTrip{1000, 39, 1026}, RoundTrip{6681, 255, 6706},
                                           RoundTrip{6706, 255, 6706}, RoundTrip{kMax, 255, 6706},
                                           RoundTrip{-1, 0, 0}, RoundTrip{-13, 0, 0},
                                           RoundTrip{kMin, 0, 0}));

// Writing a read-back value again may raise it by one more step, but never further: whatever
// the user types, the value the tracker reports is steady after two writes.
TEST(TrackerUnits, ValuesSettleWithinTwoWrites) {
    for (std::int32_t ms = 0; ms <= 7000; ++ms) {
        const std::int32_t keyup1 = keyupDelayFromSteps(keyupDelayToSteps(ms));
        const std::int32_t keyup2 = keyupDelayFromSteps(keyupDelayToSteps(keyup1));
        EXPECT_EQ(keyupDelayFromSteps(keyupDelayToSteps(keyup2)), keyup2) << ms;
        const std::int32_t quiet1 = quietTimeFromSteps(quietTimeToSteps(ms));
        const std::int32_t quiet2 = quietTimeFromSteps(quietTimeToSteps(quiet1));
        EXPECT_EQ(quietTimeFromSteps(quietTimeToSteps(quiet2)), quiet2) << ms;
    }
}

// A step read back and written again lands on the same step or the next one up.
TEST(TrackerUnits, ReadStepsWriteBackAtMostOneStepHigher) {
    for (int steps = 0; steps <= 255; ++steps) {
        const auto s = static_cast<std::uint8_t>(steps);
        const int keyup = keyupDelayToSteps(keyupDelayFromSteps(s));
        const int quiet = quietTimeToSteps(quietTimeFromSteps(s));
        EXPECT_TRUE(keyup == steps || keyup == steps + 1) << steps << " -> " << keyup;
        EXPECT_TRUE(quiet == steps || quiet == steps + 1) << steps << " -> " << quiet;
    }
}

}  // namespace
