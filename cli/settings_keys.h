// The keys of the settings file, and the names it gives the two kinds of weather station.
#pragma once

#include <string_view>

namespace SettingsKey {

inline constexpr std::string_view kCallsign = "callsign";
inline constexpr std::string_view kDigiPath = "digi_path";
inline constexpr std::string_view kStatusText = "status_text";
inline constexpr std::string_view kStatusEvery = "status_every";
inline constexpr std::string_view kStation = "station";
inline constexpr std::string_view kKeyupDelay = "keyup_delay_ms";
inline constexpr std::string_view kTransmitInterval = "transmit_interval_s";
inline constexpr std::string_view kQuietTime = "quiet_time_ms";
inline constexpr std::string_view kCalibration = "calibration";

// station: these two by name, any other mode byte as its number.
inline constexpr std::string_view kStationWx200 = "WX200/WM918";
inline constexpr std::string_view kStationPeet = "Peet";

}  // namespace SettingsKey
