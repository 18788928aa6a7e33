#include "tracker_units.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using namespace TrackerUnits;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct Unit {
    const char* name;
    std::uint8_t (*toSteps)(std::int32_t);
    std::int32_t (*fromSteps)(std::uint8_t);
};

constexpr Unit kKeyup{"KeyupDelay", keyupDelayToSteps, keyupDelayFromSteps};
constexpr Unit kQuiet{"QuietTime", quietTimeToSteps, quietTimeFromSteps};

struct RoundTrip {
    Unit unit;
    std::int32_t typedMs;
    int steps;
    std::int32_t readBackMs;
};

void PrintTo(const RoundTrip& c, std::ostream* os) {
    *os << c.unit.name << " " << c.typedMs << " ms";
}

class StepRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(StepRoundTrip, EncodesAndReadsBack) {
    const RoundTrip& c = GetParam();
    const std::uint8_t steps = c.unit.toSteps(c.typedMs);
    EXPECT_EQ(steps, c.steps);
    EXPECT_EQ(c.unit.fromSteps(steps), c.readBackMs);
}

INSTANTIATE_TEST_SUITE_P(
    KeyupDelay, StepRoundTrip,
    ::testing::Values(RoundTrip{kKeyup, 250, 38, 253}, RoundTrip{kKeyup, 253, 38, 253},
                      RoundTrip{kKeyup, 0, 0, 0}, RoundTrip{kKeyup, 1, 1, 7},
                      RoundTrip{kKeyup, 7, 2, 13}, RoundTrip{kKeyup, 13, 2, 13},
                      RoundTrip{kKeyup, 100, 15, 100}, RoundTrip{kKeyup, 1000, 150, 1000},
                      RoundTrip{kKeyup, 1690, 254, 1693}, RoundTrip{kKeyup, 1693, 254, 1693},
                      RoundTrip{kKeyup, 1694, 255, 1700}, RoundTrip{kKeyup, 1700, 255, 1700},
                      RoundTrip{kKeyup, 1701, 255, 1700}, RoundTrip{kKeyup, kMax, 255, 1700},
                      RoundTrip{kKeyup, -1, 0, 0}, RoundTrip{kKeyup, -4, 0, 0},
                      RoundTrip{kKeyup, kMin, 0, 0}));

// 6681 -> 255 -> 6706 holds only with the single-precision step of 26.3 (double gives 6707).
INSTANTIATE_TEST_SUITE_P(
    QuietTime, StepRoundTrip,
    ::testing::Values(RoundTrip{kQuiet, 1500, 58, 1525}, RoundTrip{kQuiet, 1525, 58, 1525},
                      RoundTrip{kQuiet, 0, 0, 0}, RoundTrip{kQuiet, 100, 4, 105},
                      RoundTrip{kQuiet, 1000, 39, 1026}, RoundTrip{kQuiet, 6681, 255, 6706},
                      RoundTrip{kQuiet, 6706, 255, 6706}, RoundTrip{kQuiet, kMax, 255, 6706},
                      RoundTrip{kQuiet, -1, 0, 0}, RoundTrip{kQuiet, -13, 0, 0},
                      RoundTrip{kQuiet, kMin, 0, 0}));

// Writing a read-back value again may raise it by one more step, but never further: whatever
// the user types, the value the tracker reports is steady after two writes.
TEST(TrackerUnits, ValuesSettleWithinTwoWrites) {
    for (const Unit& unit : {kKeyup, kQuiet}) {
        for (std::int32_t ms = 0; ms <= 7000; ++ms) {
            const std::int32_t once = unit.fromSteps(unit.toSteps(ms));
            const std::int32_t twice = unit.fromSteps(unit.toSteps(once));
            EXPECT_EQ(unit.fromSteps(unit.toSteps(twice)), twice) << unit.name << " " << ms;
        }
    }
}

// A step read back and written again lands on the same step or the next one up.
TEST(TrackerUnits, ReadStepsWriteBackAtMostOneStepHigher) {
    for (const Unit& unit : {kKeyup, kQuiet}) {
        for (int steps = 0; steps <= 255; ++steps) {
            const int again = unit.toSteps(unit.fromSteps(static_cast<std::uint8_t>(steps)));
            EXPECT_TRUE(again == steps || again == steps + 1)
                << unit.name << " " << steps << " -> " << again;
        }
    }
}

struct StoringUnit {
    Unit unit;
    std::int32_t (*toStore)(std::int32_t);
};

// Every value the tracker reports stores its own step again; a typed value rounds as typed.
TEST(TrackerUnits, ReadBackValuesStoreTheirOwnStep) {
    for (const auto& [unit, toStore] :
         {StoringUnit{kKeyup, keyupDelayToStore}, StoringUnit{kQuiet, quietTimeToStore}}) {
        for (int steps = 0; steps <= 255; ++steps) {
            const std::int32_t readBack = unit.fromSteps(static_cast<std::uint8_t>(steps));
            EXPECT_EQ(unit.toSteps(toStore(readBack)), steps) << unit.name << " " << steps;
        }
        EXPECT_EQ(toStore(250), 250) << unit.name;
        EXPECT_EQ(toStore(-5), -5) << unit.name;
    }
}

}  // namespace
