// The far end of a pseudo-terminal for link tests: records exactly what the program sends,
// sends bytes of its own, shows the line settings the program chose, and can hang the line up.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

class PtyPeer {
  public:
    PtyPeer() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            return;
        char name[128] = {};
        if (::ptsname_r(master_, name, sizeof name) != 0)
            return;
        path_ = name;
        // Held open so the program's closes are never the last one (no hangup in between).
        slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios tio{};
        if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0)
            return;
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);
    }
    ~PtyPeer() {
        hangUp();
        if (slave_ >= 0)
            ::close(slave_);
    }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool ok() const { return master_ >= 0 && slave_ >= 0 && !path_.empty(); }
    const std::string& path() const { return path_; }

    // Everything that has arrived since the last call. The kernel hands a terminal's bytes to its
    // far end a moment after they were written, later still on a busy machine: with expected,
    // the bytes are waited for until that many have come (or a few seconds have passed).
    std::vector<std::uint8_t> take(std::size_t expected = 0) {
        std::vector<std::uint8_t> out;
        std::uint8_t buffer[512];
        pollfd in = {master_, POLLIN, 0};
        const auto quiet = [&] { return out.size() >= expected ? 20 : 5000; };
        while (master_ >= 0 && ::poll(&in, 1, quiet()) > 0 && (in.revents & POLLIN)) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            out.insert(out.end(), buffer, buffer + n);
        }
        return out;
    }

    void send(std::span<const std::uint8_t> bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(master_, bytes.data(), bytes.size());
            if (n <= 0)
                return;
            bytes = bytes.subspan(static_cast<std::size_t>(n));
        }
    }

    // The line settings as the program left them (meaningful while it holds the port).
    termios settings() const {
        termios tio{};
        ::tcgetattr(slave_, &tio);
        return tio;
    }

    // The line vanishes, as when a USB adapter is pulled.
    void hangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};
