#include "port_claim.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "port_holder.h"
#include "uucp_lock.h"
#endif

namespace {

#ifndef _WIN32
constexpr std::string_view kDeviceDirectory = "/dev/";

// Qt Serial Port opens a bare name such as "ttyUSB0" in /dev.
std::string devicePath(std::string_view device) {
    if (device.starts_with('/'))
        return std::string(device);
    return std::string(kDeviceDirectory) + std::string(device);
}

PortFailure inUse(const std::string& path, PortHolder holder) {
    return {path, PortFailure::Cause::InUse, {}, std::move(holder)};
}

// A refused open or lock, in the system's words.
PortFailure systemFailure(const std::string& path, int error) {
    PortFailure failure{
        path, PortFailure::Cause::Other, std::generic_category().message(error), {}};
    if (error == EACCES || error == EPERM) {
        failure.cause = PortFailure::Cause::NoAccess;
    } else if (error == EBUSY) {
        // Another program opened the device exclusively (TIOCEXCL), which says nothing of who.
        failure.cause = PortFailure::Cause::InUse;
    }
    return failure;
}
#endif

}  // namespace

#ifdef _WIN32

std::optional<PortFailure> PortClaim::acquire(std::string_view /*device*/) {
    return std::nullopt;
}

void PortClaim::release() {}

#else

std::optional<PortFailure> PortClaim::acquire(std::string_view device) {
    release();
    const std::string path = devicePath(device);
    if (const std::optional<pid_t> pid = uucp_lock::liveLockHolder(path))
        return inUse(path, port_holder::holderWithPid(*pid));

    // A descriptor of our own carries the flock, so the port that talks is opened only once no
    // other program holds the device: opening it would change that program's line settings.
    // Non-blocking, so the open does not wait for a modem's carrier.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return systemFailure(path, errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK)
            return systemFailure(path, error);
        return inUse(path, port_holder::flockHolder(path).value_or(PortHolder{}));
    }
    descriptor_ = fd;
    return std::nullopt;
}

void PortClaim::release() {
    if (descriptor_ < 0)
        return;
    ::flock(descriptor_, LOCK_UN);
    ::close(descriptor_);
    descriptor_ = -1;
}

#endif
