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

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of digits at the start of text.
std::string_view digitRun(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && isDigit(text[length]))
        ++length;
    return text.substr(0, length);
}

// Runs of digits compared by their value: fewer significant digits is less, then digit by digit.
int compareNumbers(std::string_view a, std::string_view b) {
    while (a.size() > 1 && a.front() == '0')
        a.remove_prefix(1);
    while (b.size() > 1 && b.front() == '0')
        b.remove_prefix(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Names compared character by character, except that runs of digits compare as numbers. Names
// that differ only in leading zeros fall back to plain order, so that no two names tie.
bool naturallyBefore(std::string_view a, std::string_view b) {
    std::string_view x = a, y = b;
    while (!x.empty() && !y.empty()) {
        if (isDigit(x.front()) && isDigit(y.front())) {
            const std::string_view xs = digitRun(x), ys = digitRun(y);
            if (const int order = compareNumbers(xs, ys); order != 0)
                return order < 0;
            x.remove_prefix(xs.size());
            y.remove_prefix(ys.size());
            continue;
        }
        if (x.front() != y.front())
            return x.front() < y.front();
        x.remove_prefix(1);
        y.remove_prefix(1);
    }
    if (x.empty() != y.empty())
        return x.empty();
    return a < b;
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

bool comesBefore(std::string_view a, std::string_view b) {
    const int numberA = numberedPortOf(a), numberB = numberedPortOf(b);
    if (numberA != 0 || numberB != 0) {
        if (numberA == 0 || numberB == 0)
            return numberA != 0;
        if (numberA != numberB)
            return numberA < numberB;
    }
    return naturallyBefore(a, b);
}

std::vector<std::string> systemSerialPorts() {
    return serialPortNames(QSerialPortInfo::availablePorts());
}

std::string systemPortName(const QSerialPortInfo& info) {
    return systemPortName(info.portName(), info.systemLocation());
}

std::string systemPortName([[maybe_unused]] const QString& portName,
                           [[maybe_unused]] const QString& systemLocation) {
#ifdef Q_OS_WIN
    return portName.toStdString();
#else
    return systemLocation.toStdString();
#endif
}
