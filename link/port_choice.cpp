#include "port_choice.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>

#include "port_name.h"

namespace {

constexpr std::string_view kComPrefix = "COM";

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string numberedPortName(int number) {
    return std::string(kComPrefix) + std::to_string(number);
}

// 1..4 when the name is COM1..COM4 or the device the link opens for it, else 0.
int numberedPortOf(std::string_view name) {
    for (int n = 1; n <= kNumberedPorts; ++n) {
        if (equalsIgnoringCase(name, numberedPortName(n)) || name == portDeviceName(n)) {
            return n;
        }
    }
    return 0;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<std::string> portListEntries(std::span<const std::string> systemPorts) {
    std::vector<std::string> entries;
    for (int n = 1; n <= kNumberedPorts; ++n)
        entries.push_back(numberedPortName(n));
    for (const std::string& port : systemPorts) {
        if (port.empty() || numberedPortOf(port) != 0)
            continue;
        if (std::find(entries.begin(), entries.end(), port) != entries.end())
            continue;
        entries.push_back(port);
    }
    return entries;
}

PortChoice choosePort(std::span<const std::string> entries, std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return {};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i < kNumberedPorts ? equalsIgnoringCase(text, entries[i]) : text == entries[i]) {
            if (i < kNumberedPorts)
                return {static_cast<int>(i) + 1, {}};
            return {0, entries[i]};
        }
    }
    return {0, std::string(text)};
}

std::string portText(const PortChoice& port) {
    return port.deviceName.empty() ? numberedPortName(port.portNumber) : port.deviceName;
}

std::vector<std::string> systemSerialPorts() {
    std::vector<std::string> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back(systemPortName(info));
    return ports;
}

std::string systemPortName(const QSerialPortInfo& info) {
#ifdef Q_OS_WIN
    return info.portName().toStdString();
#else
    return info.systemLocation().toStdString();
#endif
}
