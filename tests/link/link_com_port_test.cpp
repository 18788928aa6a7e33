// The link over Windows COM ports, to simulated trackers outside the program: the port names,
// the Win32 serial calls behind QSerialPort, the speed search, pacing and timed reads.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>
#include <QSerialPort>

#include <array>
#include <chrono>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "box_recorder.h"
#include "link_messages.h"
#include "port_choice.h"
#include "tracker_link.h"
#include "tracker_port.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace msg = link_message;

constexpr std::size_t kReplyCapacity = 30;  // what the window passes

class ComPortTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(choose(kTrackerPortVariable)); }

    // Chooses the port as the window does with the same text in its port box.
    void choose(const char* variable) {
        port = trackerPort(variable);
        ASSERT_FALSE(port.empty()) << variable << " must name the simulated tracker's port";
        const PortChoice choice = choosePort(portListEntries(systemSerialPorts()), port);
        if (choice.deviceName.empty()) {
            link.setPortNumber(choice.portNumber);
        } else {
            link.setDeviceName(choice.deviceName);
        }
    }

    bool findTracker() {
        std::array<char, 32> reply{};
        return link.findTracker(std::span(reply).first(kReplyCapacity));
    }

    std::string port;
    CTrackerLink link;
    BoxRecorder boxes;
};

TEST_F(ComPortTest, FallsBackTo2400AndSendsTheTonesAtThatSpeed) {
    ASSERT_NO_FATAL_FAILURE(choose(kSlowTrackerPortVariable));
    EXPECT_FALSE(findTracker());
    EXPECT_EQ(link.baudRate(), 2400);
    EXPECT_FALSE(link.tone('1'));
    EXPECT_FALSE(link.tone('x'));
    EXPECT_TRUE(boxes.boxes.empty());
}

// Two images between them hold every byte value, control characters and flow-control bytes
// among them; the tracker must store and return each unchanged.
TEST_F(ComPortTest, FoundAt9600EveryByteValueIsWrittenAndReadBackUnchanged) {
    ASSERT_FALSE(findTracker());
    EXPECT_EQ(link.baudRate(), 9600);
    for (const std::uint8_t first : {0x00, 0x80}) {
        std::array<std::uint8_t, 128> image{};
        std::iota(image.begin(), image.end(), first);
        EXPECT_FALSE(link.writeImageVerified(image)) << int{first};
        std::array<std::uint8_t, 200> back{};
        ASSERT_EQ(link.readImageVerified(back), image.size()) << int{first};
        EXPECT_TRUE(std::equal(image.begin(), image.end(), back.begin())) << int{first};
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(ComPortTest, SilentReadWaitsOutItsTimeoutAndWritesArePaced) {
    ASSERT_FALSE(link.open());
    std::array<std::uint8_t, 100> buffer{};
    auto start = Clock::now();
    EXPECT_EQ(link.read(buffer), 0u);
    EXPECT_GE(Clock::now() - start, 500ms);

    // Not a command: the tracker lets the bytes pass.
    const std::array<std::uint8_t, 5> five = {'p', 'a', 'c', 'e', 'd'};
    start = Clock::now();
    EXPECT_FALSE(link.write(five));
    EXPECT_GE(Clock::now() - start, 50ms);
    EXPECT_FALSE(link.close());
    EXPECT_TRUE(boxes.boxes.empty());
}

// Windows opens a COM port for one handle at a time, whoever asks next.
TEST_F(ComPortTest, PortInUseCannotBeAcquired) {
    const std::vector<std::string> cannot(1, std::string(msg::kCannotAcquirePort));
    {
        QSerialPort other;
        other.setPortName(QString::fromStdString(port));
        ASSERT_TRUE(other.open(QIODevice::ReadWrite));
        EXPECT_TRUE(link.open());
        EXPECT_EQ(boxes.texts(), cannot);
    }
    boxes.clear();
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {"--hold-port", QString::fromStdString(port)});
    ASSERT_TRUE(holder.waitForReadyRead(20000));
    ASSERT_EQ(holder.readLine().trimmed(), "held");
    EXPECT_TRUE(link.open());
    EXPECT_EQ(boxes.texts(), cannot);
    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(20000));
    EXPECT_FALSE(link.open());
    EXPECT_FALSE(link.close());
}

TEST_F(ComPortTest, MissingPortCannotBeAcquired) {
    link.setDeviceName("COM29");  // mapped to nothing
    EXPECT_TRUE(link.open());
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{std::string(msg::kCannotAcquirePort)});
}

}  // namespace
