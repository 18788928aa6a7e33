// The simulated tracker's own rules, driven through a raw descriptor on its terminal: the tests
// of the link lean on these, so a simulator that misjudged would hide faults or invent them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "simulated_tracker.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The program's side of the line, opened raw at a chosen speed.
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
        const auto deadline = Clock::now() + wait;
        char buffer[256];
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
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

bool waitForCommands(const SimulatedTracker& tracker, std::size_t count) {
    const auto deadline = Clock::now() + 5s;
    while (tracker.commandCount() < count && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return tracker.commandCount() >= count;
}

TEST(SimulatedTrackerTest, AnswersIdentifyOnlyAtItsOwnSpeed) {
    SimulatedTracker tracker(2400);
    ASSERT_TRUE(tracker.start());
    RawLine line(tracker.devicePath(), B9600);
    ASSERT_TRUE(line.ok());
    line.send({0x1B, 0x1B, 'V'});
    EXPECT_EQ(line.receive(300ms), "");
    EXPECT_EQ(tracker.commandCount(), 0u);
    RawLine slow(tracker.devicePath(), B2400);
    slow.send({0x1B, 0x1B, 'V'});
    EXPECT_EQ(slow.receive(300ms), tracker.version());
}

TEST(SimulatedTrackerTest, UploadDelayedAndBunchedByABusyMachineIsStoredWhole) {
    // The writer paced itself, but the bytes were held up and arrive together late: the slow
    // memory judges the upload against its start, so nothing may be lost.
    SimulatedTracker tracker;
    ASSERT_TRUE(tracker.start());
    RawLine line(tracker.devicePath(), B9600);
    ASSERT_TRUE(line.ok());
    line.send({0x1B, 'D'});
    ASSERT_TRUE(waitForCommands(tracker, 1));
    std::this_thread::sleep_for(600ms);
    std::vector<std::uint8_t> image(SimulatedTracker::kImageSize);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i + 1);
    line.send(image);
    line.send({0x1B, 'U'});
    ASSERT_TRUE(waitForCommands(tracker, 2));
    EXPECT_EQ(tracker.lostUploadBytes(), 0u);
    const SimulatedTracker::Image stored = tracker.image();
    EXPECT_EQ(std::vector<std::uint8_t>(stored.begin(), stored.end()), image);
}

TEST(SimulatedTrackerTest, AbandonedUploadDoesNotSwallowTheNextCommand) {
    SimulatedTracker tracker;
    ASSERT_TRUE(tracker.start());
    RawLine line(tracker.devicePath(), B9600);
    ASSERT_TRUE(line.ok());
    line.send({0x1B, 'D', 1, 2, 3});
    ASSERT_TRUE(waitForCommands(tracker, 1));
    std::this_thread::sleep_for(1200ms);
    line.send({0x1B, 0x1B, '3'});
    ASSERT_TRUE(waitForCommands(tracker, 2));
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Both);
}

}  // namespace
