#include "pty_line.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>

namespace {

// The speed the line rests at while no program holds it. The program's serial port puts the
// settings it found back when it closes, so a speed other than this one is the program's, and
// this one means it has just closed the port: bytes read late (a busy machine can delay this
// thread past the close) are judged by the speed last seen while the port was open.
constexpr speed_t kIdleSpeed = B50;

int speedValue(speed_t speed) {
    switch (speed) {
        case B1200:
            return 1200;
        case B2400:
            return 2400;
        case B4800:
            return 4800;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        default:
            return 0;
    }
}

void closeFd(std::atomic<int>& fd) {
    const int old = fd.exchange(-1);
    if (old >= 0)
        ::close(old);
}

void closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

}  // namespace

PtyLine::~PtyLine() {
    if (thread_.joinable()) {
        const char stop = 0;
        [[maybe_unused]] const auto n = ::write(wake_[1], &stop, 1);
        thread_.join();
    }
    closeFd(master_);
    closeFd(slave_);
    closeFd(wake_[0]);
    closeFd(wake_[1]);
}

bool PtyLine::open(Receiver receiver) {
    if (thread_.joinable())
        return false;
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    const int master = master_;
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return false;
    char name[128] = {};
    if (::ptsname_r(master, name, sizeof name) != 0)
        return false;
    path_ = name;

    // The line keeps a slave descriptor of its own for its whole life. Without it every close
    // by the program would be the last close of the slave, and until the next open the master
    // would report a hangup: poll() returns POLLHUP at once (the serving loop would spin) and
    // reads fail with EIO. It is also where the speed the program set is read. It is never
    // read from, so it steals no bytes meant for the program.
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0)
        return false;

    // Raw from the start: a fresh pty echoes and works line by line, which would bounce our
    // own replies back at us and hold bytes back until a newline.
    termios tio{};
    if (::tcgetattr(slave_, &tio) != 0)
        return false;
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, kIdleSpeed);
    if (::tcsetattr(slave_, TCSANOW, &tio) != 0)
        return false;

    if (::pipe2(wake_, O_CLOEXEC) != 0)
        return false;
    receiver_ = std::move(receiver);
    thread_ = std::thread([this] { serve(); });
    return true;
}

void PtyLine::send(std::span<const std::uint8_t> bytes) {
    const int master = master_;
    while (!bytes.empty() && master >= 0) {
        const ssize_t n = ::write(master, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN) {
                pollfd out = {master, POLLOUT, 0};
                ::poll(&out, 1, 10);
                continue;
            }
            return;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
}

void PtyLine::vanish() {
    // Closing the master hangs the program's side up.
    closeFd(master_);
    closeFd(slave_);
}

void PtyLine::serve() {
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const int master = master_;
        pollfd fds[2] = {{wake_[0], POLLIN, 0}, {master, POLLIN, 0}};
        // Once the line has vanished only the stop request is left to wait for.
        const nfds_t count = master >= 0 ? 2 : 1;
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents != 0)
            return;
        if (count < 2 || fds[1].revents == 0)
            continue;
        const ssize_t n = ::read(master, buffer.data(), buffer.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0) {
            // Should not happen while our own slave descriptor is open; do not spin if it does.
            ::poll(fds, 1, 10);
            continue;
        }
        receiver_(std::span(buffer).first(static_cast<std::size_t>(n)), lineSpeed(), Clock::now());
    }
}

int PtyLine::lineSpeed() {
    termios tio{};
    if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0)
        return 0;
    if (::cfgetospeed(&tio) != kIdleSpeed)
        activeSpeed_ = speedValue(::cfgetospeed(&tio));
    return activeSpeed_;
}
