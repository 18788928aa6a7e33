#include "simulated_tracker.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

constexpr std::uint8_t kEsc = 0x1B;

constexpr std::string_view kVersion = "Pelmox II v1.23 WX";
constexpr std::string_view kVersionNoBlank = "Pelmox";
constexpr std::string_view kVersionLowerCase = "pelmox ii v1.23 wx";
constexpr std::string_view kVersionLong = "Pelmox II v1.23 WX build 2026-12-08 serial 004711";
constexpr std::string_view kStaleJunk = "\r\n$WX,018,+12.5C,1013hPa*3A\r\n";

// The slow memory: a byte of an upload is lost when the upload so far has run ahead of this
// pace by more than the slack. Judged against the start of the command rather than the gap
// between two reads, so a busy machine that delays this thread or the writer (bunching bytes
// up or spreading them out) does not turn a properly paced upload into a lossy one.
constexpr std::chrono::milliseconds kStorePace{4};
constexpr std::chrono::milliseconds kStoreSlack{400};
// A command that stalls this long is forgotten and the parser starts afresh.
constexpr std::chrono::milliseconds kCommandStall{1000};
// The speed the line rests at while no program holds it. The program's serial port puts the
// settings it found back when it closes, so a speed other than this one is the program's, and
// this one means it has just closed the port: bytes read late (a busy machine can delay this
// thread past the close) are judged by the speed last seen while the port was open.
constexpr speed_t kIdleSpeed = B50;
// Where the line vanishes in the middle of an upload, or of the image being sent.
constexpr std::size_t kVanishAfter = 16;

// The image of a freshly set-up tracker: callsign NOCALL, path WIDE3-3, status "PelmoxII".
constexpr SimulatedTracker::Image kFactoryImage = {
    0x09, 0x80, 0x26, 0x3C, 0x00, 0x80, 0x21, 0x3A, 0x03, 0x82, 0xA0, 0xB4, 0xA2, 0x62,
    0x6E, 0x60, 0x9C, 0x9E, 0x86, 0x82, 0x98, 0x98, 0x60, 0xAE, 0x92, 0x88, 0x8A, 0x66,
    0x40, 0x67, 0x03, 0xF0, 0x00, 0x50, 0x65, 0x6C, 0x6D, 0x6F, 0x78, 0x49, 0x49,
};

int speedValue(speed_t speed) {
    switch (speed) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

void closeFd(std::atomic<int>& fd) {
    const int old = fd.exchange(-1);
    if (old >= 0)
        ::close(old);
}

void closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

struct ToneCode {
    std::uint8_t code;
    SimulatedTracker::Tone tone;
};
constexpr std::array<ToneCode, 4> kToneCodes = {{
    {'1', SimulatedTracker::Tone::Tone1200},
    {'2', SimulatedTracker::Tone::Tone2200},
    {'3', SimulatedTracker::Tone::Both},
    {'x', SimulatedTracker::Tone::Off},
}};

std::string describe(SimulatedTracker::Tone tone) {
    switch (tone) {
        case SimulatedTracker::Tone::Off:
            return "tone off";
        case SimulatedTracker::Tone::Tone1200:
            return "tone 1200 Hz";
        case SimulatedTracker::Tone::Tone2200:
            return "tone 2200 Hz";
        case SimulatedTracker::Tone::Both:
            return "tones 1200 Hz and 2200 Hz";
    }
    return "tone ?";
}

}  // namespace

SimulatedTracker::SimulatedTracker(int baud) : baud_(baud), image_(kFactoryImage) {}

SimulatedTracker::~SimulatedTracker() {
    if (thread_.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const auto n = ::write(wake_[1], &stop, 1);
        thread_.join();
    }
    closeFd(master_);
    closeFd(slave_);
    closeFd(wake_[0]);
    closeFd(wake_[1]);
}

bool SimulatedTracker::start() {
    if (thread_.joinable())
        return false;
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    const int master = master_;
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return false;
    char name[128] = {};
    if (::ptsname_r(master, name, sizeof name) != 0)
        return false;
    path_ = name;

    // The simulator keeps a slave descriptor of its own for its whole life. Without it every
    // close by the program would be the last close of the slave, and until the next open the
    // master would report a hangup: poll() returns POLLHUP at once (the serving loop would
    // spin) and reads fail with EIO. It is also where the speed the program set is read. It is
    // never read from, so it steals no bytes meant for the program.
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
        return false;

    // Raw from the start: a fresh pty echoes and works line by line, which would bounce our
    // own replies back at us and hold bytes back until a newline.
    termios tio{};
    if (::tcgetattr(slave_, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, kIdleSpeed);
    if (::tcsetattr(slave_, TCSANOW, &tio) != 0)
        return false;

    if (::pipe2(wake_, O_CLOEXEC) != 0)
        return false;
    thread_ = std::thread([this] { serve(); });
    return true;
}

std::string SimulatedTracker::devicePath() const {
    return path_;
}

SimulatedTracker::Image SimulatedTracker::image() const {
    std::lock_guard lock(mutex_);
    return image_;
}

void SimulatedTracker::setImage(std::span<const std::uint8_t, kImageSize> image) {
    std::lock_guard lock(mutex_);
    std::copy(image.begin(), image.end(), image_.begin());
}

SimulatedTracker::Tone SimulatedTracker::tone() const {
    std::lock_guard lock(mutex_);
    return tone_;
}

void SimulatedTracker::setFault(Fault fault) {
    {
        std::lock_guard lock(mutex_);
        fault_ = fault;
    }
    if (fault == Fault::StaleOutput) {
        sendReply({reinterpret_cast<const std::uint8_t*>(kStaleJunk.data()), kStaleJunk.size()});
    }
}

std::string SimulatedTracker::version() const {
    std::lock_guard lock(mutex_);
    switch (fault_) {
        case Fault::NoBlank:
            return std::string(kVersionNoBlank);
        case Fault::LowerCase:
            return std::string(kVersionLowerCase);
        case Fault::LongReply:
            return std::string(kVersionLong);
        default:
            return std::string(kVersion);
    }
}

void SimulatedTracker::setLogger(Logger logger) {
    std::lock_guard lock(mutex_);
    logger_ = std::move(logger);
}

std::size_t SimulatedTracker::lostUploadBytes() const {
    std::lock_guard lock(mutex_);
    return lost_;
}

std::size_t SimulatedTracker::commandCount() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

void SimulatedTracker::serve() {
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const int master = master_;
        pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master, POLLIN, 0}};
        // Once the line has vanished only the stop request is left to wait for.
        const nfds_t count = master >= 0 ? 2 : 1;
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents != 0)
            return;
        if (count < 2 || fds[1].revents == 0)
            continue;
        const ssize_t n = ::read(master, buffer.data(), buffer.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0) {
            // Should not happen while our own slave descriptor is open; do not spin if it does.
            ::poll(fds, 1, 10);
            continue;
        }
        receive(std::span(buffer).first(static_cast<std::size_t>(n)), Clock::now());
    }
}

void SimulatedTracker::receive(std::span<const std::uint8_t> bytes, Clock::time_point now) {
    const int speed = lineSpeed();
    if (speed != baud_) {
        // The real tracker sees only framing garbage at another speed.
        parse_ = Parse::Idle;
        log("ignored " + std::to_string(bytes.size()) + " byte(s) at " + std::to_string(speed) +
            " baud");
        return;
    }
    for (const std::uint8_t byte : bytes) {
        if (master_ < 0)
            return;
        handle(byte, now);
    }
}

void SimulatedTracker::handle(std::uint8_t byte, Clock::time_point now) {
    Fault fault;
    {
        std::lock_guard lock(mutex_);
        fault = fault_;
    }
    if (fault == Fault::Silent)
        return;
    if (parse_ != Parse::Idle && now - lastByte_ > kCommandStall) {
        if (parse_ == Parse::Uploading)
            log("upload abandoned after " + std::to_string(uploadIndex_) + " bytes");
        parse_ = Parse::Idle;
    }
    lastByte_ = now;

    const auto command = [this](std::string_view what) {
        {
            std::lock_guard lock(mutex_);
            ++commands_;
        }
        log(what);
    };

    switch (parse_) {
        case Parse::Idle:
            if (byte == kEsc) {
                parse_ = Parse::Escape;
                commandStart_ = now;
            }
            return;
        case Parse::Escape:
            if (byte == kEsc) {
                parse_ = Parse::DoubleEscape;
            } else if (byte == 'U') {
                parse_ = Parse::Idle;
                command("download");
                sendImage();
            } else if (byte == 'D') {
                parse_ = Parse::Uploading;
                uploadIndex_ = 0;
                {
                    std::lock_guard lock(mutex_);
                    lost_ = 0;
                }
                command("upload");
            } else {
                parse_ = Parse::Idle;
            }
            return;
        case Parse::DoubleEscape:
            parse_ = Parse::Idle;
            if (byte == kEsc) {
                parse_ = Parse::DoubleEscape;
            } else if (byte == 'V') {
                command("identify");
                if (fault == Fault::VanishMidExchange)
                    return vanish();
                const std::string reply = version();
                sendReply({reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size()});
            } else if (const auto* code =
                           std::find_if(kToneCodes.begin(), kToneCodes.end(),
                                        [byte](const ToneCode& c) { return c.code == byte; });
                       code != kToneCodes.end()) {
                if (fault == Fault::VanishMidExchange)
                    return vanish();
                setTone(code->tone);
            }
            return;
        case Parse::Uploading:
            storeUploadByte(byte, now, fault);
            return;
    }
}

void SimulatedTracker::storeUploadByte(std::uint8_t byte, Clock::time_point now, Fault fault) {
    if (fault == Fault::VanishMidExchange && uploadIndex_ == kVanishAfter)
        return vanish();
    // The command's two bytes count towards the pace too.
    const auto budget = kStorePace * static_cast<long long>(uploadIndex_ + 2) - kStoreSlack;
    const bool lost = now - commandStart_ < budget;
    {
        std::lock_guard lock(mutex_);
        if (lost) {
            ++lost_;
        } else {
            image_[uploadIndex_] = byte;
        }
    }
    if (++uploadIndex_ == kImageSize) {
        parse_ = Parse::Idle;
        log("stored " + std::to_string(kImageSize - lostUploadBytes()) + " bytes, lost " +
            std::to_string(lostUploadBytes()));
    }
}

void SimulatedTracker::sendImage() {
    Image image;
    Fault fault;
    {
        std::lock_guard lock(mutex_);
        image = image_;
        fault = fault_;
        ++downloads_;
        if (fault == Fault::DifferingDownloads)
            image[kImageSize - 1] ^= (downloads_ & 1) ? 0x5A : 0xA5;
    }
    std::span<const std::uint8_t> out(image);
    if (fault == Fault::ShortReadBack)
        out = out.first(kImageSize - 1);
    if (fault == Fault::VanishMidExchange) {
        sendReply(out.first(kVanishAfter));
        return vanish();
    }
    sendReply(out);
}

void SimulatedTracker::sendReply(std::span<const std::uint8_t> bytes) {
    const int master = master_;
    while (!bytes.empty() && master >= 0) {
        const ssize_t n = ::write(master, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                pollfd out = {master, POLLOUT, 0};
                ::poll(&out, 1, 10);
                continue;
            }
            return;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
}

void SimulatedTracker::setTone(Tone tone) {
    {
        std::lock_guard lock(mutex_);
        ++commands_;
        tone_ = tone;
    }
    log(describe(tone));
}

void SimulatedTracker::vanish() {
    log("line vanished");
    // Closing the master hangs the program's side up: its reads see end of file, writes fail.
    closeFd(master_);
    closeFd(slave_);
}

int SimulatedTracker::lineSpeed() {
    termios tio{};
    if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0)
        return 0;
    if (::cfgetospeed(&tio) != kIdleSpeed)
        activeSpeed_ = speedValue(::cfgetospeed(&tio));
    return activeSpeed_;
}

void SimulatedTracker::log(std::string_view line) {
    Logger logger;
    {
        std::lock_guard lock(mutex_);
        logger = logger_;
    }
    if (logger)
        logger(line);
}
