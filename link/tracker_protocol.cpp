// The command half of the link: the escape sequences and replies of the tracker.
#include <QSerialPort>
#include <algorithm>
#include <array>
#include <cstdio>
#include <thread>
#include <utility>

#include "command_bytes.h"
#include "link_messages.h"
#include "link_pause.h"
#include "link_timing.h"
#include "message_box.h"
#include "tracker_link.h"
#include "tracker_reply.h"

namespace {

// The verify download and the second read of a verified read use a buffer with room to
// spare, so a tracker that sends too much shows up as a wrong length, not a cut-off match.
constexpr std::size_t kReadBackCapacity = 200;
// The upload only clears stale output; this much is enough.
constexpr std::size_t kUploadDrainCapacity = 100;

std::span<std::uint8_t> asBytes(std::span<char> text) {
    return {reinterpret_cast<std::uint8_t*>(text.data()), text.size()};
}

template <std::size_t N>
std::array<std::uint8_t, N + 1> withCode(const std::array<std::uint8_t, N>& prefix, char code) {
    std::array<std::uint8_t, N + 1> out{};
    std::copy(prefix.begin(), prefix.end(), out.begin());
    out[N] = static_cast<std::uint8_t>(code);
    return out;
}

}  // namespace

// Every exchange gives the port back when it ends, whatever happened: a failed identify or a
// refused line setting must not keep the port from other programs until the next command. Only
// a hold keeps it, for the exchanges that follow.
class CTrackerLink::ExchangeEnd {
  public:
    explicit ExchangeEnd(CTrackerLink& link) : link_(link) {}
    ~ExchangeEnd() { link_.endExchange(); }
    ExchangeEnd(const ExchangeEnd&) = delete;
    ExchangeEnd& operator=(const ExchangeEnd&) = delete;

  private:
    CTrackerLink& link_;
};

bool CTrackerLink::identify(std::span<char> reply) {
    ExchangeEnd end(*this);
    if (open())
        return true;

    // One byte of the buffer is kept for the terminator.
    const std::size_t room = reply.empty() ? 0 : reply.size() - 1;
    const std::span<std::uint8_t> text = asBytes(reply).first(room);
    read(text);
    if (write(command_bytes::kIdentify)) {
        close();
        return true;
    }
    const std::size_t n = read(text);
    if (!reply.empty())
        reply[n] = '\0';
    if (!isTrackerReply(std::string_view(reply.data(), n)))
        return true;
    return close();
}

bool CTrackerLink::findTracker(std::span<char> reply) {
    for (const int baud : {kFirstBaud, kFallbackBaud}) {
        baudRate_ = baud;
        if (!identify(reply))
            return false;
    }
    return errorBox(link_message::kTrackerNotFound);
}

std::size_t CTrackerLink::download(std::span<std::uint8_t> buffer) {
    ExchangeEnd end(*this);
    if (open())
        return 0;
    read(buffer);
    if (write(command_bytes::kDownload)) {
        close();
        return 0;
    }
    const std::size_t n = read(buffer);
    return close() ? 0 : n;
}

std::size_t CTrackerLink::readImageVerified(std::span<std::uint8_t> buffer) {
    const std::size_t n = download(buffer);
    if (n == 0)
        return 0;
    std::array<std::uint8_t, kReadBackCapacity> second{};
    const std::size_t m = download(second);
    if (m != n)
        return 0;
    if (!std::equal(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n),
                    second.begin())) {
        return 0;
    }
    return n;
}

bool CTrackerLink::upload(std::span<const std::uint8_t> image) {
    ExchangeEnd end(*this);
    if (open())
        return true;
    std::array<std::uint8_t, kUploadDrainCapacity> scratch{};
    read(scratch);
    if (write(command_bytes::kUpload) || write(image)) {
        close();
        return true;
    }
    return close();
}

bool CTrackerLink::writeImageVerified(std::span<const std::uint8_t> image) {
    if (upload(image))
        return true;
    std::array<std::uint8_t, kReadBackCapacity> back{};
    const std::size_t m = download(back);
    if (m != image.size()) {
        std::array<char, 64> text{};
        std::snprintf(text.data(), text.size(), link_message::kWriteLengthFormat,
                      static_cast<int>(image.size()), static_cast<int>(m));
        return errorBox(text.data());
    }
    if (!std::equal(image.begin(), image.end(), back.begin())) {
        return errorBox(link_message::kWriteContentsDiffer);
    }
    return false;
}

CTrackerLink::ToneSent CTrackerLink::sendTone(char code) {
    ExchangeEnd end(*this);
    ToneSent sent;
    if (open())
        return sent;
    if (write(withCode(command_bytes::kTonePrefix, command_bytes::kToneOff))) {
        close();
        return sent;
    }
    sent.stopSent = true;
    link_pause::pause(link_timing::kTonePause);
    // The prefix first, so that a failure is known to have come before the code or not: the
    // bytes go out one by one either way.
    if (write(command_bytes::kTonePrefix)) {
        close();
        return sent;
    }
    sent.codeSent = true;
    const std::array<std::uint8_t, 1> codeByte{static_cast<std::uint8_t>(code)};
    if (write(codeByte)) {
        close();
        return sent;
    }
    sent.failed = close();
    return sent;
}

CTrackerLink::ToneSent CTrackerLink::stopToneOnHeldPort(int baud) {
    if (!keepsPort())
        return {};
    const int own = std::exchange(baudRate_, baud);
    const ToneSent sent = sendTone(command_bytes::kToneOff);
    baudRate_ = own;
    // A stop whose line failed has left the port to be opened afresh, at the right speed.
    if (keepsPort() && !port_->setBaudRate(baudRate_))
        lineFailed(link_message::kSetStateFailed);
    return sent;
}
