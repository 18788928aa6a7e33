#include "tracker_config.h"

#include <gtest/gtest.h>

#include <string>

#include "tracker_record.h"

namespace {

TEST(TrackerConfig, StartsWithTheTrackersDefaults) {
    expectRecord(CTrackerConfig{},
                 {"NOCALL", "WIDE3-3", "PelmoxII", 128, 128, 250, 3, 60, 1500, false});
}

struct TextField {
    const char* name;
    void (CTrackerConfig::*set)(std::string_view);
    std::string_view (CTrackerConfig::*get)() const;
    std::size_t limit;
};

class TextBound : public ::testing::TestWithParam<TextField> {};

TEST_P(TextBound, KeepsAtMostTheLimitAndNothingOfAnEarlierText) {
    const TextField& field = GetParam();
    CTrackerConfig config;
    std::string text;
    for (std::size_t i = 0; i < field.limit + 6; ++i) {
        text += static_cast<char>('A' + i % 26);
    }

    (config.*field.set)(text);
    EXPECT_EQ((config.*field.get)(), text.substr(0, field.limit));

    (config.*field.set)(std::string_view(text).substr(0, field.limit));
    EXPECT_EQ((config.*field.get)(), text.substr(0, field.limit));

    (config.*field.set)("x\xE9y");
    EXPECT_EQ((config.*field.get)(), "x\xE9y");

    (config.*field.set)("");
    EXPECT_EQ((config.*field.get)(), "");
}

INSTANTIATE_TEST_SUITE_P(AllTexts, TextBound,
                         ::testing::Values(TextField{"Callsign", &CTrackerConfig::setCallsign,
                                                     &CTrackerConfig::callsign, 19},
                                           TextField{"DigiPath", &CTrackerConfig::setDigiPath,
                                                     &CTrackerConfig::digiPath, 99},
                                           TextField{"StatusText", &CTrackerConfig::setStatusText,
                                                     &CTrackerConfig::statusText, 199}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
