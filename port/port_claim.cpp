#include "port_claim.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "port_error.h"
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
    return {path, port_error::openCauseOf(error), port_error::systemText(error), {}};
}
#endif

}  // namespace

#ifdef _WIN32

std::optional<PortFailure> PortClaim::acquire(std::string_view device) {
    device_ = device;
    return std::nullopt;
}

void PortClaim::release() {}

#else

std::optional<PortFailure> PortClaim::acquire(std::string_view device) {
    release();
    device_ = devicePath(device);
    const std::string& path = device_;
    if (const std::optional<pid_t> pid = uucp_lock::liveLockHolder(path))
        return inUse(path, port_holder::holderWithPid(*pid));
    // A program may keep the port open with no lock at all: a login prompt on a serial console,
    // a shell script reading from it. Our bytes would land in its line.
    const Clock::time_point now = Clock::now();
    if (path != nobodyElseOn_ || now - nobodyElseSince_ >= kUsersStayKnown) {
        if (std::optional<PortHolder> user = port_holder::deviceUser(path))
            return inUse(path, std::move(*user));
        nobodyElseOn_ = path;
        nobodyElseSince_ = now;
    }

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
