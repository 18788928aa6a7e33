#include "beacon_header.h"

#include <algorithm>

#include "config_image.h"
#include "station_address.h"

namespace BeaconHeader {

namespace {

constexpr std::size_t kHeaderOffsetAt = 0;
constexpr std::size_t kStatusOffsetAt = 6;
constexpr std::size_t kFieldSize = StationAddress::kFieldSize;
constexpr std::size_t kSsidOctet = StationAddress::kNameLength;
constexpr std::uint8_t kExtensionBit = 0x01;
constexpr std::uint8_t kRepeatedBit = 0x80;
constexpr int kSsidMask = 0x0F;

// One address field as monitors print it: the name without its padding, "-SSID" unless 0, and
// for a digipeater '*' once it has repeated the frame.
std::string monitorAddress(std::span<const std::uint8_t> field, bool digipeater) {
    std::string text;
    for (std::size_t i = 0; i < StationAddress::kNameLength; ++i)
        text += static_cast<char>(field[i] >> 1);
    text.erase(text.find_last_not_of(' ') + 1);
    const int ssid = (field[kSsidOctet] >> 1) & kSsidMask;
    if (ssid != 0)
        text += '-' + std::to_string(ssid);
    if (digipeater && (field[kSsidOctet] & kRepeatedBit) != 0)
        text += '*';
    return text;
}

}  // namespace

std::optional<std::string> monitorLine(std::span<const std::uint8_t> image) {
    if (image.size() != ConfigImage::kSize)
        return std::nullopt;
    const std::size_t destination = image[kHeaderOffsetAt];
    const std::size_t source = destination + kFieldSize;
    if (source + kFieldSize > image.size())
        return std::nullopt;
    std::string line = monitorAddress(image.subspan(source, kFieldSize), false) + '>' +
                       monitorAddress(image.subspan(destination, kFieldSize), false);
    for (std::size_t next = source + kFieldSize; (image[next - 1] & kExtensionBit) == 0;
         next += kFieldSize) {
        if (next + kFieldSize > image.size())
            return std::nullopt;
        line += ',' + monitorAddress(image.subspan(next, kFieldSize), true);
    }

    const std::size_t statusAt = image[kStatusOffsetAt];
    if (statusAt >= image.size())
        return std::nullopt;
    const auto status = image.subspan(statusAt);
    const auto end = std::find(status.begin(), status.end(), std::uint8_t{0});
    if (end == status.end())
        return std::nullopt;
    line += ':';
    line.append(status.begin(), end);
    return line;
}

}  // namespace BeaconHeader
