// Line timeouts and pauses of the link, in milliseconds, with the durations they add up to.
// The benchmark works out the protocol's own share of an exchange from these same numbers.
#pragma once

#include <chrono>
#include <cstddef>

namespace link_timing {

using std::chrono::milliseconds;

// A read ends once the line has been quiet this long after its first byte...
inline constexpr milliseconds kReadGap{50};
// ...or when this much per requested byte plus the constant has passed in all.
inline constexpr milliseconds kReadPerByte{2};
inline constexpr milliseconds kReadConstant{300};

// Writes go out one byte at a time; one byte may take this long to leave before it counts as
// not written. The constant covers a line held up by flow control or a busy machine.
inline constexpr milliseconds kWritePerByte{2};
inline constexpr milliseconds kWriteConstant{100};

// The tracker needs this pause after every byte it is sent.
inline constexpr milliseconds kBytePause{10};
// Between stopping one tone and starting the next.
inline constexpr milliseconds kTonePause{50};

constexpr milliseconds readTotalTimeout(std::size_t count) {
    return kReadPerByte * static_cast<long long>(count) + kReadConstant;
}

constexpr milliseconds writeTimeout(std::size_t count) {
    return kWritePerByte * static_cast<long long>(count) + kWriteConstant;
}

// The least time a paced write of count bytes takes.
constexpr milliseconds pacedWriteTime(std::size_t count) {
    return kBytePause * static_cast<long long>(count);
}

}  // namespace link_timing
