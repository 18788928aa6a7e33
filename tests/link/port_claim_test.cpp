// Serial ports shared with other programs: their UUCP lock files and flock() keep the link off a
// port, and the link's own flock() keeps them off while it talks. Over a pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "box_recorder.h"
#include "link_messages.h"
#include "pty_peer.h"
#include "tracker_link.h"
#include "uucp_lock.h"

namespace {

using Texts = std::vector<std::string>;
const std::string kRefused(link_message::kCannotAcquirePort);

// Lock contents as minicom and its kin write them (the pid in ten characters), and as older
// programs do (the pid's bytes).
std::string asciiLock(pid_t pid) {
    std::array<char, 16> line{};
    std::snprintf(line.data(), line.size(), "%10d\n", static_cast<int>(pid));
    return line.data();
}
std::string binaryLock(pid_t pid) {
    const int value = static_cast<int>(pid);
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// True when another descriptor of the device can take flock() on it now.
bool othersCanFlock(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    const bool free = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (fd >= 0)
        ::close(fd);
    return free;
}

class PortClaimTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(peer.ok());
        link.setDeviceName(peer.path());
        for (const std::string& directory : uucp_lock::lockDirectories()) {
            if (::access(directory.c_str(), W_OK) == 0) {
                lockPath = directory + "/" + uucp_lock::lockFileName(peer.path());
                break;
            }
        }
        ASSERT_FALSE(lockPath.empty());
    }
    void TearDown() override { ::unlink(lockPath.c_str()); }

    // An old lock: Qt's own lock handling takes any lock older than 30 s for stale.
    void writeLock(const std::string& contents) {
        std::ofstream(lockPath, std::ios::binary | std::ios::trunc) << contents;
        const timespec hourAgo{::time(nullptr) - 3600, 0};
        const std::array<timespec, 2> times{hourAgo, hourAgo};
        ASSERT_EQ(::utimensat(AT_FDCWD, lockPath.c_str(), times.data(), 0), 0);
    }

    PtyPeer peer;
    CTrackerLink link;
    BoxRecorder boxes;
    std::string lockPath;
    std::array<char, 32> reply{};
};

TEST_F(PortClaimTest, LockOfALiveProcessRefusesThePortAndIsLeftAsItWas) {
    for (const std::string& lock : {asciiLock(::getppid()), binaryLock(::getppid())}) {
        writeLock(lock);
        boxes.clear();
        EXPECT_TRUE(link.identify(reply));
        EXPECT_EQ(boxes.texts(), Texts{kRefused});
        EXPECT_EQ(contentsOf(lockPath), lock);
        EXPECT_TRUE(peer.take().empty());
    }
}

TEST_F(PortClaimTest, LockOfAnEndedProcessIsStaleAndThePortIsUsed) {
    for (const std::string& lock : {asciiLock(endedProcess()), binaryLock(endedProcess())}) {
        writeLock(lock);
        ASSERT_FALSE(link.open());
        EXPECT_FALSE(link.close());
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_FALSE(exists(lockPath));
    }
}

TEST_F(PortClaimTest, DeviceFlockedByAnotherProgramIsRefusedWithNothingSent) {
    const int other = ::open(peer.path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_TRUE(link.identify(reply));
    EXPECT_EQ(boxes.texts(), Texts{kRefused});
    EXPECT_TRUE(peer.take().empty());
    ::close(other);
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.close());
}

TEST_F(PortClaimTest, LinkHoldsFlockForTheExchangeAndGivesItUpAfter) {
    ASSERT_FALSE(link.open());
    EXPECT_FALSE(othersCanFlock(peer.path()));
    EXPECT_FALSE(link.close());
    EXPECT_TRUE(othersCanFlock(peer.path()));

    // An exchange that fails (nobody answers) gives the device up too.
    EXPECT_TRUE(link.identify(reply));
    EXPECT_TRUE(othersCanFlock(peer.path()));
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
