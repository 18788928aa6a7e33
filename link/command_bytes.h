// The escape sequences the tracker listens for, and the reply it gives to identify.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace command_bytes {

inline constexpr std::uint8_t kEsc = 0x1B;

inline constexpr std::array<std::uint8_t, 3> kIdentify = {kEsc, kEsc, 'V'};
inline constexpr std::array<std::uint8_t, 2> kUpload = {kEsc, 'D'};
inline constexpr std::array<std::uint8_t, 2> kDownload = {kEsc, 'U'};
// A tone command is this prefix and one code byte.
inline constexpr std::array<std::uint8_t, 2> kTonePrefix = {kEsc, kEsc};

inline constexpr char kTone1200 = '1';
inline constexpr char kTone2200 = '2';
inline constexpr char kToneBoth = '3';
inline constexpr char kToneOff = 'x';

// An identify reply must start with the device word and a blank, in any letter case.
inline constexpr std::string_view kReplyPrefix = "pelmox ";

}  // namespace command_bytes
