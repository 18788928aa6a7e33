// The link's claim on a serial device, so that it never takes a port that another program
// (a terminal program, an APRS client, a TNC modem, a login prompt) is using. On Unix-like
// systems a device is refused while another program's UUCP lock file names a live process,
// another program holds flock() on it, or (Linux) another process has it open or as its
// controlling terminal; while the link talks, it holds flock() itself, and the open port is
// exclusive (TIOCEXCL, set by QSerialPort), so that nobody but root opens it meanwhile. Windows
// opens serial ports exclusively by itself, so there a claim always succeeds and holds nothing.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "port_failure.h"

class PortClaim {
  public:
    // The exchanges of one command follow each other at once. Looking through the processes for
    // one that has the port open costs some milliseconds on a machine with hundreds of them, so
    // what a look found holds this long for the same device; after that, it is looked again.
    static constexpr std::chrono::milliseconds kUsersStayKnown{1000};

    PortClaim() = default;
    ~PortClaim() { release(); }
    PortClaim(const PortClaim&) = delete;
    PortClaim& operator=(const PortClaim&) = delete;

    // Claims the device named as the link names it ("/dev/ttyUSB0", "ttyUSB0", "COM3").
    // Nothing when the claim is held; otherwise why not (another program has the device, or it
    // cannot be opened), naming the device by its path, without telling the user.
    std::optional<PortFailure> acquire(std::string_view device);
    // Gives the claim up; nothing when none is held.
    void release();
    bool isHeld() const { return descriptor_ >= 0; }
    // The device last claimed, by its path (on Windows by its name), held or not.
    const std::string& device() const { return device_; }

  private:
    using Clock = std::chrono::steady_clock;

    int descriptor_ = -1;
    std::string device_;
    // The device that no other process had open when last looked, and when that was.
    std::string nobodyElseOn_;
    Clock::time_point nobodyElseSince_{};
};
