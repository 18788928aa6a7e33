// The command protocol against the simulated tracker (and, for the exact bytes on the wire,
// against a bare pseudo-terminal that records them).
#include <gtest/gtest.h>
#include <QSerialPort>

#include <array>
#include <chrono>
#include <cstring>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "box_recorder.h"
#include "link_messages.h"
#include "pty_peer.h"
#include "raw_line.h"
#include "simulated_tracker.h"
#include "tone_guard.h"
#include "tracker_link.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Fault = SimulatedTracker::Fault;
using Tone = SimulatedTracker::Tone;
using Image = SimulatedTracker::Image;
namespace msg = link_message;

constexpr std::size_t kReplyCapacity = 30;  // what the window passes

std::vector<std::string> texts(std::initializer_list<std::string_view> list) {
    return {list.begin(), list.end()};
}

// Different from the simulator's factory image in every byte, including the tail that an
// unpaced writer loses.
Image testImage() {
    Image image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(0xA5 ^ (i * 7));
    return image;
}

// True when nobody holds the device: another exclusive open succeeds.
bool portIsFree(const std::string& device) {
    QSerialPort probe;
    probe.setPortName(QString::fromStdString(device));
    const bool free = probe.open(QIODevice::ReadWrite);
    probe.close();
    return free;
}

class ProtocolTest : public ::testing::Test {
  protected:
    explicit ProtocolTest(int trackerBaud = 9600) : tracker(trackerBaud) {}

    void SetUp() override {
        ASSERT_TRUE(tracker.start());
        link.setDeviceName(tracker.devicePath());
    }

    std::string findTracker() {
        std::array<char, 32> reply{};
        if (link.findTracker(std::span(reply).first(kReplyCapacity)))
            return "(failed)";
        return reply.data();
    }

    SimulatedTracker tracker;
    CTrackerLink link;
    BoxRecorder boxes;
};

class SlowTrackerTest : public ProtocolTest {
  protected:
    SlowTrackerTest() : ProtocolTest(2400) {}
};

TEST_F(SlowTrackerTest, FallsBackQuietlyAndKeepsTheSpeedForTones) {
    EXPECT_EQ(findTracker(), tracker.version());
    EXPECT_EQ(link.baudRate(), 2400);
    EXPECT_TRUE(boxes.boxes.empty());
    // The tracker ignores anything not at its speed, so the tone landing proves it went at 2400.
    EXPECT_FALSE(link.tone('2'));
    EXPECT_EQ(tracker.tone(), Tone::Tone2200);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SlowTrackerTest, ToneAtTheWrongSpeedGoesUnheard) {
    ASSERT_EQ(link.baudRate(), 9600);
    EXPECT_FALSE(link.tone('1'));  // nothing on the line says whether anyone listened
    EXPECT_EQ(tracker.tone(), Tone::Off);
}

struct ReplyCase {
    const char* name;
    Fault fault;
    bool found;
};

void PrintTo(const ReplyCase& c, std::ostream* os) {
    *os << c.name;
}

class ReplyTest : public ProtocolTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ReplyTest, AcceptsOnlyTheDeviceWordAndBlank) {
    tracker.setFault(GetParam().fault);
    link.setBaudRate(2400);  // whatever was left from before, the search starts at 9600
    const std::string reply = findTracker();
    if (GetParam().found) {
        EXPECT_EQ(reply, tracker.version().substr(0, kReplyCapacity - 1));
        EXPECT_TRUE(boxes.boxes.empty());
        EXPECT_EQ(link.baudRate(), 9600);
    } else {
        EXPECT_EQ(reply, "(failed)");
        EXPECT_EQ(boxes.texts(), texts({msg::kTrackerNotFound}));
        EXPECT_EQ(link.baudRate(), 2400);  // left at the last speed tried
    }
    // Failed or not, the port is given back.
    EXPECT_TRUE(portIsFree(tracker.devicePath()));
}

INSTANTIATE_TEST_SUITE_P(Faults, ReplyTest,
                         ::testing::Values(ReplyCase{"Plain", Fault::None, true},
                                           ReplyCase{"LowerCase", Fault::LowerCase, true},
                                           ReplyCase{"StaleOutputDrained", Fault::StaleOutput,
                                                     true},
                                           ReplyCase{"NoBlank", Fault::NoBlank, false},
                                           ReplyCase{"Silent", Fault::Silent, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProtocolTest, LongReplyIsCutToTheBuffer) {
    tracker.setFault(Fault::LongReply);
    ASSERT_GT(tracker.version().size(), kReplyCapacity);
    std::array<char, 32> reply;
    reply.fill('#');
    ASSERT_FALSE(link.findTracker(std::span(reply).first(kReplyCapacity)));
    EXPECT_EQ(std::string(reply.data()), tracker.version().substr(0, 29));
    EXPECT_EQ(reply[29], '\0');
    EXPECT_EQ(reply[30], '#');  // nothing written past the capacity
}

TEST_F(ProtocolTest, IdentifyWithNoRoomForTheReplyFailsSafely) {
    // No room for even the terminator: nothing may be read or written into the buffer.
    EXPECT_TRUE(link.identify({}));
    std::array<char, 1> one = {'#'};
    EXPECT_TRUE(link.identify(one));
    EXPECT_EQ(one[0], '\0');
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(portIsFree(tracker.devicePath()));
}

TEST(NoPortTest, EachAttemptReportsThenNotFound) {
    BoxRecorder boxes;
    CTrackerLink link;
    link.setPortNumber(0);
    std::array<char, 32> reply{};
    EXPECT_TRUE(link.findTracker(reply));
    EXPECT_EQ(boxes.texts(),
              texts({msg::kInvalidPortNumber, msg::kInvalidPortNumber, msg::kTrackerNotFound}));
    EXPECT_EQ(link.baudRate(), 2400);
    boxes.clear();
    EXPECT_TRUE(link.tone('x'));
    EXPECT_EQ(boxes.texts(), texts({msg::kInvalidPortNumber}));
}

TEST_F(ProtocolTest, ReadsTheStoredImage) {
    tracker.setImage(testImage());
    tracker.setFault(Fault::StaleOutput);
    std::array<std::uint8_t, 200> buffer{};
    ASSERT_EQ(link.readImageVerified(buffer), 128u);
    const Image expected = testImage();
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), buffer.begin()));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(portIsFree(tracker.devicePath()));
}

TEST_F(ProtocolTest, DifferingDownloadsAreRefusedSilently) {
    tracker.setFault(Fault::DifferingDownloads);
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(link.readImageVerified(buffer), 0u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ProtocolTest, ShortImagesThatAgreeReportTheirLength) {
    // Length checking is the caller's: two equal short downloads are still a verified read.
    tracker.setFault(Fault::ShortReadBack);
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(link.readImageVerified(buffer), 127u);
}

TEST_F(ProtocolTest, WritesAndVerifiesTheImage) {
    const Image image = testImage();
    EXPECT_FALSE(link.writeImageVerified(image));
    EXPECT_EQ(tracker.image(), image);
    EXPECT_EQ(tracker.lostUploadBytes(), 0u);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(portIsFree(tracker.devicePath()));
}

TEST_F(ProtocolTest, ShortReadBackFailsWithBothLengths) {
    tracker.setFault(Fault::ShortReadBack);
    EXPECT_TRUE(link.writeImageVerified(testImage()));
    EXPECT_EQ(boxes.boxes,
              std::vector<RecordedBox>{BoxRecorder::error("Write Failed (code 128 127)")});
}

TEST_F(ProtocolTest, DifferentReadBackFailsWithoutCode) {
    tracker.setFault(Fault::DifferingDownloads);
    EXPECT_TRUE(link.writeImageVerified(testImage()));
    EXPECT_EQ(boxes.texts(), texts({msg::kWriteContentsDiffer}));
}

TEST_F(ProtocolTest, UnpacedUploadLosesBytesAndFailsVerification) {
    // A writer that sends the whole upload in one go, as a link without pacing would.
    {
        RawLine line(tracker.devicePath(), B9600);
        ASSERT_TRUE(line.ok());
        std::vector<std::uint8_t> burst = {0x1B, 'D'};
        const Image image = testImage();
        burst.insert(burst.end(), image.begin(), image.end());
        line.send(burst);
        ASSERT_TRUE(waitForCommands(tracker, 1));
        std::this_thread::sleep_for(200ms);
    }
    EXPECT_GT(tracker.lostUploadBytes(), 0u);
    std::array<std::uint8_t, 200> buffer{};
    ASSERT_EQ(link.readImageVerified(buffer), 128u);
    const Image image = testImage();
    EXPECT_FALSE(std::equal(image.begin(), image.end(), buffer.begin()));
}

// Each tone command says what went out: its first stop and its code (what the guard keeps its
// record of the tones by).
TEST_F(ProtocolTest, TonesStopThenStart) {
    for (const auto& [code, tone] : {std::pair{'1', Tone::Tone1200}, std::pair{'3', Tone::Both},
                                     std::pair{'2', Tone::Tone2200}, std::pair{'x', Tone::Off}}) {
        const CTrackerLink::ToneSent sent = link.sendTone(code);
        EXPECT_FALSE(sent.failed) << code;
        EXPECT_TRUE(sent.stopSent) << code;
        EXPECT_TRUE(sent.codeSent) << code;
        EXPECT_EQ(tracker.tone(), tone) << code;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

// A tone is known to the guard before its code can go out: a box that comes up during the tone
// command (where a signal may end the program) finds it recorded, and a command that failed after
// the code keeps it so.
TEST_F(ProtocolTest, GuardKnowsAToneBeforeItsCodeGoesOut) {
    ToneGuard guard;
    tracker.setFault(Fault::VanishBeforeToneCode);
    std::vector<bool> keyedInBoxes;
    boxes.onBox = [&](const RecordedBox&) { keyedInBoxes.push_back(guard.keyed()); };
    EXPECT_TRUE(guard.start(link, '1').failed);
    EXPECT_EQ(keyedInBoxes, std::vector<bool>{true});
    EXPECT_TRUE(guard.keyed());
}

// A stop the guard sends through a link of its own is among the links in use while it runs: a box
// of that stop (where a signal may end the program) finds the port it holds, to let it go.
TEST_F(ProtocolTest, GuardsOwnStopLinkIsInUseWhileItsBoxIsUp) {
    ToneGuard guard;
    ASSERT_FALSE(guard.start(link, '1').failed);
    // Held open, so that the terminal's number is not given to another test's tracker while the
    // stop is tried again after the line has vanished.
    const RawLine keepNumber(tracker.devicePath(), B9600);
    tracker.setFault(Fault::VanishMidExchange);
    bool ownLinkSeen = false;
    boxes.onBox = [&](const RecordedBox&) {
        for (const CTrackerLink* inUse : guard.inUse())
            ownLinkSeen |= inUse->isOpen() && inUse->deviceName() == tracker.devicePath();
    };
    EXPECT_TRUE(guard.stop(guard.tones().starts().front()));
    EXPECT_FALSE(boxes.boxes.empty());
    EXPECT_TRUE(ownLinkSeen);
    EXPECT_TRUE(guard.inUse().empty());
}

// A command holding its port at another speed stops a tone at the tone's own speed through that
// port, and keeps its port and speed for what it does next.
TEST_F(ProtocolTest, HeldPortStopsAToneAtItsSpeedAndKeepsItsOwn) {
    ASSERT_FALSE(link.tone('1'));
    CTrackerLink holder;
    holder.setDeviceName(tracker.devicePath());
    holder.setBaudRate(2400);
    const CTrackerLink::PortHold hold = holder.holdPort();
    std::array<char, 32> reply{};
    ASSERT_TRUE(holder.identify(std::span(reply).first(kReplyCapacity)));  // unheard at 2400
    ASSERT_TRUE(holder.holdsPortOpen());
    EXPECT_FALSE(holder.stopToneOnHeldPort(9600).failed);
    EXPECT_EQ(tracker.tone(), Tone::Off);
    EXPECT_TRUE(holder.holdsPortOpen());
    EXPECT_EQ(holder.baudRate(), 2400);
    EXPECT_TRUE(boxes.boxes.empty());
}

struct VanishCase {
    const char* name;
    bool (*command)(CTrackerLink&);
    std::string_view message;
};

void PrintTo(const VanishCase& c, std::ostream* os) {
    *os << c.name;
}

class VanishTest : public ProtocolTest, public ::testing::WithParamInterface<VanishCase> {};

TEST_P(VanishTest, LineGoneMidExchangeIsReported) {
    tracker.setFault(Fault::VanishMidExchange);
    EXPECT_TRUE(GetParam().command(link));
    // One box at the point of failure; closing the hung-up line adds none. Beside it, the
    // device is said to be gone.
    EXPECT_EQ(boxes.boxes,
              std::vector<RecordedBox>{BoxRecorder::error(std::string(GetParam().message))});
    EXPECT_FALSE(link.isOpen());
    ASSERT_TRUE(link.portFailure());
    EXPECT_EQ(link.portFailure()->cause, PortFailure::Cause::Gone);
    EXPECT_EQ(link.portFailure()->boxText, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, VanishTest,
    ::testing::Values(
        VanishCase{"Download",
                   [](CTrackerLink& l) {
                       std::array<std::uint8_t, 200> b{};
                       return l.readImageVerified(b) == 0;
                   },
                   msg::kReadFailed},
        VanishCase{"Upload", [](CTrackerLink& l) { return l.writeImageVerified(testImage()); },
                   msg::kWriteFailed},
        VanishCase{"Tone", [](CTrackerLink& l) { return l.tone('1'); }, msg::kWriteFailed}),
    [](const auto& info) { return std::string(info.param.name); });

// The exact bytes each command puts on the line, recorded by a bare terminal.
class WireTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(peer.ok());
        link.setDeviceName(peer.path());
    }
    std::vector<std::uint8_t> bytes(std::initializer_list<std::uint8_t> list) { return list; }

    PtyPeer peer;
    CTrackerLink link;
    BoxRecorder boxes;
};

TEST_F(WireTest, SearchSendsIdentifyAtBothSpeeds) {
    std::array<char, 32> reply{};
    EXPECT_TRUE(link.findTracker(reply));
    EXPECT_EQ(peer.take(6), bytes({0x1B, 0x1B, 'V', 0x1B, 0x1B, 'V'}));
    EXPECT_EQ(boxes.texts(), texts({msg::kTrackerNotFound}));
    EXPECT_TRUE(portIsFree(peer.path()));
}

TEST_F(WireTest, ToneStopsFirstAndPausesBeforeTheCode) {
    const auto start = Clock::now();
    EXPECT_FALSE(link.tone('3'));
    EXPECT_GE(Clock::now() - start, 6 * 10ms + 50ms);
    EXPECT_EQ(peer.take(6), bytes({0x1B, 0x1B, 'x', 0x1B, 0x1B, '3'}));
}

TEST_F(WireTest, UploadSendsCommandThenImage) {
    const Image image = testImage();
    const auto start = Clock::now();
    EXPECT_FALSE(link.upload(image));
    EXPECT_GE(Clock::now() - start, 130 * 10ms);
    std::vector<std::uint8_t> expected = {0x1B, 'D'};
    expected.insert(expected.end(), image.begin(), image.end());
    EXPECT_EQ(peer.take(expected.size()), expected);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(WireTest, DownloadDrainsStaleBytesThenAsks) {
    const std::array<std::uint8_t, 4> stale = {'o', 'l', 'd', '!'};
    peer.send(stale);
    std::array<std::uint8_t, 128> buffer{};
    EXPECT_EQ(link.download(buffer), 0u);  // nobody answers
    EXPECT_EQ(peer.take(2), bytes({0x1B, 'U'}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(WireTest, RefusedLineSettingsStillReleaseThePort) {
    link.setBaudRate(-1);
    EXPECT_TRUE(link.tone('1'));
    EXPECT_EQ(boxes.texts(), texts({msg::kSetStateFailed}));
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(portIsFree(peer.path()));
    EXPECT_TRUE(peer.take().empty());
}

}  // namespace
