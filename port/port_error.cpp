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
    PortFailure::Cause cause;
};

using Cause = PortFailure::Cause;

constexpr ErrorCause kCauses[] = {
#ifdef _WIN32
    // What the serial drivers report once an adapter is pulled out, as far as they tell.
    {ERROR_DEVICE_REMOVED, Cause::Gone},       {ERROR_BAD_COMMAND, Cause::Gone},
    {ERROR_GEN_FAILURE, Cause::Gone},          {ERROR_OPERATION_ABORTED, Cause::Gone},
    {ERROR_DEVICE_NOT_CONNECTED, Cause::Gone},
#else
    {EACCES, Cause::NoAccess},
    {EPERM, Cause::NoAccess},
    // Another program opened the device exclusively (TIOCEXCL), which says nothing of who.
    {EBUSY, Cause::InUse},
    // A hung-up terminal fails with EIO; a device whose driver has let it go, with ENODEV or
    // ENXIO.
    {EIO, Cause::Gone},
    {ENODEV, Cause::Gone},
    {ENXIO, Cause::Gone},
#endif
};

}  // namespace

PortFailure::Cause causeOf(int code) {
    for (const ErrorCause& entry : kCauses) {
        if (entry.code == code)
            return entry.cause;
    }
    return Cause::Other;
}

std::string systemText(int code) {
    return std::system_category().message(code);
}

int currentError(const QSerialPort& port) {
#ifdef _WIN32
    DWORD errors = 0;
    COMSTAT status{};
    return ::ClearCommError(port.handle(), &errors, &status) ? 0 : static_cast<int>(::GetLastError());
#else
    termios settings{};
    return ::tcgetattr(port.handle(), &settings) == 0 ? 0 : errno;
#endif
}

}  // namespace port_error
