// The program's one in-memory copy of the tracker's settings, in the units the user types.
// Conversion to the tracker's own units happens only in the image codec.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

class CTrackerConfig {
  public:
    // Text buffers, terminator included: at most 19, 99 and 199 characters.
    static constexpr std::size_t kCallsignSize = 20;
    static constexpr std::size_t kDigiPathSize = 100;
    static constexpr std::size_t kStatusTextSize = 200;

    static constexpr std::string_view kDefaultCallsign = "NOCALL";
    static constexpr std::string_view kDefaultDigiPath = "WIDE3-3";
    static constexpr std::string_view kDefaultStatusText = "PelmoxII";
    static constexpr std::int32_t kDefaultCalibration = 128;
    static constexpr std::int32_t kModeWx200 = 128;  // bit 7: WX200/WM918 station attached
    static constexpr std::int32_t kModePeet = 64;    // bit 6: Peet station attached
    static constexpr std::int32_t kDefaultKeyupDelayMs = 250;
    static constexpr std::int32_t kDefaultStatusEvery = 3;
    static constexpr std::int32_t kDefaultTxIntervalSec = 60;
    static constexpr std::int32_t kDefaultQuietTimeMs = 1500;

    CTrackerConfig();

    // Each keeps at most the buffer's capacity less one byte of the given 8-bit text.
    void setCallsign(std::string_view text);
    void setDigiPath(std::string_view text);
    void setStatusText(std::string_view text);

    std::string_view callsign() const { return callsign_.data(); }
    std::string_view digiPath() const { return digiPath_.data(); }
    std::string_view statusText() const { return statusText_.data(); }

    // Numbers carry no range here: the codec narrows them when it builds the image.
    std::int32_t calibration = kDefaultCalibration;
    std::int32_t stationMode = kModeWx200;
    std::int32_t keyupDelayMs = kDefaultKeyupDelayMs;
    std::int32_t statusEvery = kDefaultStatusEvery;
    std::int32_t txIntervalSec = kDefaultTxIntervalSec;
    std::int32_t quietTimeMs = kDefaultQuietTimeMs;
    // Set when the window changes the calibration; cleared by every decode of an image.
    bool calibrationChanged = false;

  private:
    std::array<char, kCallsignSize> callsign_{};
    std::array<char, kDigiPathSize> digiPath_{};
    std::array<char, kStatusTextSize> statusText_{};
};
