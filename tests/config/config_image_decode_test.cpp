#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "box_recorder.h"
#include "config_image.h"
#include "station_address.h"
#include "tracker_config.h"
#include "tracker_record.h"
#include "worked_example.h"

namespace {

using Image = std::array<std::uint8_t, ConfigImage::kSize>;

// A record nothing in a test image resembles, to show that a failed decode left it alone.
constexpr RecordValues kSentinel = {"SENT-1", "SENT-2,SENT-3", "sentinel status", 1, 2, 3, 4, 5, 6,
                                    true};

void put(Image& image, std::size_t at, std::string_view address) {
    const auto field = StationAddress::parse(address).field();
    std::copy(field.begin(), field.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
}

// Builds an image by hand, the way the tracker lays it out, with any number of digipeaters
// that fit (more than the encoder would ever write).
Image imageWith(const std::vector<std::string>& digipeaters, std::string_view status = "Hi") {
    Image image{};
    image[0] = 9;
    put(image, 9, "APZQ17");
    put(image, 16, "NOCALL");
    std::size_t at = 23;
    for (const std::string& digipeater : digipeaters) {
        put(image, at, digipeater);
        at += 7;
    }
    image[at - 1] |= 0x01;
    image[at++] = 0x03;
    image[at++] = 0xF0;
    image[at++] = 0x00;
    image[6] = static_cast<std::uint8_t>(at);
    for (const char c : status) {
        if (at < 127) {
            image[at++] = static_cast<std::uint8_t>(c);
        }
    }
    return image;
}

TEST(DecodeImage, WorkedExampleGivesTheRecordAsTheTrackerHoldsItAndEncodesBack) {
    BoxRecorder boxes;
    CTrackerConfig config = makeRecord(kSentinel);
    ASSERT_FALSE(ConfigImage::decode(config, kDefaultImage));
    expectRecord(config, {"NOCALL", "WIDE3-3", "PelmoxII", 128, 128, 253, 3, 60, 1525, false});
    EXPECT_TRUE(boxes.boxes.empty());
    Image again{};
    ASSERT_EQ(ConfigImage::encode(config, again), 128U);
    EXPECT_EQ(again, kDefaultImage);
}

TEST(DecodeImage, EncodeThenDecodeGivesCanonicalTextsAndTrackerSteps) {
    BoxRecorder boxes;
    CTrackerConfig config = makeRecord({"  n0call-0", "wide1-1, relay ,,wide2-2", "Weather in Ely",
                                        300, 64, 1, 5, 65536 + 600, 6681, true});
    std::array<std::uint8_t, 200> buffer{};
    ASSERT_EQ(ConfigImage::encode(config, buffer), 128U);
    ASSERT_FALSE(ConfigImage::decode(config, std::span(buffer).first(128)));
    expectRecord(config, {"N0CALL", "WIDE1-1,RELAY,,WIDE2-2", "Weather in Ely", 44, 64, 7, 5, 600,
                          6706, false});
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(DecodeImage, WrongLengthIsRefusedWithTheLength) {
    for (const std::size_t length : {0U, 1U, 127U, 129U, 200U}) {
        std::vector<std::uint8_t> bytes(length, 0);
        std::copy_n(kDefaultImage.begin(), std::min<std::size_t>(length, 128), bytes.begin());
        BoxRecorder boxes;
        CTrackerConfig config = makeRecord(kSentinel);
        EXPECT_TRUE(ConfigImage::decode(config, bytes)) << length;
        EXPECT_EQ(boxes.boxes,
                  std::vector{BoxRecorder::error("Bad EE Size " + std::to_string(length) + "\n")});
        expectRecord(config, kSentinel);
    }
}

// Byte order is settled by the worked example (60 s); the high byte must not carry a sign.
TEST(DecodeImage, TransmitIntervalIsUnsigned) {
    Image image = kDefaultImage;
    image[3] = 0xFF;
    image[4] = 0xFF;
    CTrackerConfig config;
    ASSERT_FALSE(ConfigImage::decode(config, image));
    EXPECT_EQ(config.txIntervalSec, 65535);
}

TEST(DecodeImage, RepeatedDigipeaterLosesItsSsid) {
    Image image = imageWith({"WIDE1-1", "WIDE2-2"});
    image[29] |= 0x80;
    CTrackerConfig config;
    ASSERT_FALSE(ConfigImage::decode(config, image));
    EXPECT_EQ(config.digiPath(), "WIDE1,WIDE2-2");
}

TEST(DecodeImage, BlankFieldsFollowTheCommaRule) {
    CTrackerConfig config;
    ASSERT_FALSE(ConfigImage::decode(config, imageWith({"", "A", "", "B", ""})));
    EXPECT_EQ(config.digiPath(), "A,,B,");
}

// The addresses start where byte 0 points, the source field seven bytes on, and the status
// text starts where byte 6 points: anywhere, up to the image's last byte.
TEST(DecodeImage, FieldsAreReadWhereTheOffsetsPoint) {
    const struct {
        std::uint8_t header;
        std::string_view source;
        std::uint8_t statusAt;
        std::string_view status;
        std::string_view callsign;
    } cases[] = {
        {40, "k1abc-7", 60, "ok\xB0", "K1ABC-7"},
        // The source field fills the last seven bytes; the status text is an empty one early on.
        {114, "LAST-1", 10, "", "LAST-1"},
    };
    for (const auto& c : cases) {
        Image image{};
        image[0] = c.header;
        put(image, c.header + 7U, c.source);
        image[c.header + 13U] |= 0x01;
        image[6] = c.statusAt;
        std::copy(c.status.begin(), c.status.end(), image.begin() + c.statusAt);
        CTrackerConfig config;
        ASSERT_FALSE(ConfigImage::decode(config, image)) << c.source;
        EXPECT_EQ(config.callsign(), c.callsign);
        EXPECT_EQ(config.digiPath(), "");
        EXPECT_EQ(config.statusText(), c.status);
    }

    // An empty status text right at the end.
    Image image = kDefaultImage;
    image[6] = 127;
    CTrackerConfig config;
    ASSERT_FALSE(ConfigImage::decode(config, image));
    EXPECT_EQ(config.statusText(), "");
}

struct DamageCase {
    const char* name;
    std::function<void(Image&)> damage;
    std::string_view message;
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagedImage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedImage, IsRefusedAndTheRecordKept) {
    Image image = kDefaultImage;
    GetParam().damage(image);
    BoxRecorder boxes;
    CTrackerConfig config = makeRecord(kSentinel);
    EXPECT_TRUE(ConfigImage::decode(config, image));
    EXPECT_EQ(boxes.boxes, std::vector{BoxRecorder::error(std::string(GetParam().message))});
    expectRecord(config, kSentinel);
}

constexpr std::string_view kHeaderPastEnd =
    "The configuration image is damaged: its station addresses start past its end.";
constexpr std::string_view kUnended =
    "The configuration image is damaged: its list of station addresses has no end.";
constexpr std::string_view kStatusPastEnd =
    "The configuration image is damaged: its status text starts past its end.";
constexpr std::string_view kStatusUnended =
    "The configuration image is damaged: its status text has no end.";

INSTANTIATE_TEST_SUITE_P(
    Inconsistencies, DamagedImage,
    ::testing::Values(
        DamageCase{"HeaderOffset115", [](Image& i) { i[0] = 115; }, kHeaderPastEnd},
        DamageCase{"HeaderOffset255", [](Image& i) { i[0] = 255; }, kHeaderPastEnd},
        DamageCase{"NoExtensionBit",
                   [](Image& i) { std::fill(i.begin() + 9, i.end(), std::uint8_t{0x40}); },
                   kUnended},
        DamageCase{"SourceInLastBytesWithoutEnd",
                   [](Image& i) {
                       i[0] = 114;
                       std::fill(i.begin() + 121, i.end(), std::uint8_t{0x40});
                   },
                   kUnended},
        DamageCase{"StatusOffset128", [](Image& i) { i[6] = 128; }, kStatusPastEnd},
        DamageCase{"StatusOffset255", [](Image& i) { i[6] = 255; }, kStatusPastEnd},
        DamageCase{"StatusWithoutTerminator",
                   [](Image& i) { std::fill(i.begin() + 0x21, i.end(), std::uint8_t{'x'}); },
                   kStatusUnended},
        DamageCase{"LastByteNotZero",
                   [](Image& i) {
                       i[6] = 127;
                       i[127] = 'x';
                   },
                   kStatusUnended}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> fullLengthDigipeaters(int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i) {
        out.push_back("DIGI" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "-15");
    }
    return out;
}

constexpr std::string_view kPathShortened =
    "The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in "
    "full. These digipeaters at its end were left out: ";

TEST(DecodeImage, OverLongPathKeepsWholeAddressesAndNamesTheRest) {
    BoxRecorder boxes;
    CTrackerConfig config;
    config.calibrationChanged = true;
    ASSERT_FALSE(ConfigImage::decode(config, imageWith(fullLengthDigipeaters(14))));
    EXPECT_EQ(config.digiPath(),
              "DIGI01-15,DIGI02-15,DIGI03-15,DIGI04-15,DIGI05-15,DIGI06-15,DIGI07-15,DIGI08-15,"
              "DIGI09-15,DIGI10-15");
    EXPECT_EQ(config.statusText(), "Hi");
    EXPECT_FALSE(config.calibrationChanged);
    EXPECT_EQ(boxes.boxes,
              std::vector{BoxRecorder::info(
                  std::string(kPathShortened) + "DIGI11-15, DIGI12-15, DIGI13-15, DIGI14-15",
                  "Digi Path Shortened")});
}

TEST(DecodeImage, PathOfExactlyNinetyNineCharactersIsShownWhole) {
    BoxRecorder boxes;
    CTrackerConfig config;
    ASSERT_FALSE(ConfigImage::decode(config, imageWith(fullLengthDigipeaters(10))));
    EXPECT_EQ(config.digiPath().size(), 99U);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(DecodeImage, NothingAfterTheFirstLeftOutAddressIsShown) {
    std::vector<std::string> digipeaters = fullLengthDigipeaters(9);
    digipeaters.insert(digipeaters.end(), {"A-1", "ABCDEF-15", "B", ""});
    BoxRecorder boxes;
    CTrackerConfig config;
    ASSERT_FALSE(ConfigImage::decode(config, imageWith(digipeaters)));
    std::string kept;
    for (const std::string& d : fullLengthDigipeaters(9)) {
        kept += d + ",";
    }
    EXPECT_EQ(config.digiPath(), kept + "A-1");
    ASSERT_EQ(boxes.boxes.size(), 1U);
    EXPECT_EQ(boxes.boxes[0].text, std::string(kPathShortened) + "ABCDEF-15, B, (blank)");
}

}  // namespace
