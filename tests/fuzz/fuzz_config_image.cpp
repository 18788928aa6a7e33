// Feeds arbitrary bytes to the image decoder: it must never read outside the image, must
// leave the record alone when it fails, and what it accepts must encode again.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "config_image.h"
#include "digi_path.h"
#include "fuzz_check.h"
#include "tracker_config.h"
#include "tracker_units.h"

namespace {

CTrackerConfig startingRecord() {
    CTrackerConfig config;
    config.setCallsign("START-1");
    config.setDigiPath("START-2");
    config.setStatusText("start");
    config.calibration = -7;
    config.stationMode = 999;
    config.keyupDelayMs = -1;
    config.statusEvery = 1000;
    config.txIntervalSec = -5;
    config.quietTimeMs = 123456;
    config.calibrationChanged = true;
    return config;
}

bool sameRecord(const CTrackerConfig& a, const CTrackerConfig& b) {
    return a.callsign() == b.callsign() && a.digiPath() == b.digiPath() &&
           a.statusText() == b.statusText() && a.calibration == b.calibration &&
           a.stationMode == b.stationMode && a.keyupDelayMs == b.keyupDelayMs &&
           a.statusEvery == b.statusEvery && a.txIntervalSec == b.txIntervalSec &&
           a.quietTimeMs == b.quietTimeMs && a.calibrationChanged == b.calibrationChanged;
}

void checkWithinBounds(const CTrackerConfig& config) {
    FUZZ_CHECK(config.callsign().size() < CTrackerConfig::kCallsignSize);
    FUZZ_CHECK(config.digiPath().size() < CTrackerConfig::kDigiPathSize);
    FUZZ_CHECK(config.statusText().size() < CTrackerConfig::kStatusTextSize);
    FUZZ_CHECK(config.calibration >= 0 && config.calibration <= 255);
    FUZZ_CHECK(config.stationMode >= 0 && config.stationMode <= 255);
    FUZZ_CHECK(config.statusEvery >= 0 && config.statusEvery <= 255);
    FUZZ_CHECK(config.txIntervalSec >= 0 && config.txIntervalSec <= 65535);
    FUZZ_CHECK(config.keyupDelayMs >= 0 && config.keyupDelayMs <= 1700);
    FUZZ_CHECK(config.quietTimeMs >= 0 && config.quietTimeMs <= 6706);
    FUZZ_CHECK(!config.calibrationChanged);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    installSilentBoxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    CTrackerConfig config = startingRecord();
    boxesShown() = 0;
    if (ConfigImage::decode(config, bytes)) {
        FUZZ_CHECK(sameRecord(config, startingRecord()));
        FUZZ_CHECK(boxesShown() == 1);
        return 0;
    }
    FUZZ_CHECK(size == ConfigImage::kSize);
    checkWithinBounds(config);

    // What was read must write again, unless the tracker held more digipeaters than we may
    // write; the result, read once more, keeps the callsign and the plain numbers.
    std::array<std::uint8_t, 200> buffer{};
    const std::size_t written = ConfigImage::encode(config, buffer);
    if (splitDigiPath(config.digiPath()).size() > ConfigImage::kMaxDigipeaters) {
        FUZZ_CHECK(written == ConfigImage::kRefused);
        return 0;
    }
    FUZZ_CHECK(written == ConfigImage::kSize);
    CTrackerConfig again = startingRecord();
    FUZZ_CHECK(!ConfigImage::decode(again, std::span(buffer).first<ConfigImage::kSize>()));
    checkWithinBounds(again);
    FUZZ_CHECK(again.callsign() == config.callsign());
    FUZZ_CHECK(again.calibration == config.calibration);
    FUZZ_CHECK(again.stationMode == config.stationMode);
    FUZZ_CHECK(again.statusEvery == config.statusEvery);
    FUZZ_CHECK(again.txIntervalSec == config.txIntervalSec);
    FUZZ_CHECK(config.statusText().starts_with(again.statusText()));
    // A read-back value moves up by at most one step when written again.
    FUZZ_CHECK(again.keyupDelayMs >= config.keyupDelayMs &&
               again.keyupDelayMs <= config.keyupDelayMs + 7);
    FUZZ_CHECK(again.quietTimeMs >= config.quietTimeMs &&
               again.quietTimeMs <= config.quietTimeMs + 27);
    // Our own image has the layout the tracker expects.
    FUZZ_CHECK(buffer[0] == 9);
    FUZZ_CHECK(buffer[ConfigImage::kSize - 1] == 0);
    return 0;
}
