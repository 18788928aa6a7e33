// What the system knows of each of its serial ports, so that a user with two USB adapters can
// tell which one is the tracker's, and name it in a way that survives plugging it in again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
    // a live UUCP lock file, or flock() on Linux); nothing on Windows.
    std::optional<PortHolder> holder;
};

// The ports in the order the system reports them.
std::vector<PortDetails> systemPortDetails();
