// The least time each command of the link takes against a tracker that answers at once: the
// pauses and timeouts the protocol itself prescribes, worked out from the link's own timing.
// The benchmark sets the measured times against these; pelmoxctl fills its progress bar by them.
#pragma once

#include <chrono>
#include <cstddef>

#include "command_bytes.h"
#include "link_timing.h"

namespace exchange_time {

using std::chrono::milliseconds;

// The buffers the programs hand the link: a version reply of at most 29 characters, an image
// buffer with room to spare. The link reads back into (and drains an upload with) its own.
inline constexpr std::size_t kReplyCapacity = 30;
inline constexpr std::size_t kImageBuffer = 200;
inline constexpr std::size_t kReadBackBuffer = 200;
inline constexpr std::size_t kUploadDrain = 100;
inline constexpr std::size_t kImageSize = 128;

// A read that gets a reply shorter than it asked for ends one quiet gap after the reply.
constexpr milliseconds replyRead(std::size_t capacity, std::size_t reply) {
    return reply < capacity ? link_timing::kReadGap : milliseconds{0};
}

// Drain (nothing waiting, so the whole total timeout), command, reply.
constexpr milliseconds identify(std::size_t versionLength) {
    constexpr std::size_t room = kReplyCapacity - 1;
    return link_timing::readTotalTimeout(room) +
           link_timing::pacedWriteTime(command_bytes::kIdentify.size()) +
           replyRead(room, versionLength);
}

constexpr milliseconds download(std::size_t capacity) {
    return link_timing::readTotalTimeout(capacity) +
           link_timing::pacedWriteTime(command_bytes::kDownload.size()) +
           replyRead(capacity, kImageSize);
}

constexpr milliseconds readVerified() {
    return download(kImageBuffer) + download(kReadBackBuffer);
}

constexpr milliseconds writeVerified() {
    return link_timing::readTotalTimeout(kUploadDrain) +
           link_timing::pacedWriteTime(command_bytes::kUpload.size() + kImageSize) +
           download(kReadBackBuffer);
}

// Stop, pause, then the tone asked for.
constexpr milliseconds tone() {
    constexpr std::size_t toneBytes = command_bytes::kTonePrefix.size() + 1;
    return link_timing::pacedWriteTime(toneBytes) + link_timing::kTonePause +
           link_timing::pacedWriteTime(toneBytes);
}

}  // namespace exchange_time
