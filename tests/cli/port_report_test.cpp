// How pelmoxctl tells of ports: the reasons after "Count not aquire Com Port", and the lines of
// `ports` that scripts grep and the shell completion reads.
#include "port_report.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "reported_port.h"

namespace {

using Cause = PortFailure::Cause;

TEST(PortReport, ReasonNamesTheHolderOrGivesTheSystemsWords) {
    const struct {
        PortFailure failure;
        const char* reason;
    } cases[] = {
        {{"/dev/ttyUSB0", Cause::InUse, {}, {4242, "picocom"}}, "in use by picocom (pid 4242)"},
        {{"/dev/ttyUSB0", Cause::InUse, {}, {4242, ""}}, "in use by process 4242"},
        {{"/dev/ttyUSB0", Cause::InUse, {}, {}}, "in use by another program"},
        {{"/dev/ttyUSB0", Cause::InUse, "Device or resource busy", {}},
         "in use by another program (Device or resource busy)"},
        {{"/dev/ttyUSB9", Cause::NoSuchDevice, "No such file or directory", {}},
         "no such device (not plugged in, or a wrong name?)"},
        {{"/dev/ttyS3", Cause::NoHardware, "Input/output error", {}},
         "no serial port behind /dev/ttyS3"},
        {{"/dev/null", Cause::NotSerialPort, "Inappropriate ioctl for device", {}},
         "/dev/null is not a serial port"},
        {{"/dev/ttyUSB9", Cause::Other, "No such file or directory", {}},
         "No such file or directory"},
        {{"COM7", Cause::Other, "Access is denied.", {}}, "Access is denied."},
        {{"/dev/pelmox-missing", Cause::NoAccess, "Permission denied", {}}, "Permission denied"},
        {{"/dev/ttyUSB0", Cause::Gone, "Input/output error", {}},
         "the device is gone (unplugged?)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(portFailureReason(c.failure), c.reason) << c.reason;
    EXPECT_EQ(portFailureLine(cases[0].failure, "Count not aquire Com Port"),
              "/dev/ttyUSB0: Count not aquire Com Port: in use by picocom (pid 4242)");
    EXPECT_EQ(portFailureLine({"/dev/ttyUSB0", Cause::Other, {}, {}}, "ComPort read failed"),
              "/dev/ttyUSB0: ComPort read failed");
}

#ifndef _WIN32
// Joining the device's group helps only when that group may read and write it.
TEST(PortReport, PermissionDeniedNamesTheGroupOnlyWhenJoiningItWouldHelp) {
    QTemporaryDir dir;
    QFile device(dir.filePath("ttyUSB0"));
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    const PortFailure failure{
        device.fileName().toStdString(), Cause::NoAccess, "Permission denied", {}};
    device.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::WriteGroup);
    EXPECT_EQ(portFailureReason(failure), "Permission denied");
    device.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                          QFile::WriteGroup);
    EXPECT_EQ(portFailureReason(failure), "Permission denied (add your user to the " +
                                              QFileInfo(device).group() +
                                              " group, then log in again)");
}
#endif

TEST(PortReport, ListingGivesEachPortOnOneLineWithWhatIsKnown) {
    const PortDetails ports[] = {
        {"/dev/ttyUSB0", "FT232R USB UART", "FTDI", 0x0403, 0x6001, "A50285BI",
         "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0",
         PortHolder{4242, "picocom"}},
        {"/dev/ttyS0", "", "", std::nullopt, std::nullopt, "", "", std::nullopt},
        {"COM7", "Say \"hi\" \\ bye", "", 0x1a, 0x7, "", "", PortHolder{}},
    };
    EXPECT_EQ(
        portListing(ports),
        QStringList({"/dev/ttyUSB0 description=\"FT232R USB UART\" manufacturer=\"FTDI\" "
                     "usb=0403:6001 serial=\"A50285BI\" "
                     "by-id=\"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0\" "
                     "in-use-by=\"picocom (pid 4242)\"",
                     "/dev/ttyS0",
                     "COM7 description=\"Say \\\"hi\\\" \\\\ bye\" usb=001a:0007 "
                     "in-use-by=\"another program\""}));
}

// The USB ids each in their own field, whichever of them the system knows; the ports in natural
// order.
TEST(PortReport, ReportedPortsAreListedWithTheirOwnDetails) {
    const ReportedPort reported[] = {
        {"/dev/pelmox-none-ttyUSB10", 0x0403, 0x6001, "A50285BI"},
        {"/dev/pelmox-none-ttyUSB2", std::nullopt, 0x6015, ""},
    };
    const std::vector<PortDetails> ports = portDetails(reported);
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].vendorId, std::nullopt);
    EXPECT_EQ(ports[0].productId, 0x6015);
    EXPECT_EQ(portListing(ports),
              QStringList({"/dev/pelmox-none-ttyUSB2 description=\"FT232R USB UART\" "
                           "manufacturer=\"FTDI\"",
                           "/dev/pelmox-none-ttyUSB10 description=\"FT232R USB UART\" "
                           "manufacturer=\"FTDI\" usb=0403:6001 serial=\"A50285BI\""}));
}

}  // namespace
