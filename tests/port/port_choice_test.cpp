#include "port_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "port_name.h"
#include "reported_port.h"

namespace {

const std::vector<std::string> kNumbered{"COM1", "COM2", "COM3", "COM4"};

TEST(PortList, AddsSystemPortsOnceAndSkipsTheNumberedOnesUnderAnyName) {
    const std::vector<std::string> system{
        portDeviceName(1), "/dev/ttyUSB0", "COM3", "/dev/ttyUSB0", "", "com2", "COM7",
        portDeviceName(4)};
    std::vector<std::string> expected = kNumbered;
    expected.push_back("/dev/ttyUSB0");
    expected.push_back("COM7");
    EXPECT_EQ(portListEntries(system), expected);
}

// The system reports its ports in no particular order; the port box lists them in the natural one.
TEST(PortList, SystemPortsComeInNaturalOrder) {
    const ReportedPort reported[] = {{"/dev/ttyUSB10", {}, {}, {}},
                                     {"/dev/ttyACM0", {}, {}, {}},
                                     {"/dev/ttyUSB2", {}, {}, {}},
                                     {QString::fromStdString(portDeviceName(2)), {}, {}, {}}};
    const std::vector<std::string> expected{portDeviceName(2), "/dev/ttyACM0", "/dev/ttyUSB2",
                                            "/dev/ttyUSB10"};
    EXPECT_EQ(serialPortNames(reported), expected);
}

TEST(PortChoiceTest, TextNamesANumberedPortADeviceOrNothing) {
    const std::vector<std::string> entries{"COM1", "COM2", "COM3", "COM4", "/dev/ttyUSB0"};
    const struct {
        const char* text;
        PortChoice choice;
    } cases[] = {
        {"COM1", {1, ""}},
        {"COM4", {4, ""}},
        {"com3", {3, ""}},
        {"  COM2 ", {2, ""}},
        {"", {0, ""}},
        {"   ", {0, ""}},
        {"/dev/ttyUSB0", {0, "/dev/ttyUSB0"}},
        {"/dev/pts/7", {0, "/dev/pts/7"}},
        {"COM5", {0, "COM5"}},
        {"/DEV/TTYUSB0", {0, "/DEV/TTYUSB0"}},  // paths keep their case
    };
    for (const auto& c : cases) {
        const PortChoice got = choosePort(entries, c.text);
        EXPECT_EQ(got.portNumber, c.choice.portNumber) << '"' << c.text << '"';
        EXPECT_EQ(got.deviceName, c.choice.deviceName) << '"' << c.text << '"';
    }
}

// COM1 to COM4 first, under whatever name this system gives them, then by name with numbers
// compared as numbers.
TEST(PortOrder, NumberedPortsFirstThenNamesWithNumbersAsNumbers) {
    const std::vector<std::string> ordered{portDeviceName(1),
                                           portDeviceName(2),
                                           portDeviceName(4),
                                           "/dev/rfcomm0",
                                           "/dev/ttyACM0",
                                           "/dev/ttyS4",
                                           "/dev/ttyS10",
                                           "/dev/ttyUSB0",
                                           "/dev/ttyUSB9",
                                           "/dev/ttyUSB10",
                                           "COM5",
                                           "COM10"};
    std::vector<std::string> ports(ordered.rbegin(), ordered.rend());
    std::rotate(ports.begin(), ports.begin() + 5, ports.end());
    std::sort(ports.begin(), ports.end(), comesBefore);
    EXPECT_EQ(ports, ordered);
}

}  // namespace
