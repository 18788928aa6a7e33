// The tracker's 128-byte configuration memory and its encoder and decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

class CTrackerConfig;

namespace ConfigImage {

inline constexpr std::size_t kSize = 128;
// Result of encode when it refuses to build an image (capacity too small, path too long).
inline constexpr std::size_t kRefused = 1;
// Digipeater fields the image has room for, with the frame's closing bytes and terminator.
inline constexpr std::size_t kMaxDigipeaters = 14;
// The largest numbers the image holds: calibration, station mode and status every are one
// byte each, the transmit interval two. The encoder keeps the low bits of a larger number.
inline constexpr std::int32_t kMostInOneByte = 0xFF;
inline constexpr std::int32_t kMostInTwoBytes = 0xFFFF;

// Characters of status text the image has room for behind a path of this many digipeaters:
// 101 with none, 7 fewer for each. A longer text is cut.
std::size_t statusRoom(std::size_t digipeaters);

// Builds the image of the record into the first 128 bytes of out and returns 128; on refusal
// shows the reason and returns kRefused. A too-long status text is cut, with a box, and the
// image is still built.
std::size_t encode(const CTrackerConfig& config, std::span<std::uint8_t> out);

// Replaces every field of the record from an image. Returns the failure mark (true) after
// showing why when the length is not 128 or the image is inconsistent; the record is then
// left untouched.
bool decode(CTrackerConfig& config, std::span<const std::uint8_t> image);

}  // namespace ConfigImage
