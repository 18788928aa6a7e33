// Why the link could not have a serial port, or lost it in the middle of an exchange: the facts
// behind its "Count not aquire Com Port" or "ComPort write failed", for a program that tells more
// than the window's box does (pelmoxctl names the reason and the holder).
#pragma once

#include <string>
#include <string_view>

// A program that holds a serial port, as far as the system tells who it is.
struct PortHolder {
    long pid = 0;         // 0 when the hold does not say whose it is (an unreadable lock file)
    std::string program;  // the process's name; empty when the system does not tell

    friend bool operator==(const PortHolder&, const PortHolder&) = default;
};

struct PortFailure {
    enum class Cause {
        NoSuchDevice,   // nothing by that name (a wrong name, an adapter not plugged in)
        NoHardware,     // a device node with no port behind it (a COM3 node on a PC with two)
        NotSerialPort,  // a device or file that has no line settings (/dev/null)
        NoAccess,       // the system does not let this user open the device
        InUse,          // another program holds the port
        Gone,           // the device went away while it was open (a USB adapter pulled out)
        Other,          // whatever else the system reports
    };

    std::string device;  // its path, or on Windows its name ("/dev/ttyUSB0", "COM7")
    Cause cause = Cause::Other;
    std::string systemText;  // the system's own words, when it gave any ("Permission denied")
    PortHolder holder;       // who has it, for InUse
    // The text of the link's box that the failure stands behind.
    std::string_view boxText = {};

    friend bool operator==(const PortFailure&, const PortFailure&) = default;
};
