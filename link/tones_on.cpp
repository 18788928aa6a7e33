#include "tones_on.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "port_name.h"

std::string resolvedDevice(const PortChoice& port) {
    std::string name = port.deviceName.empty() ? portDeviceName(port.portNumber) : port.deviceName;
    if constexpr (kHostPlatform == PortPlatform::Windows) {
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
            return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
        });
        return name;
    }
    // As the link opens it: a bare name lives in /dev.
    if (!name.empty() && name.front() != '/')
        name = "/dev/" + name;
    std::error_code error;
    const std::filesystem::path device = std::filesystem::canonical(name, error);
    // A device that is gone for now keeps the name it was given.
    return error ? name : device.string();
}

std::vector<TonesOn::Tone>::iterator TonesOn::find(const std::string& device, int baud) {
    return std::find_if(tones_.begin(), tones_.end(), [&](const Tone& tone) {
        return tone.device == device && tone.target.baud == baud;
    });
}

unsigned TonesOn::noteOn(const ToneTarget& target) {
    const std::string device = resolvedDevice(target.port);
    auto tone = find(device, target.baud);
    if (tone == tones_.end())
        tone = tones_.insert(tones_.end(), Tone{target, device, 0});
    tone->target = target;
    tone->start = ++starts_;
    tone->since = BootClock::now();
    return tone->start;
}

void TonesOn::noteOff(const ToneTarget& target) {
    const auto tone = find(resolvedDevice(target.port), target.baud);
    if (tone != tones_.end())
        tones_.erase(tone);
}

std::optional<TonesOn::Tone> TonesOn::started(unsigned start) const {
    const auto tone = std::find_if(tones_.begin(), tones_.end(),
                                   [start](const Tone& on) { return on.start == start; });
    if (tone == tones_.end())
        return std::nullopt;
    return *tone;
}

void TonesOn::forget(unsigned start) {
    std::erase_if(tones_, [start](const Tone& on) { return on.start == start; });
}

std::optional<TonesOn::Tone> TonesOn::at(const ToneTarget& target) const {
    const std::string device = resolvedDevice(target.port);
    const auto tone = std::find_if(tones_.begin(), tones_.end(), [&](const Tone& on) {
        return on.device == device && on.target.baud == target.baud;
    });
    if (tone == tones_.end())
        return std::nullopt;
    return *tone;
}

void TonesOn::put(const Tone& tone) {
    const auto on = find(tone.device, tone.target.baud);
    if (on == tones_.end()) {
        tones_.push_back(tone);
    } else {
        *on = tone;
    }
}

std::vector<unsigned> TonesOn::starts() const {
    std::vector<unsigned> starts;
    for (const Tone& tone : tones_)
        starts.push_back(tone.start);
    return starts;
}
