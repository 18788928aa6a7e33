// Every field of a settings record as one aggregate, so a test builds a record or checks a
// whole one in a single line of values.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "tracker_config.h"

struct RecordValues {
    std::string_view callsign;
    std::string_view digiPath;
    std::string_view statusText;
    std::int32_t calibration;
    std::int32_t stationMode;
    std::int32_t keyupDelayMs;
    std::int32_t statusEvery;
    std::int32_t txIntervalSec;
    std::int32_t quietTimeMs;
    bool calibrationChanged = false;
};

inline CTrackerConfig makeRecord(const RecordValues& v) {
    CTrackerConfig config;
    config.setCallsign(v.callsign);
    config.setDigiPath(v.digiPath);
    config.setStatusText(v.statusText);
    config.calibration = v.calibration;
    config.stationMode = v.stationMode;
    config.keyupDelayMs = v.keyupDelayMs;
    config.statusEvery = v.statusEvery;
    config.txIntervalSec = v.txIntervalSec;
    config.quietTimeMs = v.quietTimeMs;
    config.calibrationChanged = v.calibrationChanged;
    return config;
}

inline void expectRecord(const CTrackerConfig& config, const RecordValues& v) {
    EXPECT_EQ(config.callsign(), v.callsign);
    EXPECT_EQ(config.digiPath(), v.digiPath);
    EXPECT_EQ(config.statusText(), v.statusText);
    EXPECT_EQ(config.calibration, v.calibration);
    EXPECT_EQ(config.stationMode, v.stationMode);
    EXPECT_EQ(config.keyupDelayMs, v.keyupDelayMs);
    EXPECT_EQ(config.statusEvery, v.statusEvery);
    EXPECT_EQ(config.txIntervalSec, v.txIntervalSec);
    EXPECT_EQ(config.quietTimeMs, v.quietTimeMs);
    EXPECT_EQ(config.calibrationChanged, v.calibrationChanged);
}
