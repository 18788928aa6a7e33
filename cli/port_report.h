// How pelmoxctl tells of serial ports: why the link could not have one, who holds one, and the
// lines of `pelmoxctl ports`.
#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

#include "port_details.h"
#include "port_failure.h"

// "picocom (pid 4242)", "process 4242" when the system does not name it, "another program".
QString holderText(const PortHolder& holder);

// The reason alone: "in use by picocom (pid 4242)", "no serial port behind /dev/ttyS3", "the
// device is gone (unplugged?)", or the system's "Permission denied" with the group to join when
// the device's group may open it. Empty when the system gave no reason.
QString portFailureReason(const PortFailure& failure);

// The whole message: "/dev/ttyUSB0: Count not aquire Com Port: in use by picocom (pid 4242)",
// "/dev/ttyUSB0: ComPort write failed: the device is gone (unplugged?)".
QString portFailureLine(const PortFailure& failure, std::string_view boxText);

// One line a port: its name, then key="value" for what is known of it, in a fixed order:
// /dev/ttyUSB0 description="FT232R USB UART" manufacturer="FTDI" usb=0403:6001
// serial="A50285BI" by-id="/dev/serial/by-id/usb-FTDI_..." in-use-by="picocom (pid 4242)"
QStringList portListing(std::span<const PortDetails> ports);
