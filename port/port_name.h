// Which device a port number (COM1 to COM4) stands for on each operating system.
#pragma once

#include <string>

enum class PortPlatform { Windows, Linux, MacOS };

inline constexpr PortPlatform kHostPlatform =
#if defined(_WIN32)
    PortPlatform::Windows;
#elif defined(__APPLE__)
    PortPlatform::MacOS;
#else
    PortPlatform::Linux;
#endif

inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 4;

constexpr bool isValidPortNumber(int number) {
    return number >= kFirstPortNumber && number <= kLastPortNumber;
}

// The device to open for port `number`; empty when the number is not a valid port.
// Windows: "COM3". Linux: the n-th built-in UART, "/dev/ttyS2". macOS has no built-in ports:
// "/dev/cu.serial3", the name PCI/Thunderbolt serial cards register, opened on the call-out
// side so the open does not wait for carrier; USB adapters are chosen by device name instead.
std::string portDeviceName(int number, PortPlatform platform = kHostPlatform);
