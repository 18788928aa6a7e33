// The program's side of a simulated tracker's line, opened raw at a chosen speed, for tests
// that must put on the line what the link itself never would.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "simulated_tracker.h"

class RawLine {
  public:
    RawLine(const std::string& path, speed_t speed) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        if (fd_ < 0 || ::tcgetattr(fd_, &tio) != 0)
            return;
        ::cfmakeraw(&tio);
        ::cfsetspeed(&tio, speed);
        ::tcsetattr(fd_, TCSANOW, &tio);
    }
    ~RawLine() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    RawLine(const RawLine&) = delete;
    RawLine& operator=(const RawLine&) = delete;

    bool ok() const { return fd_ >= 0; }
    void send(std::vector<std::uint8_t> bytes) {
        ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Whatever arrives within the wait.
    std::string receive(std::chrono::milliseconds wait) {
        std::string out;
        const auto deadline = std::chrono::steady_clock::now() + wait;
        char buffer[256];
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd in = {fd_, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&in, 1, static_cast<int>(left.count())) <= 0)
                break;
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            out.append(buffer, static_cast<std::size_t>(n));
        }
        return out;
    }

  private:
    int fd_ = -1;
};

// Waits until the tracker has taken count commands; false after five seconds without.
inline bool waitForCommands(const SimulatedTracker& tracker, std::size_t count) {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (tracker.commandCount() < count && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return tracker.commandCount() >= count;
}
