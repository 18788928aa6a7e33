#include "config_image.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "codec_messages.h"
#include "digi_path.h"
#include "message_box.h"
#include "station_address.h"
#include "tracker_config.h"
#include "tracker_units.h"

namespace ConfigImage {

namespace {

// Where the settings sit in the image.
constexpr std::size_t kHeaderOffsetAt = 0;
constexpr std::size_t kCalibrationAt = 1;
constexpr std::size_t kKeyupDelayAt = 2;
constexpr std::size_t kIntervalLowAt = 3;
constexpr std::size_t kIntervalHighAt = 4;
constexpr std::size_t kStationModeAt = 5;
constexpr std::size_t kStatusOffsetAt = 6;
constexpr std::size_t kQuietTimeAt = 7;
constexpr std::size_t kStatusEveryAt = 8;
// The frame header the tracker sends its packets with starts here in every image we build.
constexpr std::size_t kHeaderStart = 9;
// Offset 127 is kept for the terminator of the longest status text.
constexpr std::size_t kStatusEnd = kSize - 1;

constexpr std::string_view kDestination = "APZQ17";
constexpr std::uint8_t kExtensionBit = 0x01;
constexpr std::uint8_t kControlUnnumberedInfo = 0x03;
constexpr std::uint8_t kProtocolNoLayer3 = 0xF0;
constexpr std::uint8_t kStatusLead = 0x00;
// Behind the address fields: control field, protocol identifier and the zero before the text.
constexpr std::size_t kFrameClosingBytes = 3;
// The destination and the source come before the digipeaters.
constexpr std::size_t kAddressesBeforePath = 2;

constexpr std::size_t kFieldSize = StationAddress::kFieldSize;
constexpr std::size_t kPathLimit = CTrackerConfig::kDigiPathSize - 1;
constexpr std::string_view kBlankAddressShown = "(blank)";
constexpr std::string_view kDroppedSeparator = ", ";

std::uint8_t lowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value & kMostInOneByte);
}

std::uint8_t secondByte(std::int32_t value) {
    return static_cast<std::uint8_t>((static_cast<std::uint32_t>(value) >> 8) & kMostInOneByte);
}

constexpr std::size_t statusStart(std::size_t digipeaters) {
    return kHeaderStart + (kAddressesBeforePath + digipeaters) * kFieldSize + kFrameClosingBytes;
}
static_assert(statusStart(kMaxDigipeaters) < kStatusEnd, "the longest path fits the image");

bool reportBadDecodeSize(std::size_t length) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), CodecMessages::kBadDecodeSizeFormat,
                  static_cast<int>(std::min<std::size_t>(length, std::numeric_limits<int>::max())));
    return errorBox(text.data());
}

bool reportTooManyDigipeaters(std::size_t count) {
    std::array<char, 128> text{};
    std::snprintf(text.data(), text.size(), CodecMessages::kTooManyDigipeatersFormat, count);
    return errorBox(text.data());
}

void reportDroppedDigipeaters(std::span<const std::string> dropped) {
    std::string text(CodecMessages::kPathShortened);
    for (std::size_t i = 0; i < dropped.size(); ++i) {
        if (i != 0) {
            text += kDroppedSeparator;
        }
        text += dropped[i].empty() ? kBlankAddressShown : std::string_view(dropped[i]);
    }
    informationBox(text, CodecMessages::kPathShortenedCaption);
}

std::string addressAt(std::span<const std::uint8_t> image, std::size_t offset) {
    return decodeAddressField(image.subspan(offset).first<kFieldSize>());
}

}  // namespace

std::size_t statusRoom(std::size_t digipeaters) {
    return digipeaters > kMaxDigipeaters ? 0 : kStatusEnd - statusStart(digipeaters);
}

std::size_t encode(const CTrackerConfig& config, std::span<std::uint8_t> out) {
    if (out.size() < kSize) {
        errorBox(CodecMessages::kBadEncodeSize);
        return kRefused;
    }
    const std::vector<StationAddress> digipeaters = splitDigiPath(config.digiPath());
    if (digipeaters.size() > kMaxDigipeaters) {
        reportTooManyDigipeaters(digipeaters.size());
        return kRefused;
    }

    const std::span<std::uint8_t, kSize> image = out.first<kSize>();
    std::fill(image.begin(), image.end(), std::uint8_t{0});
    image[kCalibrationAt] = lowByte(config.calibration);
    image[kKeyupDelayAt] = TrackerUnits::keyupDelayToSteps(config.keyupDelayMs);
    image[kStationModeAt] = lowByte(config.stationMode);
    image[kIntervalLowAt] = lowByte(config.txIntervalSec);
    image[kIntervalHighAt] = secondByte(config.txIntervalSec);
    image[kStatusEveryAt] = lowByte(config.statusEvery);
    image[kQuietTimeAt] = TrackerUnits::quietTimeToSteps(config.quietTimeMs);
    image[kHeaderOffsetAt] = kHeaderStart;

    std::size_t next = kHeaderStart;
    const auto put = [&](const StationAddress& address) {
        const auto field = address.field();
        std::copy(field.begin(), field.end(), image.begin() + static_cast<std::ptrdiff_t>(next));
        next += kFieldSize;
    };
    put(StationAddress::parse(kDestination));
    put(StationAddress::parse(config.callsign()));
    for (const StationAddress& digipeater : digipeaters) {
        put(digipeater);
    }
    image[next - 1] |= kExtensionBit;
    image[next++] = kControlUnnumberedInfo;
    image[next++] = kProtocolNoLayer3;
    image[next++] = kStatusLead;

    image[kStatusOffsetAt] = static_cast<std::uint8_t>(next);
    const std::string_view status = config.statusText();
    const std::string_view kept = status.substr(0, statusRoom(digipeaters.size()));
    std::copy(kept.begin(), kept.end(), image.begin() + static_cast<std::ptrdiff_t>(next));
    image[next + kept.size()] = 0;
    if (kept.size() < status.size()) {
        informationBox(CodecMessages::kStatusTruncated, CodecMessages::kStatusTruncatedCaption);
    }
    return kSize;
}

bool decode(CTrackerConfig& config, std::span<const std::uint8_t> image) {
    if (image.size() != kSize) {
        return reportBadDecodeSize(image.size());
    }

    // Work on a copy: a damaged image must leave the record as it was.
    CTrackerConfig decoded = config;

    // The destination field in front of the source is not read.
    std::size_t next = std::size_t{image[kHeaderOffsetAt]} + kFieldSize;
    if (next + kFieldSize > kSize) {
        return errorBox(CodecMessages::kHeaderPastEnd);
    }
    decoded.setCallsign(addressAt(image, next));
    next += kFieldSize;

    // The window holds 99 path characters; whole addresses that do not fit are left out
    // from the first one on, so what is shown is still the start of the real route.
    std::string path;
    std::vector<std::string> dropped;
    while ((image[next - 1] & kExtensionBit) == 0) {
        if (next + kFieldSize > kSize) {
            return errorBox(CodecMessages::kAddressListUnended);
        }
        std::string address = addressAt(image, next);
        next += kFieldSize;
        const std::size_t grown = path.size() + (path.empty() ? 0 : 1) + address.size();
        if (dropped.empty() && grown <= kPathLimit) {
            appendToDigiPath(path, address);
        } else {
            dropped.push_back(std::move(address));
        }
    }

    const std::size_t statusAt = image[kStatusOffsetAt];
    if (statusAt >= kSize) {
        return errorBox(CodecMessages::kStatusPastEnd);
    }
    const auto status = image.subspan(statusAt);
    const auto statusEnd = std::find(status.begin(), status.end(), std::uint8_t{0});
    if (statusEnd == status.end()) {
        return errorBox(CodecMessages::kStatusUnended);
    }

    decoded.setDigiPath(path);
    decoded.setStatusText(std::string_view(reinterpret_cast<const char*>(status.data()),
                                           static_cast<std::size_t>(statusEnd - status.begin())));
    decoded.calibration = image[kCalibrationAt];
    decoded.keyupDelayMs = TrackerUnits::keyupDelayFromSteps(image[kKeyupDelayAt]);
    decoded.stationMode = image[kStationModeAt];
    decoded.statusEvery = image[kStatusEveryAt];
    decoded.txIntervalSec = image[kIntervalLowAt] | (image[kIntervalHighAt] << 8);
    decoded.quietTimeMs = TrackerUnits::quietTimeFromSteps(image[kQuietTimeAt]);
    decoded.calibrationChanged = false;
    config = decoded;

    if (!dropped.empty()) {
        reportDroppedDigipeaters(dropped);
    }
    return false;
}

}  // namespace ConfigImage
