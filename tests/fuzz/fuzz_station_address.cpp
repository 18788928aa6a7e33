// Feeds arbitrary text to the address parser, the normaliser and the path encoder: names
// stay six upper-case alphanumerics padded with blanks, SSIDs stay in range, canonical text
// is a fixed point and exact, and any path either fits the image or is refused.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config_image.h"
#include "digi_path.h"
#include "fuzz_check.h"
#include "station_address.h"
#include "tracker_config.h"

namespace {

void checkAddress(const StationAddress& address) {
    FUZZ_CHECK(address.ssid >= 0 && address.ssid <= StationAddress::kMaxSsid);
    bool blanks = false;
    for (const char c : address.name) {
        if (c == ' ') {
            blanks = true;
            continue;
        }
        FUZZ_CHECK(!blanks);
        FUZZ_CHECK((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
    }
    const std::string text = address.text();
    FUZZ_CHECK(text.size() <= 9);
    FUZZ_CHECK(normaliseAddress(text) == text);
    // What a tracker reports is taken back as it is, so a backup always restores.
    FUZZ_CHECK(StationAddress::isExact(text));
    const auto field = address.field();
    FUZZ_CHECK((field[StationAddress::kNameLength] & 0x01) == 0);
    FUZZ_CHECK(decodeAddressField(field) == text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    installSilentBoxes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    checkAddress(StationAddress::parse(text));
    if (size == StationAddress::kFieldSize) {
        const std::string shown = decodeAddressField(
            std::span<const std::uint8_t, StationAddress::kFieldSize>(data, size));
        FUZZ_CHECK(normaliseAddress(shown) == shown);
    }

    const auto addresses = splitDigiPath(text);
    for (const StationAddress& address : addresses) {
        checkAddress(address);
    }

    // As a path typed into the window: it is cut to the record's bound, then encoded.
    CTrackerConfig config;
    config.setDigiPath(text);
    config.setCallsign(text);
    const std::size_t elements = splitDigiPath(config.digiPath()).size();
    std::array<std::uint8_t, 200> buffer{};
    boxesShown() = 0;
    const std::size_t written = ConfigImage::encode(config, buffer);
    if (elements > ConfigImage::kMaxDigipeaters) {
        FUZZ_CHECK(written == ConfigImage::kRefused && boxesShown() == 1);
        return 0;
    }
    FUZZ_CHECK(written == ConfigImage::kSize);
    CTrackerConfig decoded;
    FUZZ_CHECK(!ConfigImage::decode(decoded, std::span(buffer).first<ConfigImage::kSize>()));
    // Canonical addresses never grow, so a typed path always reads back whole.
    FUZZ_CHECK(decoded.digiPath().size() <= config.digiPath().size());
    FUZZ_CHECK(decoded.callsign() == normaliseAddress(config.callsign()));
    return 0;
}
