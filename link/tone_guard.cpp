#include "tone_guard.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "boot_clock.h"
#include "command_bytes.h"
#include "tone_stop.h"

PortChoice portOf(const CTrackerLink& link) {
    if (!link.deviceName().empty())
        return {0, link.deviceName()};
    return {link.portNumber(), {}};
}

void aim(CTrackerLink& link, const ToneTarget& target) {
    if (target.port.deviceName.empty()) {
        link.setPortNumber(target.port.portNumber);
    } else {
        link.setDeviceName(target.port.deviceName);
    }
    link.setBaudRate(target.baud);
}

ToneGuard::InUse::InUse(ToneGuard& guard, CTrackerLink& link) : guard_(guard) {
    guard_.inUse_.push_back(&link);
}

ToneGuard::InUse::~InUse() {
    guard_.inUse_.pop_back();
}

void ToneGuard::setKeyedListener(std::function<void(bool keyed)> listener) {
    keyedListener_ = std::move(listener);
}

void ToneGuard::changed(bool wasKeyed) {
    if (keyedListener_ && keyed() != wasKeyed)
        keyedListener_(keyed());
}

CTrackerLink::ToneSent ToneGuard::start(CTrackerLink& link, char code) {
    const ToneTarget target{portOf(link), link.baudRate()};
    const bool wasKeyed = keyed();
    const std::optional<Tone> before = tones_.at(target);
    const unsigned started = tones_.noteOn(target);
    changed(wasKeyed);
    const CTrackerLink::ToneSent sent = link.sendTone(code);
    if (!sent.codeSent) {
        // The stop the command begins with switched off whatever was on there; without it, the
        // tone before is as it was, with its own time.
        if (sent.stopSent || !before) {
            tones_.forget(started);
        } else {
            tones_.put(*before);
        }
        changed(true);
    }
    return sent;
}

bool ToneGuard::keyedOn(const CTrackerLink& link) const {
    const std::string device = resolvedDevice(portOf(link));
    for (const unsigned start : tones_.starts()) {
        if (tones_.started(start)->device == device)
            return true;
    }
    return false;
}

bool ToneGuard::stopSending(CTrackerLink& link) {
    const std::string device = resolvedDevice(portOf(link));
    bool failed = false;
    bool any = false;
    for (const unsigned start : tones_.starts()) {
        const std::optional<Tone> tone = tones_.started(start);
        if (!tone || tone->device != device)
            continue;
        any = true;
        failed = stop(start) || failed;
    }
    if (any)
        return failed;
    return link.tone(command_bytes::kToneOff);
}

bool ToneGuard::stop(unsigned start) {
    const BootClock::time_point end = BootClock::now() + tone_stop::kRetryTime;
    while (const std::optional<Tone> tone = tones_.started(start)) {
        // Only a stop command that went through whole counts: a line that fails after its first
        // stop may have taken that with it.
        if (!tryStop(*tone).failed) {
            tones_.forget(start);
            changed(true);
            return false;
        }
        if (BootClock::now() + tone_stop::kRetryPause > end)
            return true;
        std::this_thread::sleep_for(tone_stop::kRetryPause);
    }
    return false;
}

CTrackerLink::ToneSent ToneGuard::tryStop(const Tone& tone) {
    for (CTrackerLink* link : inUse_) {
        // By the name the tone went out under as well: a name that now leads to another device
        // (an adapter back under its by-id name) is still locked under that name by this link.
        if (!link->isOpen() ||
            (portOf(*link) != tone.target.port && resolvedDevice(portOf(*link)) != tone.device)) {
            continue;
        }
        if (link->holdsPortOpen())
            return link->stopToneOnHeldPort(tone.target.baud);
        // A port left open on a line that failed serves nobody: it is taken over.
        link->abandon();
    }
    CTrackerLink own;
    aim(own, tone.target);
    const InUse using_(*this, own);
    return own.sendTone(command_bytes::kToneOff);
}

std::vector<unsigned> ToneGuard::onFor(std::chrono::milliseconds time) const {
    const BootClock::time_point now = BootClock::now();
    std::vector<unsigned> starts;
    for (const unsigned start : tones_.starts()) {
        const std::optional<Tone> tone = tones_.started(start);
        if (tone && now - tone->since >= time)
            starts.push_back(start);
    }
    return starts;
}
