#include "port_claim.h"

#include "link_messages.h"
#include "message_box.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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
#endif

}  // namespace

#ifdef _WIN32

bool PortClaim::acquire(std::string_view /*device*/) {
    return false;
}

void PortClaim::release() {}

#else

bool PortClaim::acquire(std::string_view device) {
    release();
    const std::string path = devicePath(device);
    if (uucp_lock::isLockedByOtherProgram(path))
        return errorBox(link_message::kCannotAcquirePort);

    // A descriptor of our own carries the flock, so the port that talks is opened only once no
    // other program holds the device: opening it would change that program's line settings.
    // Non-blocking, so the open does not wait for a modem's carrier.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errorBox(link_message::kCannotAcquirePort);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return errorBox(link_message::kCannotAcquirePort);
    }
    descriptor_ = fd;
    return false;
}

void PortClaim::release() {
    if (descriptor_ < 0)
        return;
    ::flock(descriptor_, LOCK_UN);
    ::close(descriptor_);
    descriptor_ = -1;
}

#endif
