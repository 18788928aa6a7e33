// The window's commands against a simulated tracker on a pseudo-terminal. Every command costs
// one to five seconds by design, so each test makes only the round trips it needs.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QProcess>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <functional>

#include "built_program.h"
#include "config_image.h"
#include "simulated_tracker.h"
#include "tracker_config.h"
#include "tracker_record.h"
#include "window_fixture.h"
#include "worked_example.h"

namespace {

using Image = std::array<std::uint8_t, 128>;

const RecordedBox kWriteSuccessful = BoxRecorder::info("Write Successful", "CorvennaII Write");
const RecordedBox kReadSuccessful = BoxRecorder::info("Read Successful", "CorvennaII Read");
const RecordedBox kCalibrationWarning = BoxRecorder::info(
    "New Calibration value should be written before Testing Tones", "Calibration not written");
using Tone = SimulatedTracker::Tone;

class WindowWithTracker : public WindowTest {
  protected:
    explicit WindowWithTracker(int baud = 9600) : tracker(baud) {}
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(tracker.start());
        choosePort(tracker.devicePath());
    }
    SimulatedTracker tracker;
};

class WindowWithSlowTracker : public WindowWithTracker {
  protected:
    WindowWithSlowTracker() : WindowWithTracker(2400) {}
};

TEST_F(WindowWithTracker, WritingTheDefaultsStoresTheReferenceImageAndShowsItsRounding) {
    click(IDC_WRITE_CONFIG);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kWriteSuccessful});
    EXPECT_EQ(tracker.image(), kDefaultImage);
    EXPECT_EQ(text(IDC_TXD), "253");
    EXPECT_EQ(text(IDC_QUIET_TIME), "1525");
    EXPECT_EQ(text(IDC_CALLSIGN), "NOCALL");
    EXPECT_EQ(text(IDC_DIGIPATH), "WIDE3-3");
}

TEST_F(WindowWithTracker, ReadShowsTheTrackerAndAModeOfZeroWritesBackAsWx200) {
    const CTrackerConfig stored =
        makeRecord({"DL1ABC-7", "WIDE1-1,WIDE2-2", "Wetter \xe4n der K\xfcste", 77,
                    CTrackerConfig::kModeWx200, 100, 5, 300, 1000});
    Image image{};
    ASSERT_EQ(ConfigImage::encode(stored, image), ConfigImage::kSize);
    image[5] = 0;  // neither station kind
    tracker.setImage(image);

    click(IDC_READ_CONFIG);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kReadSuccessful});
    EXPECT_EQ(text(IDC_CALLSIGN), "DL1ABC-7");
    EXPECT_EQ(text(IDC_DIGIPATH), "WIDE1-1,WIDE2-2");
    EXPECT_EQ(text(IDC_STATUS_TEXT), QString::fromUtf8("Wetter \u00e4n der K\u00fcste"));
    EXPECT_EQ(text(IDC_CALIBRATION), "77");
    EXPECT_EQ(text(IDC_TXD), "100");
    EXPECT_EQ(text(IDC_STATUS_EVERY), "5");
    EXPECT_EQ(text(IDC_TX_INTERVAL), "300");
    EXPECT_EQ(text(IDC_QUIET_TIME), "1026");
    EXPECT_FALSE(checked(IDC_MODE_WX200));
    EXPECT_FALSE(checked(IDC_MODE_PEET));

    boxes.clear();
    click(IDC_WRITE_CONFIG);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kWriteSuccessful});
    // The same settings as read, the timing as the window showed it, and WX200/WM918 chosen.
    CTrackerConfig shown;
    ASSERT_FALSE(ConfigImage::decode(shown, image));
    shown.stationMode = CTrackerConfig::kModeWx200;
    Image expected{};
    ASSERT_EQ(ConfigImage::encode(shown, expected), ConfigImage::kSize);
    EXPECT_EQ(expected[5], 128);
    EXPECT_EQ(tracker.image(), expected);
    EXPECT_TRUE(checked(IDC_MODE_WX200));
    EXPECT_FALSE(checked(IDC_MODE_PEET));
}

TEST_F(WindowWithTracker, ChangedCalibrationIsWarnedOnEveryToneUntilWritten) {
    setText(IDC_CALIBRATION, "100");
    click(IDC_TONE_1200);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kCalibrationWarning});
    EXPECT_TRUE(eventually([&] { return tracker.tone() == SimulatedTracker::Tone::Tone1200; }));

    boxes.clear();
    click(IDC_TONE_STOP);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kCalibrationWarning});
    EXPECT_TRUE(eventually([&] { return tracker.tone() == SimulatedTracker::Tone::Off; }));

    boxes.clear();
    click(IDC_WRITE_CONFIG);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kWriteSuccessful});
    EXPECT_EQ(tracker.image()[1], 100);

    boxes.clear();
    click(IDC_TONE_BOTH);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(eventually([&] { return tracker.tone() == SimulatedTracker::Tone::Both; }));
}

TEST_F(WindowWithTracker, ReadingTheTrackerEndsTheCalibrationWarning) {
    tracker.setImage(kDefaultImage);
    setText(IDC_CALIBRATION, "140");
    click(IDC_TONE_2200);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kCalibrationWarning});

    boxes.clear();
    click(IDC_READ_CONFIG);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{kReadSuccessful});
    EXPECT_EQ(text(IDC_CALIBRATION), "128");

    boxes.clear();
    click(IDC_TONE_STOP);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(WindowWithTracker, FifteenDigipeatersAreRefusedWithoutTouchingTheTracker) {
    const Image before = tracker.image();
    setText(IDC_DIGIPATH, "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O");
    click(IDC_WRITE_CONFIG);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(tracker.image(), before);
    EXPECT_EQ(text(IDC_DIGIPATH), "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O");  // left for the user to mend
}

// Every way of closing the window stops a tone it left on, on the port the tone went out on;
// with no tone on, closing sends nothing.
TEST_F(WindowWithTracker, ClosingStopsAToneLeftOnAndOtherwiseSendsNothing) {
    const std::function<void()> closings[] = {
        [&] { click(IDC_EXIT); },
        [&] { QTest::keyClick(&window, Qt::Key_Escape); },
        [&] { window.close(); },
    };
    for (const auto& close : closings) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        choosePort(tracker.devicePath());
        click(IDC_READ_VERSION);  // back at 9600 baud
        click(IDC_TONE_1200);
        ASSERT_TRUE(eventually([&] { return tracker.tone() == SimulatedTracker::Tone::Tone1200; }));
        // Another command since, on no port at all, which leaves the link at 2400 baud.
        choosePort("");
        click(IDC_READ_VERSION);
        boxes.clear();
        close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(eventually([&] { return tracker.tone() == SimulatedTracker::Tone::Off; }));
    }

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    choosePort(tracker.devicePath());
    click(IDC_TONE_2200);
    click(IDC_TONE_STOP);
    const std::size_t commands = tracker.commandCount();
    click(IDC_EXIT);
    EXPECT_FALSE(window.isVisible());
    // The tracker answers in order, so once it has answered this, it has heard all before it.
    std::array<char, 32> reply{};
    CTrackerLink probe;
    probe.setDeviceName(tracker.devicePath());
    ASSERT_FALSE(probe.identify(reply));
    EXPECT_EQ(tracker.commandCount(), commands + 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

// Each tone is kept with its port and speed: a stop on one port leaves the other's tone alone,
// and closing stops every tone still on at the speed it went out at.
TEST_F(WindowWithTracker, ClosingStopsTheToneOfEveryPortAtItsOwnSpeed) {
    SimulatedTracker slow(2400);
    ASSERT_TRUE(slow.start());
    click(IDC_TONE_1200);
    ASSERT_TRUE(eventually([&] { return tracker.tone() == Tone::Tone1200; }));
    choosePort(slow.devicePath());
    click(IDC_READ_VERSION);  // the link now runs at 2400 baud
    click(IDC_TONE_2200);
    ASSERT_TRUE(eventually([&] { return slow.tone() == Tone::Tone2200; }));
    click(IDC_TONE_STOP);
    ASSERT_TRUE(eventually([&] { return slow.tone() == Tone::Off; }));
    click(IDC_EXIT);
    EXPECT_TRUE(eventually([&] { return tracker.tone() == Tone::Off; }));
}

// A close whose stop cannot get through (another program has the port) keeps the window open
// and asks; trying again once the port is free stops the tone and closes.
TEST_F(WindowWithTracker, CloseWhoseStopFailsAsksAndTriesAgain) {
    click(IDC_TONE_1200);
    ASSERT_TRUE(eventually([&] { return tracker.tone() == Tone::Tone1200; }));
    const int other = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    boxes.clear();
    boxes.answers = {BoxAnswer::First};
    bool shownWithWindow = false;
    boxes.onBox = [&](const RecordedBox& box) {
        if (box.kind == BoxKind::Choice) {
            shownWithWindow = window.isVisible();
            ::close(other);
        }
    };
    click(IDC_EXIT);
    EXPECT_TRUE(shownWithWindow);
    EXPECT_EQ(boxes.boxes,
              (std::vector<RecordedBox>{
                  BoxRecorder::error("Count not aquire Com Port"),
                  BoxRecorder::choice("The tracker on " + tracker.devicePath() +
                                          " may still be transmitting: its test tone could not "
                                          "be stopped.",
                                      "Tone not stopped")}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(eventually([&] { return tracker.tone() == Tone::Off; }));
}

// A tone button whose command fails after the tone's code may have gone out leaves a tone the
// window must stop: closing tries, and asks when the stop cannot get through.
TEST_F(WindowWithTracker, ToneThatFailsAfterItsCodeIsStoppedOnClose) {
    // The line's number stays taken, so that the stop cannot reach another test's new line.
    const int keepNumber = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(keepNumber, 0);
    tracker.setFault(SimulatedTracker::Fault::VanishBeforeToneCode);
    click(IDC_TONE_1200);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{BoxRecorder::error("ComPort write failed")});
    boxes.clear();
    boxes.answers = {BoxAnswer::Second};
    click(IDC_EXIT);
    ::close(keepNumber);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes.back(),
              BoxRecorder::choice("The tracker on " + tracker.devicePath() +
                                      " may still be transmitting: its test tone could not "
                                      "be stopped.",
                                  "Tone not stopped"));
    EXPECT_FALSE(window.isVisible());
}

// The time limit (shortened here) stops a tone, and a box says why; pressing a tone button
// again starts the time afresh.
TEST_F(WindowWithTracker, ToneIsStoppedAtTheTimeLimitCountedFromTheLastPress) {
    constexpr std::chrono::milliseconds kLimit{1000};
    window.setToneTimeLimit(kLimit);
    click(IDC_TONE_1200);
    QTest::qWait(500);
    QElapsedTimer clock;
    clock.start();
    click(IDC_TONE_2200);
    ASSERT_TRUE(eventually([&] { return tracker.tone() == Tone::Off; }, 5000));
    EXPECT_GE(clock.elapsed(), kLimit.count());
    EXPECT_TRUE(eventually([&] { return !boxes.boxes.empty(); }));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Tone stopped");
    EXPECT_TRUE(boxes.boxes[0].text.starts_with("The test tone on " + tracker.devicePath() +
                                                " was stopped after 3 minutes"));
}

// A signal (a logout, a terminal closed) to the window as it runs for a user: a write under way
// runs to the end of its check, a tone the window started is stopped, and then the program
// ends by the signal.
TEST_F(WindowWithTracker, SignalEndsTheProgramAfterTheWriteAndWithTheToneStopped) {
    const auto signalWhen = [&](const char* button, const std::function<bool()>& underWay) {
        QProcess program;
        program.setChildProcessModifier([] { ::signal(SIGTERM, SIG_DFL); });
        startBuiltProgram(
            program, QCoreApplication::applicationFilePath(),
            {"--click", QString::fromStdString("port=" + tracker.devicePath()), button});
        ASSERT_TRUE(eventually(underWay, 10'000)) << button;
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(10'000));
        EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << button;
        EXPECT_EQ(program.exitCode(), SIGTERM) << button;
    };
    tracker.setImage(Image{});
    signalWhen("IDC_WRITE_CONFIG", [&] { return tracker.commandCount() == 2; });  // uploading
    EXPECT_EQ(tracker.image(), kDefaultImage);
    EXPECT_EQ(tracker.commandCount(), 3u);  // and the download that checks it
    signalWhen("IDC_TONE_1200", [&] { return tracker.tone() == Tone::Tone1200; });
    EXPECT_EQ(tracker.tone(), Tone::Off);
}

TEST_F(WindowWithTracker, DisagreeingDownloadsShowReadFailedAndKeepTheFields) {
    tracker.setFault(SimulatedTracker::Fault::DifferingDownloads);
    setText(IDC_CALLSIGN, "KEEPME");
    click(IDC_READ_CONFIG);
    EXPECT_EQ(boxes.boxes,
              std::vector<RecordedBox>{BoxRecorder::info("Read Failed", "CorvennaII Read")});
    EXPECT_EQ(text(IDC_CALLSIGN), "KEEPME");
    EXPECT_EQ(text(IDC_TXD), "250");
}

TEST_F(WindowWithSlowTracker, IsFoundAt2400AndTheTonesFollowAtThatSpeed) {
    click(IDC_READ_VERSION);
    EXPECT_EQ(boxes.boxes, std::vector<RecordedBox>{BoxRecorder::info(
                               tracker.version().substr(0, 29), "CorvennaII Version")});
    EXPECT_EQ(window.baudRate(), 2400);

    boxes.clear();
    click(IDC_TONE_2200);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(eventually([&] { return tracker.tone() == SimulatedTracker::Tone::Tone2200; }));
}

}  // namespace
