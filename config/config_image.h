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

// Builds the image of the record into the first 128 bytes of out and returns 128; on refusal
// shows the reason and returns kRefused. A too-long status text is cut, with a box, and the
// image is still built.
std::size_t encode(const CTrackerConfig& config, std::span<std::uint8_t> out);

// Replaces every field of the record from an image. Returns the failure mark (true) after
// showing why when the length is not 128 or the image is inconsistent; the record is then
// left untouched.
bool decode(CTrackerConfig& config, std::span<const std::uint8_t> image);

}  // namespace ConfigImage
