// The channel over a real pseudo-terminal: opening, line settings, paced writes, timed reads,
// and each failure with its message.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>
#include <QSerialPort>

#include <array>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "box_recorder.h"
#include "built_program.h"
#include "link_messages.h"
#include "pty_peer.h"
#include "tracker_link.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace msg = link_message;

std::vector<std::string> texts(std::initializer_list<std::string_view> list) {
    return {list.begin(), list.end()};
}

class ChannelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(peer.ok());
        link.setDeviceName(peer.path());
    }

    PtyPeer peer;
    CTrackerLink link;
    BoxRecorder boxes;
};

TEST_F(ChannelTest, OpenSetsSpeedAndEightNoneOne) {
    for (const auto& [baud, speed] : {std::pair{9600, B9600}, std::pair{2400, B2400}}) {
        link.setBaudRate(baud);
        ASSERT_FALSE(link.open());
        const termios tio = peer.settings();
        EXPECT_EQ(cfgetospeed(&tio), speed);
        EXPECT_EQ(cfgetispeed(&tio), speed);
        EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
        EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB), 0u);
        // Raw: nothing the tracker sends may be translated, echoed or taken for flow control.
        EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP), 0u);
        EXPECT_EQ(tio.c_oflag & OPOST, 0u);
        EXPECT_EQ(tio.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
        EXPECT_FALSE(link.close());
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ChannelTest, EveryByteValueCrossesUnchangedBothWays) {
    std::array<std::uint8_t, 256> all{};
    std::iota(all.begin(), all.end(), std::uint8_t{0});
    ASSERT_FALSE(link.open());

    peer.send(all);
    std::array<std::uint8_t, 300> in{};
    ASSERT_EQ(link.read(in), all.size());
    EXPECT_TRUE(std::equal(all.begin(), all.end(), in.begin()));

    ASSERT_FALSE(link.write(all));
    const std::vector<std::uint8_t> out = peer.take(all.size());
    EXPECT_EQ(out, std::vector<std::uint8_t>(all.begin(), all.end()));
    EXPECT_FALSE(link.close());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ChannelTest, WritePausesTenMillisecondsAfterEveryByte) {
    const std::array<std::uint8_t, 5> five = {1, 2, 3, 4, 5};
    ASSERT_FALSE(link.open());
    const auto start = Clock::now();
    EXPECT_FALSE(link.write(five));
    EXPECT_GE(Clock::now() - start, 50ms);  // the pause after the last byte included
    EXPECT_EQ(peer.take(five.size()), std::vector<std::uint8_t>(five.begin(), five.end()));
    EXPECT_FALSE(link.close());
}

TEST_F(ChannelTest, ReadOfSilenceWaitsOutTheTotalTimeoutQuietly) {
    ASSERT_FALSE(link.open());
    for (const std::size_t capacity : {std::size_t{1}, std::size_t{100}}) {
        std::vector<std::uint8_t> buffer(capacity);
        const auto start = Clock::now();
        EXPECT_EQ(link.read(buffer), 0u);
        EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(2 * capacity + 300));
    }
    EXPECT_FALSE(link.close());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ChannelTest, ReadStopsWhenTheCountHasArrived) {
    ASSERT_FALSE(link.open());
    const std::array<std::uint8_t, 8> sent = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    peer.send(sent);
    std::array<std::uint8_t, 5> first{};
    ASSERT_EQ(link.read(first), 5u);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), sent.begin()));
    // What did not fit stays for the next read.
    std::array<std::uint8_t, 5> rest{};
    ASSERT_EQ(link.read(rest), 3u);
    EXPECT_TRUE(std::equal(rest.begin(), rest.begin() + 3, sent.begin() + 5));
    EXPECT_FALSE(link.close());
}

TEST_F(ChannelTest, ReadEndsAfterAGapOnceBytesHaveCome) {
    ASSERT_FALSE(link.open());
    std::thread sender([this] {
        const std::array<std::uint8_t, 3> part = {'x', 'y', 'z'};
        peer.send(part);
        // Well past the gap: these belong to the next read.
        std::this_thread::sleep_for(250ms);
        peer.send(part);
    });
    std::array<std::uint8_t, 200> buffer{};
    const auto start = Clock::now();
    const std::size_t first = link.read(buffer);
    const auto took = Clock::now() - start;
    sender.join();
    EXPECT_EQ(first, 3u);
    EXPECT_GE(took, 50ms);
    EXPECT_EQ(link.read(buffer), 3u);
    EXPECT_FALSE(link.close());
}

TEST_F(ChannelTest, VanishedLineFailsReadsAndWrites) {
    ASSERT_FALSE(link.open());
    peer.hangUp();
    std::array<std::uint8_t, 10> buffer{};
    EXPECT_EQ(link.read(buffer), 0u);
    const std::array<std::uint8_t, 2> two = {0x1B, 'U'};
    EXPECT_TRUE(link.write(two));
    link.close();
    ASSERT_GE(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0], BoxRecorder::error(std::string(msg::kReadFailed)));
    EXPECT_EQ(boxes.texts()[1], msg::kWriteFailed);
}

TEST_F(ChannelTest, OperationsOnAClosedPortSayInvalid) {
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_TRUE(link.write(buffer));
    EXPECT_EQ(link.read(buffer), 0u);
    EXPECT_TRUE(link.close());
    const std::string invalid(msg::kPortInvalid);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>(3, invalid));
}

TEST_F(ChannelTest, OpeningAgainReleasesTheEarlierHandleFirst) {
    ASSERT_FALSE(link.open());
    ASSERT_FALSE(link.open());
    EXPECT_TRUE(link.isOpen());
    EXPECT_FALSE(link.close());
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ChannelTest, BusyPortCannotBeAcquired) {
    // Held by another serial port user. Its lock file stops even root, which the terminal's
    // own exclusive mode would not.
    QSerialPort other;
    other.setPortName(QString::fromStdString(peer.path()));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    EXPECT_TRUE(link.open());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(boxes.texts(), texts({msg::kCannotAcquirePort}));
    other.close();
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.close());
}

TEST_F(ChannelTest, PortHeldByAnotherProgramCannotBeAcquired) {
    QProcess holder;
    startBuiltProgram(holder, QCoreApplication::applicationFilePath(),
                      {"--hold-port", QString::fromStdString(peer.path())});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readLine().trimmed(), "held");
    EXPECT_TRUE(link.open());
    EXPECT_EQ(boxes.texts(), texts({msg::kCannotAcquirePort}));
    ASSERT_TRUE(link.portFailure());
    EXPECT_EQ(link.portFailure()->holder.pid, holder.processId());
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.close());
}

struct OpenFailure {
    const char* what;
    std::string device;
    std::string_view message;
    std::optional<std::string> reason;  // the system's words kept for pelmoxctl
};

void PrintTo(const OpenFailure& c, std::ostream* os) {
    *os << c.what;
}

class OpenFailureTest : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(OpenFailureTest, ShowsItsMessageOnce) {
    BoxRecorder boxes;
    CTrackerLink link;
    link.setDeviceName(GetParam().device);
    EXPECT_TRUE(link.open());
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(boxes.boxes,
              std::vector<RecordedBox>{BoxRecorder::error(std::string(GetParam().message))});
    EXPECT_EQ(link.portFailure() ? std::optional(link.portFailure()->systemText) : std::nullopt,
              GetParam().reason);
    // Named by the path that was tried, so that the user sees where a bare name was looked for.
    EXPECT_TRUE(!link.portFailure() || link.portFailure()->device.starts_with('/'));
}

std::string regularFile() {
    static const std::string path = [] {
        std::string p = ::testing::TempDir() + "pelmox-not-a-port";
        if (std::FILE* f = std::fopen(p.c_str(), "w")) {
            std::fputs("plain file\n", f);
            std::fclose(f);
        }
        return p;
    }();
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, OpenFailureTest,
    ::testing::Values(
        OpenFailure{"missing", "/dev/pelmox-no-such-port", msg::kCannotAcquirePort,
                    "No such file or directory"},
        OpenFailure{"bare", "pelmox-no-such-port", msg::kCannotAcquirePort,
                    "No such file or directory"},
        OpenFailure{"null", "/dev/null", msg::kGetStateFailed, "Inappropriate ioctl for device"},
        OpenFailure{"file", regularFile(), msg::kGetStateFailed, "Inappropriate ioctl for device"}),
    [](const auto& info) { return std::string(info.param.what); });

// A number, once chosen, replaces any device name chosen before it.
TEST(PortNumberOpenTest, OutsideOneToFourIsInvalid) {
    for (const int number : {0, 5, -1}) {
        BoxRecorder boxes;
        CTrackerLink link;
        link.setDeviceName("/dev/pelmox-no-such-port");
        link.setPortNumber(number);
        EXPECT_TRUE(link.deviceName().empty()) << number;
        EXPECT_TRUE(link.open());
        EXPECT_FALSE(link.isOpen());
        EXPECT_EQ(boxes.texts(), texts({msg::kInvalidPortNumber})) << number;
    }
}

}  // namespace
