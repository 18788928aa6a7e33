// Serial ports shared with other programs: their UUCP lock files, flock() and open descriptors
// keep the link off a port, and the link's own flock() and exclusive open keep them off while it
// talks; the link can say who has it. Over a pseudo-terminal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <memory>
#include <string>
#include <thread>

#include "box_recorder.h"
#include "device_users.h"
#include "link_messages.h"
#include "other_devpts.h"
#include "other_user.h"
#include "own_process_name.h"
#include "port_claim.h"
#include "port_details.h"
#include "port_holder.h"
#include "port_user.h"
#include "pty_peer.h"
#include "reported_port.h"
#include "stalled_mount.h"
#include "tracker_link.h"
#include "uucp_lock.h"

namespace {

using Texts = std::vector<std::string>;
const std::string kRefused(link_message::kCannotAcquirePort);
PortHolder thisProcess() {
    return {::getpid(), ownProcessName()};
}

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
        ASSERT_TRUE(link.portFailure());
        EXPECT_EQ(link.portFailure()->cause, PortFailure::Cause::InUse);
        EXPECT_EQ(link.portFailure()->holder.pid, ::getppid());
        EXPECT_EQ(link.portFailure()->device, peer.path());
        EXPECT_EQ(contentsOf(lockPath), lock);
        EXPECT_TRUE(peer.take().empty());
    }
}

// A lock being written, or one of a format we do not know, may still be a live program's.
TEST_F(PortClaimTest, LockThatDoesNotSayWhoseRefusesThePortAndIsLeftAlone) {
    for (const std::string& lock :
         {std::string(), std::string("minicom\n"), std::string(11, '9')}) {
        writeLock(lock);
        EXPECT_TRUE(link.open());
        ASSERT_TRUE(link.portFailure());
        EXPECT_EQ(link.portFailure()->holder, PortHolder{}) << lock;
        EXPECT_EQ(contentsOf(lockPath), lock);
    }
    EXPECT_EQ(boxes.texts(), (Texts{kRefused, kRefused, kRefused}));
}

// udev's /dev/serial/by-id links are the stable way to name an adapter; other programs lock the
// device by its real name.
TEST_F(PortClaimTest, DeviceOpenedThroughALinkIsRefusedWhileItsRealNameIsLocked) {
    const std::string viaLink = ::testing::TempDir() + "pelmox-by-id-" + std::to_string(::getpid());
    std::filesystem::remove(viaLink);
    std::filesystem::create_symlink(peer.path(), viaLink);
    link.setDeviceName(viaLink);
    writeLock(asciiLock(::getppid()));
    EXPECT_TRUE(link.open());
    ASSERT_TRUE(link.portFailure());
    EXPECT_EQ(link.portFailure()->holder.pid, ::getppid());

    ::unlink(lockPath.c_str());
    const int other = ::open(peer.path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_TRUE(link.open());
    ASSERT_TRUE(link.portFailure());
    EXPECT_EQ(link.portFailure()->holder, thisProcess());
    ::close(other);
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.portFailure());
    EXPECT_FALSE(link.close());
    std::filesystem::remove(viaLink);
}

// A process of another user cannot be signalled, but is alive all the same; a lock that user
// may not read may be anyone's. Either way the lock stays, and the device is not taken.
TEST_F(PortClaimTest, LocksSeenByAnotherUserAreLeftAlone) {
    writeLock(asciiLock(::getpid()));
    ::chmod(lockPath.c_str(), 0644);
    const pid_t owner = ::getpid();
    const std::string device = peer.path();
    const std::optional<bool> aliveToOthers =
        checkAsOtherUser([&] { return uucp_lock::liveLockHolder(device) == owner; });
    if (!aliveToOthers)
        GTEST_SKIP() << kCannotChangeUser;
    EXPECT_TRUE(*aliveToOthers);

    ::chmod(lockPath.c_str(), 0600);
    EXPECT_EQ(checkAsOtherUser([&] { return uucp_lock::liveLockHolder(device) == 0; }), true);
    EXPECT_EQ(contentsOf(lockPath), asciiLock(owner));
}

TEST_F(PortClaimTest, DeviceTheUserMayNotOpenIsNoAccess) {
    ::chmod(peer.path().c_str(), 0600);
    const std::string device = peer.path();
    const std::optional<bool> refused = checkAsOtherUser([&] {
        const std::optional<PortFailure> failure = PortClaim().acquire(device);
        return failure && failure->cause == PortFailure::Cause::NoAccess &&
               failure->systemText == "Permission denied";
    });
    if (!refused)
        GTEST_SKIP() << kCannotChangeUser;
    EXPECT_TRUE(*refused);
}

// Releasing twice must not close a descriptor number that something else has been given since.
TEST_F(PortClaimTest, ClaimReleasedTwiceLeavesOtherDescriptorsAlone) {
    PortClaim claim;
    ASSERT_FALSE(claim.acquire(peer.path()));
    EXPECT_TRUE(claim.isHeld());
    claim.release();
    EXPECT_FALSE(claim.isHeld());
    const int reused = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    claim.release();
    EXPECT_NE(::fcntl(reused, F_GETFD), -1);
    ::close(reused);
    EXPECT_TRUE(othersCanFlock(peer.path()));
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

// A shared lock (as a program that only reads the line may take) refuses the port too.
TEST_F(PortClaimTest, DeviceFlockedByAnotherProgramIsRefusedWithNothingSent) {
    for (const int lock : {LOCK_EX, LOCK_SH}) {
        boxes.clear();
        const int other = ::open(peer.path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_EQ(::flock(other, lock | LOCK_NB), 0);
        EXPECT_TRUE(link.identify(reply));
        EXPECT_EQ(boxes.texts(), Texts{kRefused});
        ASSERT_TRUE(link.portFailure());
        EXPECT_EQ(link.portFailure()->cause, PortFailure::Cause::InUse);
        EXPECT_EQ(link.portFailure()->holder, thisProcess());
        EXPECT_EQ(port_holder::otherProgramsHold(peer.path()), thisProcess());
        EXPECT_TRUE(peer.take().empty());
        ::close(other);
        EXPECT_EQ(port_holder::otherProgramsHold(peer.path()), std::nullopt);
        EXPECT_FALSE(link.open());
        EXPECT_FALSE(link.close());
    }
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

// Listing the ports only looks: a lock whose process has ended stays where it is, and marks
// nothing.
TEST_F(PortClaimTest, PortsLeaveAStaleLockAsItIs) {
    const std::string lock = asciiLock(endedProcess());
    writeLock(lock);
    const ReportedPort reported[] = {{QString::fromStdString(peer.path()), {}, {}, {}}};
    const std::vector<PortDetails> ports = portDetails(reported);
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0].holder, std::nullopt);
    EXPECT_EQ(contentsOf(lockPath), lock);
}

// A program that keeps a port open with no lock at all: the port is refused with it named,
// before any byte, also when the link had the port free a while before.
TEST_F(PortClaimTest, ProcessThatHasThePortOpenRefusesIt) {
    ASSERT_FALSE(link.open());
    EXPECT_FALSE(link.close());
    std::this_thread::sleep_for(PortClaim::kUsersStayKnown);
    PortUser user(peer.path(), PortUser::Use::OpenDescriptor);
    ASSERT_GT(user.pid(), 0);
    const PortHolder holder{user.pid(), PortUser::kProgram};
    EXPECT_TRUE(link.identify(reply));
    EXPECT_EQ(boxes.texts(), Texts{kRefused});
    ASSERT_TRUE(link.portFailure());
    EXPECT_EQ(link.portFailure()->holder, holder);
    EXPECT_EQ(port_holder::otherProgramsHold(peer.path()), holder);
    EXPECT_TRUE(peer.take().empty());
    user.stop();
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.close());
}

// A login prompt on a serial console runs as root: an ordinary user cannot see its descriptors,
// only that the port is its controlling terminal. So it is with a process of the user's own that
// runs with another group: its descriptors can be listed, but not followed.
TEST_F(PortClaimTest, ProcessWhoseDescriptorsAreHiddenHoldsThePortThatIsItsTerminal) {
    for (const std::optional<uid_t> holderUser :
         {std::optional<uid_t>(), std::optional(kOtherUser)}) {
        PortUser user(peer.path(), PortUser::Use::ControllingTerminal, holderUser);
        ASSERT_GT(user.pid(), 0);
        const PortHolder holder{user.pid(), PortUser::kProgram};
        const std::string device = peer.path();
        const std::optional<bool> seen =
            checkAsOtherUser([&] { return port_holder::deviceUser(device) == holder; });
        if (!seen)
            GTEST_SKIP() << kCannotChangeUser;
        EXPECT_TRUE(*seen) << (holderUser ? "the other user, with root's group" : "root");
    }
}

std::optional<unsigned> ptyNumber(const std::string& path) {
    const std::string prefix = "/dev/pts/";
    if (!path.starts_with(prefix))
        return std::nullopt;
    return static_cast<unsigned>(std::stoul(path.substr(prefix.size())));
}

// A container's /dev/pts/N carries the host's number N. A process in it that has its own N open,
// or as its controlling terminal, holds nothing of the host's; a holder of the host's N is still
// refused and named. And the other way round, inside the container.
TEST_F(PortClaimTest, OnlyTheSameDevptsInstanceHoldsAPseudoTerminal) {
    const std::optional<unsigned> number = ptyNumber(peer.path());
    if (!number || *number > 64)
        GTEST_SKIP() << "the test's pseudo-terminal is " << peer.path() << ", past what it takes";
    const std::string device = peer.path();
    Signal ready, done;
    OtherDevpts container(*number, [&](const std::string& own) {
        PortUser open(own, PortUser::Use::OpenDescriptor);
        PortUser terminal(own, PortUser::Use::ControllingTerminal);
        ready.give();
        return done.await(30'000) && open.pid() > 0 && terminal.pid() > 0;
    });
    if (!container.started() || !ready.await(10'000))
        GTEST_SKIP() << kCannotMakeDevpts;
    EXPECT_EQ(port_holder::deviceUser(device), std::nullopt);
    EXPECT_NE(checkAsOtherUser([&] { return !port_holder::deviceUser(device); }), false);
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.close());
    {
        PortUser host(device, PortUser::Use::OpenDescriptor);
        const PortHolder holder{host.pid(), PortUser::kProgram};
        const std::optional<PortFailure> refused = PortClaim().acquire(device);
        ASSERT_TRUE(refused);
        EXPECT_EQ(refused->holder, holder);
    }
    done.give();
    EXPECT_EQ(container.answer(), true);

    PortUser hostOpen(device, PortUser::Use::OpenDescriptor);
    PortUser hostTerminal(device, PortUser::Use::ControllingTerminal);
    OtherDevpts inside(*number, [](const std::string& own) {
        const bool free = !port_holder::deviceUser(own) &&
                          checkAsOtherUser([&] { return !port_holder::deviceUser(own); }) != false;
        PortUser user(own, PortUser::Use::OpenDescriptor);
        return free && port_holder::deviceUser(own) == PortHolder{user.pid(), PortUser::kProgram};
    });
    EXPECT_EQ(inside.answer(), true);
}

// A program may hold a file on a network mount whose server is gone, where any question about
// the file waits for ever: the search that comes before every open passes it, and still finds
// that program holding the port.
TEST_F(PortClaimTest, SearchPassesAFileThatNeverSaysWhatItIs) {
    namespace fs = std::filesystem;
    std::string root = (fs::temp_directory_path() / "pelmox-stalled-XXXXXX").string();
    ASSERT_NE(::mkdtemp(root.data()), nullptr);
    const fs::path directory = fs::path(root) / "dev";
    fs::create_directory(directory);
    std::future<std::optional<PortHolder>> search;
    {
        StalledMount mount(directory.string(), {peer.path()});
        if (mount.holder() == 0) {
            fs::remove_all(root);
            GTEST_SKIP() << "no file system of the test's own: " << mount.reason();
        }
        const std::string device = peer.path();
        search =
            std::async(std::launch::async, [device] { return port_holder::deviceUser(device); });
        const bool returned = search.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
        EXPECT_TRUE(returned) << "the search waits for the file";
        if (returned) {
            EXPECT_EQ(search.get().value_or(PortHolder{}).pid, mount.holder());
        }
    }
    fs::remove_all(root);
}

// The search looks first where the process before had its descriptors (a program's children
// have much the same), then upward from 0, and lists the rest from the first number that is not
// open. A holder is found with the port right after a gap, far past one, and past or among the
// numbers of the processes like it that come just before it.
TEST_F(PortClaimTest, HolderIsFoundBehindAGapInItsDescriptors) {
    const std::string device = peer.path();
    const std::string other = "/dev/null";
    const PortUser::Descriptors holders[] = {
        {{4, device}},
        {{200, device}},
        {{64, other}, {65, device}},
        {{10, device}, {64, other}},
    };
    for (const PortUser::Descriptors& descriptors : holders) {
        PortUser::Descriptors withoutPort;
        for (const auto& placed : descriptors) {
            if (placed.second != device)
                withoutPort.push_back(placed);
        }
        std::deque<PortUser> likeIt;
        for (int i = 0; i < 2; ++i)
            ASSERT_GT(likeIt.emplace_back(withoutPort).pid(), 0);
        PortUser holder(descriptors);
        ASSERT_GT(holder.pid(), 0);
        const auto port = std::find_if(descriptors.begin(), descriptors.end(),
                                       [&](const auto& placed) { return placed.second == device; });
        EXPECT_EQ(port_holder::deviceUser(device), (PortHolder{holder.pid(), PortUser::kProgram}))
            << "the port at " << port->first;
    }
}

// A process that opens and closes a descriptor all the time may have fewer than it counted by
// the time they are looked at: the search goes on without them, and still finds the holder
// that comes after it.
TEST_F(PortClaimTest, SearchPassesAProcessWhoseDescriptorsComeAndGo) {
    const std::string device = peer.path();
    const pid_t restless = ::fork();
    if (restless == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::close_range(STDERR_FILENO + 1, ~0U, 0);
        const int null = ::open("/dev/null", O_RDONLY);
        for (;;) {
            ::dup2(null, 40);
            ::close(40);
        }
    }
    ASSERT_GT(restless, 0);
    struct Reaped {
        pid_t pid;
        ~Reaped() {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } reaped{restless};
    PortUser holder(PortUser::Descriptors{{3, device}});
    ASSERT_GT(holder.pid(), 0);
    // A search that never ends is left behind, so that the test still fails rather than hangs.
    constexpr int kSearches = 200;
    auto counted = std::make_shared<std::promise<int>>();
    std::future<int> found = counted->get_future();
    std::thread([counted, device, pid = holder.pid()] {
        int times = 0;
        for (int i = 0; i < kSearches; ++i)
            times += port_holder::deviceUser(device).value_or(PortHolder{}).pid == pid;
        counted->set_value(times);
    }).detach();
    const bool ended = found.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
    ASSERT_TRUE(ended) << "the search waits for descriptors that have gone";
    EXPECT_EQ(found.get(), kSearches);
}

// pelmoxctl ports: each port with its own holder, whichever of them hold by a lock and which by
// an open descriptor.
TEST_F(PortClaimTest, PortsNameEachHolderOnItsOwnRow) {
    PtyPeer second;
    ASSERT_TRUE(second.ok());
    const int locked = ::open(peer.path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(locked, LOCK_EX | LOCK_NB), 0);
    PortUser user(second.path(), PortUser::Use::OpenDescriptor);
    ASSERT_GT(user.pid(), 0);
    const std::string names[] = {peer.path(), second.path()};
    const std::vector<std::optional<PortHolder>> holders = port_holder::otherProgramsHolds(names);
    ::close(locked);
    ASSERT_EQ(holders.size(), 2u);
    EXPECT_EQ(holders[0], thisProcess());
    EXPECT_EQ(holders[1], (PortHolder{user.pid(), PortUser::kProgram}));
}

// While the link talks, the terminal is in exclusive mode. Root may open it all the same, so the
// second open is another user's.
TEST_F(PortClaimTest, NobodyElseOpensThePortWhileTheLinkHasIt) {
    ASSERT_EQ(::chmod(peer.path().c_str(), 0666), 0);
    const std::string device = peer.path();
    const auto busyToOthers = [&] {
        return checkAsOtherUser([&] {
            const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            const bool busy = fd < 0 && errno == EBUSY;
            if (fd >= 0)
                ::close(fd);
            return busy;
        });
    };
    ASSERT_FALSE(link.open());
    const std::optional<bool> whileHeld = busyToOthers();
    if (!whileHeld)
        GTEST_SKIP() << kCannotChangeUser;
    EXPECT_TRUE(*whileHeld);
    EXPECT_FALSE(link.close());
    EXPECT_EQ(busyToOthers(), false);
}

TEST(ControllingTerminal, FieldsCountFromTheEndOfTheName) {
    const struct {
        const char* line;
        std::optional<dev_t> terminal;
    } cases[] = {
        // /dev/ttyS0 (4, 64), then /dev/pts/0 (136, 0) and /dev/pts/300, whose minor has bits
        // above the low eight.
        {"4242 (agetty) S 1 4242 4242 1088 4242 4194560 12 0", makedev(4, 64)},
        {"77 (a) b) (c) S 1 77 77 34816 77 4194304", makedev(136, 0)},
        {"78 (sleep) S 1 78 78 1083436 78 4194304", makedev(136, 300)},
        {"2 (kthreadd) S 0 0 0 0 -1 2129984 0 0", dev_t{0}},
        {"12 sleep S 1 12 12 0 -1 4194560", std::nullopt},
        {"12 (cut) S 1 12 12", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(device_users::controllingTerminal(c.line), c.terminal) << c.line;
}

}  // namespace
