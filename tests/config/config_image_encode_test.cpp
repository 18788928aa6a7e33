#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "box_recorder.h"
#include "config_image.h"
#include "station_address.h"
#include "tracker_config.h"
#include "worked_example.h"

namespace {

constexpr std::string_view kTruncatedText =
    "The Status Beacon text is too long and has been tuncated.  To have a longer status beacon "
    "text, use fewer digipeaters.";
constexpr std::string_view kTruncatedCaption = "Status Beacon Text Truncated";

// The callers always hand over a 200-byte buffer; the bytes past 128 must stay as they were.
using Buffer = std::array<std::uint8_t, 200>;

Buffer encoded(const CTrackerConfig& config, std::size_t* result = nullptr) {
    Buffer buffer;
    buffer.fill(0xEE);
    const std::size_t size = ConfigImage::encode(config, buffer);
    if (result != nullptr) {
        *result = size;
    }
    return buffer;
}

std::string pathOf(std::size_t count) {
    std::string path;
    for (std::size_t i = 0; i < count; ++i) {
        path += (i == 0 ? "" : ",");
        path += "D" + std::to_string(i + 1);
    }
    return path;
}

TEST(EncodeImage, DefaultRecordGivesTheWorkedExample) {
    BoxRecorder boxes;
    std::size_t size = 0;
    const Buffer buffer = encoded(CTrackerConfig{}, &size);
    EXPECT_EQ(size, 128U);
    EXPECT_TRUE(std::equal(kDefaultImage.begin(), kDefaultImage.end(), buffer.begin()));
    EXPECT_TRUE(std::all_of(buffer.begin() + 128, buffer.end(), [](auto b) { return b == 0xEE; }));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(EncodeImage, RefusesABufferSmallerThanAnImage) {
    BoxRecorder boxes;
    std::array<std::uint8_t, 127> small;
    small.fill(0xEE);
    EXPECT_EQ(ConfigImage::encode(CTrackerConfig{}, small), 1U);
    EXPECT_EQ(boxes.boxes, std::vector{BoxRecorder::error("Bad EE Size")});
    EXPECT_TRUE(std::all_of(small.begin(), small.end(), [](auto b) { return b == 0xEE; }));

    boxes.clear();
    std::array<std::uint8_t, 128> exact{};
    EXPECT_EQ(ConfigImage::encode(CTrackerConfig{}, exact), 128U);
    EXPECT_TRUE(boxes.boxes.empty());
}

struct NarrowCase {
    const char* name;
    void (*change)(CTrackerConfig&);
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

void PrintTo(const NarrowCase& c, std::ostream* os) {
    *os << c.name;
}

class Narrowing : public ::testing::TestWithParam<NarrowCase> {};

TEST_P(Narrowing, KeepsWhatTheTrackerCanHold) {
    CTrackerConfig config;
    GetParam().change(config);
    const Buffer buffer = encoded(config);
    const auto& want = GetParam().bytes;
    EXPECT_EQ(
        std::vector(buffer.begin() + static_cast<std::ptrdiff_t>(GetParam().offset),
                    buffer.begin() + static_cast<std::ptrdiff_t>(GetParam().offset + want.size())),
        want);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Narrowing,
    ::testing::Values(
        NarrowCase{"Calibration300", [](CTrackerConfig& c) { c.calibration = 300; }, 1, {44}},
        NarrowCase{"CalibrationNegative", [](CTrackerConfig& c) { c.calibration = -1; }, 1, {0xFF}},
        NarrowCase{"Interval65596",
                   [](CTrackerConfig& c) { c.txIntervalSec = 65536 + 60; },
                   3,
                   {0x3C, 0x00}},
        NarrowCase{
            "Interval300", [](CTrackerConfig& c) { c.txIntervalSec = 300; }, 3, {0x2C, 0x01}},
        NarrowCase{
            "IntervalNegative", [](CTrackerConfig& c) { c.txIntervalSec = -2; }, 3, {0xFE, 0xFF}},
        NarrowCase{"StatusEvery256", [](CTrackerConfig& c) { c.statusEvery = 256; }, 8, {0}},
        NarrowCase{"StatusEvery257", [](CTrackerConfig& c) { c.statusEvery = 257; }, 8, {1}},
        NarrowCase{"ModePeet", [](CTrackerConfig& c) { c.stationMode = 64; }, 5, {0x40}},
        NarrowCase{"ModeHighBits", [](CTrackerConfig& c) { c.stationMode = 0x1C0; }, 5, {0xC0}},
        NarrowCase{"KeyupNegative", [](CTrackerConfig& c) { c.keyupDelayMs = -250; }, 2, {0}},
        NarrowCase{"KeyupHuge", [](CTrackerConfig& c) { c.keyupDelayMs = 1 << 30; }, 2, {255}},
        NarrowCase{"QuietNegative", [](CTrackerConfig& c) { c.quietTimeMs = -1500; }, 7, {0}},
        NarrowCase{"QuietHuge", [](CTrackerConfig& c) { c.quietTimeMs = 1 << 30; }, 7, {255}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncodeImage, CallsignIsParsedLikeAnyAddress) {
    struct Case {
        std::string_view callsign;
        std::array<std::uint8_t, 7> field;
    };
    for (const Case& c : {Case{"n0call/p", {0x9C, 0x60, 0x86, 0x82, 0x98, 0x98, 0x60}},
                          Case{"", {0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x60}},
                          Case{"k1abc-12", {0x96, 0x62, 0x82, 0x84, 0x86, 0x40, 0x78}}}) {
        CTrackerConfig config;
        config.setCallsign(c.callsign);
        const Buffer buffer = encoded(config);
        EXPECT_TRUE(std::equal(c.field.begin(), c.field.end(), buffer.begin() + 16)) << c.callsign;
    }
}

TEST(EncodeImage, StatusTextIsCopiedAsTyped) {
    CTrackerConfig config;
    config.setStatusText(
        "Wx \xB0"
        "C, 73!");
    const Buffer buffer = encoded(config);
    EXPECT_EQ(std::string(buffer.begin() + 33, buffer.begin() + 43),
              "Wx \xB0"
              "C, 73!");
    EXPECT_EQ(buffer[43], 0);
}

// With k digipeaters the addresses end at offset 22 + 7k, the frame's closing bytes follow, and
// the status text has room for 101 - 7k characters, ending at offset 126. A text that fills the
// room fits without a box; one that overflows it is cut to the room, with a box.
class StatusRoom : public ::testing::TestWithParam<std::size_t> {};

TEST_P(StatusRoom, FullTextFitsAndALongerOneIsCutWithABox) {
    const std::size_t k = GetParam();
    const std::size_t room = 101 - 7 * k;
    const std::size_t statusAt = 26 + 7 * k;
    for (const std::string_view overflow : {"", "tail"}) {
        SCOPED_TRACE(overflow);
        CTrackerConfig config;
        config.setDigiPath(pathOf(k));
        config.setStatusText(std::string(room, 's') + std::string(overflow));
        BoxRecorder boxes;
        std::size_t size = 0;
        const Buffer buffer = encoded(config, &size);
        EXPECT_EQ(size, 128U);
        if (overflow.empty()) {
            EXPECT_TRUE(boxes.boxes.empty());
        } else {
            EXPECT_EQ(boxes.boxes, std::vector{BoxRecorder::info(std::string(kTruncatedText),
                                                                 std::string(kTruncatedCaption))});
        }
        // The digipeaters in the order typed; only the last address carries the end bit.
        for (std::size_t i = 0; i < k; ++i) {
            const std::size_t at = 23 + 7 * i;
            EXPECT_EQ(decodeAddressField(std::span(buffer).subspan(at).first<7>()),
                      "D" + std::to_string(i + 1));
            EXPECT_EQ(buffer[at - 1], 0x60) << i;
        }
        EXPECT_EQ(buffer[22 + 7 * k], 0x61);
        EXPECT_EQ(buffer[23 + 7 * k], 0x03);
        EXPECT_EQ(buffer[24 + 7 * k], 0xF0);
        EXPECT_EQ(buffer[25 + 7 * k], 0x00);
        EXPECT_EQ(buffer[6], statusAt);
        EXPECT_EQ(std::string(buffer.begin() + static_cast<std::ptrdiff_t>(statusAt),
                              buffer.begin() + 127),
                  std::string(room, 's'));
        EXPECT_EQ(buffer[127], 0);
        EXPECT_EQ(buffer[128], 0xEE);
    }
}

INSTANTIATE_TEST_SUITE_P(ZeroToFourteenDigipeaters, StatusRoom,
                         ::testing::Range<std::size_t>(0, 15));

// Blank elements between commas count as digipeaters too.
TEST(EncodeImage, FifteenDigipeatersAreRefusedAndNothingIsBuilt) {
    const struct {
        std::string path;
        int count;
    } cases[] = {
        {pathOf(15), 15},
        {pathOf(20), 20},
        {std::string(14, ',') + "A", 15},
        {std::string(15, ',') + " ", 16},
    };
    for (const auto& c : cases) {
        CTrackerConfig config;
        config.setDigiPath(c.path);
        BoxRecorder boxes;
        std::size_t size = 0;
        const Buffer buffer = encoded(config, &size);
        EXPECT_EQ(size, ConfigImage::kRefused) << c.path;
        EXPECT_EQ(boxes.boxes,
                  std::vector{BoxRecorder::error(
                      "The tracker holds at most 14 digipeaters, but the Digi Path has " +
                      std::to_string(c.count) + ". Shorten the Digi Path.")})
            << c.path;
        EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](auto b) { return b == 0xEE; }));
    }
}

}  // namespace
