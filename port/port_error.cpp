#include "port_error.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <termios.h>

#include <cerrno>
#endif

namespace port_error {

namespace {

struct ErrorCause {
    int code;
    PortFailure::Cause atOpen;
    PortFailure::Cause onceOpen;
};

using Cause = PortFailure::Cause;

constexpr ErrorCause kCauses[] = {
#ifdef _WIN32
    // What the serial drivers report once an adapter is pulled out, as far as they tell.
    {ERROR_FILE_NOT_FOUND, Cause::NoSuchDevice, Cause::Gone},
    {ERROR_DEVICE_REMOVED, Cause::Gone, Cause::Gone},
    {ERROR_BAD_COMMAND, Cause::Gone, Cause::Gone},
    {ERROR_GEN_FAILURE, Cause::Gone, Cause::Gone},
    {ERROR_OPERATION_ABORTED, Cause::Gone, Cause::Gone},
    {ERROR_DEVICE_NOT_CONNECTED, Cause::Gone, Cause::Gone},
#else
    {ENOENT, Cause::NoSuchDevice, Cause::Gone},
    // A node whose driver finds no port behind it: a UART that is not there fails with EIO, a
    // number no driver serves (or /dev/tty without a terminal) with ENXIO or ENODEV. Once the
    // device was open, the same errors mean it went away: a hung-up terminal fails with EIO.
    {EIO, Cause::NoHardware, Cause::Gone},
    {ENXIO, Cause::NoHardware, Cause::Gone},
    {ENODEV, Cause::NoHardware, Cause::Gone},
    // The first call for the line settings, on a device or file that has none.
    {ENOTTY, Cause::NotSerialPort, Cause::NotSerialPort},
    {EACCES, Cause::NoAccess, Cause::NoAccess},
    {EPERM, Cause::NoAccess, Cause::NoAccess},
    // Another program opened the device exclusively (TIOCEXCL), which says nothing of who.
    {EBUSY, Cause::InUse, Cause::InUse},
#endif
};

const ErrorCause* entryFor(int code) {
    for (const ErrorCause& entry : kCauses) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

}  // namespace

PortFailure::Cause openCauseOf(int code) {
    const ErrorCause* entry = entryFor(code);
    return entry ? entry->atOpen : Cause::Other;
}

PortFailure::Cause causeOf(int code) {
    const ErrorCause* entry = entryFor(code);
    return entry ? entry->onceOpen : Cause::Other;
}

std::string systemText(int code) {
    return std::system_category().message(code);
}

int currentError(const QSerialPort& port) {
#ifdef _WIN32
    DWORD errors = 0;
    COMSTAT status{};
    return ::ClearCommError(port.handle(), &errors, &status) ? 0
                                                             : static_cast<int>(::GetLastError());
#else
    termios settings{};
    return ::tcgetattr(port.handle(), &settings) == 0 ? 0 : errno;
#endif
}

}  // namespace port_error
