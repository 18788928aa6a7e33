#include "simulated_tracker.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint8_t kEsc = 0x1B;

// The slow memory: a byte of an upload is lost when the upload so far has run ahead of this
// pace by more than the slack. Judged against the start of the command rather than the gap
// between two reads, so a busy machine that delays this thread or the writer (bunching bytes
// up or spreading them out) does not turn a properly paced upload into a lossy one.
constexpr std::chrono::milliseconds kStorePace{4};
constexpr std::chrono::milliseconds kStoreSlack{400};
// A command that stalls this long is forgotten and the parser starts afresh.
constexpr std::chrono::milliseconds kCommandStall{1000};

// The image of a freshly set-up tracker: callsign NOCALL, path WIDE3-3, status "PelmoxII".
constexpr SimulatedTracker::Image kFactoryImage = {
    0x09, 0x80, 0x26, 0x3C, 0x00, 0x80, 0x21, 0x3A, 0x03, 0x82, 0xA0, 0xB4, 0xA2, 0x62,
    0x6E, 0x60, 0x9C, 0x9E, 0x86, 0x82, 0x98, 0x98, 0x60, 0xAE, 0x92, 0x88, 0x8A, 0x66,
    0x40, 0x67, 0x03, 0xF0, 0x00, 0x50, 0x65, 0x6C, 0x6D, 0x6F, 0x78, 0x49, 0x49,
};

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

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

SimulatedTracker::SimulatedTracker(int baud) : baud_(baud), image_(kFactoryImage) {}

SimulatedTracker::~SimulatedTracker() = default;

bool SimulatedTracker::start() {
    return line_.open([this](std::span<const std::uint8_t> bytes, int speed,
                             Clock::time_point now) { receive(bytes, speed, now); });
}

std::string SimulatedTracker::devicePath() const {
    return line_.path();
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
    if (fault == Fault::StaleOutput)
        line_.send(bytesOf(tracker_fault::kStaleOutput));
}

std::string SimulatedTracker::version() const {
    std::lock_guard lock(mutex_);
    return std::string(tracker_fault::identifyReply(fault_));
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

void SimulatedTracker::receive(std::span<const std::uint8_t> bytes, int speed,
                               Clock::time_point now) {
    if (speed != baud_) {
        // The real tracker sees only framing garbage at another speed.
        parse_ = Parse::Idle;
        log("ignored " + std::to_string(bytes.size()) + " byte(s) at " + std::to_string(speed) +
            " baud");
        return;
    }
    for (const std::uint8_t byte : bytes) {
        if (line_.vanished())
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
        stopped_ = false;
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
                // A tone command begins with a stop: the line goes before the tone's code.
                if (fault == Fault::VanishBeforeToneCode && stopped_)
                    return vanish();
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
                sendReply(tracker_fault::identifyReply(fault));
            } else if (const auto* code =
                           std::find_if(kToneCodes.begin(), kToneCodes.end(),
                                        [byte](const ToneCode& c) { return c.code == byte; });
                       code != kToneCodes.end()) {
                if (fault == Fault::VanishMidExchange)
                    return vanish();
                setTone(code->tone);
                stopped_ = code->tone == Tone::Off;
            }
            return;
        case Parse::Uploading:
            storeUploadByte(byte, now, fault);
            return;
    }
}

void SimulatedTracker::storeUploadByte(std::uint8_t byte, Clock::time_point now, Fault fault) {
    if (tracker_fault::vanishesMidUpload(fault) && uploadIndex_ == tracker_fault::kVanishAfter)
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
    unsigned download;
    {
        std::lock_guard lock(mutex_);
        image = image_;
        fault = fault_;
        download = ++downloads_;
    }
    line_.send(tracker_fault::downloadReply(fault, image, download));
    if (tracker_fault::vanishesMidDownload(fault))
        vanish();
}

void SimulatedTracker::sendReply(std::string_view text) {
    line_.send(bytesOf(text));
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
    line_.vanish();
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
