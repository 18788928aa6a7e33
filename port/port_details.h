// What the system knows of each of its serial ports, so that a user with two USB adapters can
// tell which one is the tracker's, and name it in a way that survives plugging it in again.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "port_choice.h"
#include "port_failure.h"

struct PortDetails {
    std::string name;  // as the port box and --port take it ("/dev/ttyUSB0", "COM7")
    // The texts are empty when the system does not know them.
    std::string description;  // "FT232R USB UART"
    std::string manufacturer;
    std::optional<std::uint16_t> vendorId;  // USB vendor and product
    std::optional<std::uint16_t> productId;
    std::string serialNumber;
    // Linux: the link in /dev/serial/by-id/ that leads to the device, the same whichever
    // ttyUSB number the adapter gets.
    std::string stablePath;
    // Another program's hold on it, as far as it can be seen without opening the device (Unix:
    // a live UUCP lock file, flock() or an open descriptor on Linux); nothing on Windows.
    std::optional<PortHolder> holder;
};

namespace port_details {

// Linux: the link in /dev/serial/by-id/ that leads to the device; empty when there is none, or
// elsewhere.
std::string stablePathOf(const QString& systemLocation);
// Another program's hold on each port, and the ports in the order of comesBefore.
void addHoldersAndSort(std::vector<PortDetails>& ports);

}  // namespace port_details

// The details of the ports the system reports: QSerialPortInfo's, or records of a test's own
// with the same accessors.
template <class Infos>
std::vector<PortDetails> portDetails(const Infos& infos) {
    std::vector<PortDetails> ports;
    for (const auto& info : infos) {
        PortDetails port;
        port.name = systemPortName(info.portName(), info.systemLocation());
        port.description = info.description().toStdString();
        port.manufacturer = info.manufacturer().toStdString();
        if (info.hasVendorIdentifier())
            port.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            port.productId = info.productIdentifier();
        port.serialNumber = info.serialNumber().toStdString();
        port.stablePath = port_details::stablePathOf(info.systemLocation());
        ports.push_back(std::move(port));
    }
    port_details::addHoldersAndSort(ports);
    return ports;
}

// The system's ports, as pelmoxctl ports lists them.
std::vector<PortDetails> systemPortDetails();
