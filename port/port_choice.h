// Which serial port a name chooses, in the window's port box or on a command line: the numbered
// ports COM1 to COM4, a port the system reports, or any device name or path (such as a
// simulator's pseudo-terminal).
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QSerialPortInfo;
class QString;

struct PortChoice {
    int portNumber = 0;      // 1..4 for COM1..COM4; 0 when a device name is given or nothing is
    std::string deviceName;  // empty unless the choice is a device outside COM1..COM4

    friend bool operator==(const PortChoice&, const PortChoice&) = default;
};

inline constexpr int kNumberedPorts = 4;

// The entries of the port list: "COM1" to "COM4", then the system's own ports in their given
// order, without those that are COM1 to COM4 under another name and without repeats.
std::vector<std::string> portListEntries(std::span<const std::string> systemPorts);

// The port that the text of the port box names, given the list's entries. A text naming an
// entry selects it (COMn in any letter case); an empty text is no selection (port 0).
PortChoice choosePort(std::span<const std::string> entries, std::string_view text);

// The port as the user named it, for messages: "COM3", "/dev/ttyUSB0".
std::string portText(const PortChoice& port);

// Whether port a comes before port b in a list of ports: COM1 to COM4 first (under whatever
// name the system gives them, such as /dev/ttyS0), in their order, then by name with runs of
// digits compared as numbers ("/dev/ttyS2" < "/dev/ttyS10" < "/dev/ttyUSB0").
bool comesBefore(std::string_view a, std::string_view b);

// The name the link opens a port the system reports with: "COM7" on Windows, the device's path
// elsewhere.
std::string systemPortName(const QSerialPortInfo& info);
std::string systemPortName(const QString& portName, const QString& systemLocation);

// The ports the system reports (QSerialPortInfo's, or records of a test's own with the same
// accessors), by the names the link opens them with, in the order of comesBefore: the window's
// port box and pelmoxctl's list of them.
template <class Infos>
std::vector<std::string> serialPortNames(const Infos& infos) {
    std::vector<std::string> ports;
    for (const auto& info : infos)
        ports.push_back(systemPortName(info.portName(), info.systemLocation()));
    std::sort(ports.begin(), ports.end(), comesBefore);
    return ports;
}
std::vector<std::string> systemSerialPorts();
