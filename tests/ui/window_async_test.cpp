// What fires while a box is up (the time limit of a tone, a signal, a close) against the command
// that waits behind the box, with simulated trackers on three ports: A and B at 9600 baud, a slow
// one at 2400. The waiting command still goes to its own tracker, and no tone stays on.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QProcess>

#include <chrono>
#include <csignal>
#include <functional>
#include <memory>

#include "built_program.h"
#include "simulated_tracker.h"
#include "tone_stop.h"
#include "window_fixture.h"

namespace {

using Tone = SimulatedTracker::Tone;
constexpr std::chrono::milliseconds kShortLimit{1500};
const std::string kRefused = "Count not aquire Com Port";

// Another program's flock() on a device, until released.
class OtherProgramsLock {
  public:
    explicit OtherProgramsLock(const std::string& device)
        : fd_(::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
    }
    ~OtherProgramsLock() { release(); }
    void release() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_;
};

class WindowWithTrackers : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(a.start());
        ASSERT_TRUE(b.start());
        ASSERT_TRUE(slow.start());
    }
    void toneOn(const SimulatedTracker& tracker, ControlId button, Tone tone) {
        choosePort(tracker.devicePath());
        click(button);
        ASSERT_TRUE(eventually([&] { return tracker.tone() == tone; }));
    }
    // Runs the action when a box of that text comes up, inside it, as it comes.
    void whenBox(const std::string& text, std::function<void()> action) {
        boxes.onBox = [this, text, action = std::move(action)](const RecordedBox& box) {
            if (box.text == text && action) {
                const auto once = action;
                boxes.onBox = {};
                once();
            }
        };
    }
    bool timedOutInside(const SimulatedTracker& tracker) {
        return eventually([&] { return tracker.tone() == Tone::Off; }, 5000);
    }
    std::string stoppedText(const SimulatedTracker& tracker) const {
        return "The test tone on " + tracker.devicePath() +
               " was stopped after 3 minutes, as a transmitter should not stay keyed longer. "
               "Press the tone button again for another 3 minutes.";
    }

    SimulatedTracker a, b, slow{2400};
};

const std::string kCalibrationWarning =
    "New Calibration value should be written before Testing Tones";

// A's tone times out while a box of a command on another port is up; that command then goes on
// to its own port, at its own speed.
TEST_F(WindowWithTrackers, ToneTimeOutInsideABoxLeavesTheWaitingCommandItsTracker) {
    window.setToneTimeLimit(kShortLimit);

    // The first failure of a search on the slow tracker's port, held by another program then.
    toneOn(a, IDC_TONE_1200, Tone::Tone1200);
    OtherProgramsLock held(slow.devicePath());
    choosePort(slow.devicePath());
    whenBox(kRefused, [&] {
        held.release();
        EXPECT_TRUE(timedOutInside(a));
    });
    click(IDC_READ_VERSION);
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{kRefused, stoppedText(a), slow.version().substr(0, 29)}));
    EXPECT_EQ(window.baudRate(), 2400);

    // The box of a close whose stop on B fails (after its tries): A's time-out comes inside it,
    // and the stop tried again goes to B. The tones are stopped in the order they were first
    // started, B first. The limit outlasts the tries, so that A's time runs out in the box.
    boxes.clear();
    window.setToneTimeLimit(tone_stop::kRetryTime + kShortLimit);
    choosePort(b.devicePath());
    click(IDC_READ_VERSION);  // 9600 again
    toneOn(b, IDC_TONE_2200, Tone::Tone2200);
    toneOn(a, IDC_TONE_1200, Tone::Tone1200);
    QTest::qWait(static_cast<int>((tone_stop::kRetryTime + kShortLimit).count()) / 2);
    toneOn(b, IDC_TONE_2200, Tone::Tone2200);  // B's time runs afresh, after A's
    OtherProgramsLock stopRefused(b.devicePath());
    boxes.clear();
    boxes.answers = {BoxAnswer::First};
    whenBox("The tracker on " + b.devicePath() +
                " may still be transmitting: its test tone could not be stopped.",
            [&] {
                EXPECT_TRUE(timedOutInside(a));
                EXPECT_EQ(b.tone(), Tone::Tone2200);
                stopRefused.release();
            });
    click(IDC_EXIT);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(a.tone(), Tone::Off);
    EXPECT_EQ(b.tone(), Tone::Off);
    ASSERT_EQ(boxes.boxes.size(), 3u);
    EXPECT_EQ(boxes.boxes[1].kind, BoxKind::Choice);
    EXPECT_EQ(boxes.boxes[2].text, stoppedText(a));

    // The calibration warning of a tone on B (last, as the warning then comes before every tone).
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    boxes.clear();
    boxes.onBox = {};
    window.setToneTimeLimit(kShortLimit);
    toneOn(a, IDC_TONE_1200, Tone::Tone1200);
    choosePort(b.devicePath());
    setText(IDC_CALIBRATION, "100");
    whenBox(kCalibrationWarning, [&] { EXPECT_TRUE(timedOutInside(a)); });
    click(IDC_TONE_2200);
    EXPECT_TRUE(eventually([&] { return b.tone() == Tone::Tone2200; }));
    EXPECT_EQ(a.tone(), Tone::Off);
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{kCalibrationWarning, stoppedText(a)}));
    click(IDC_EXIT);
    EXPECT_EQ(b.tone(), Tone::Off);
}

// A close that the system asks for while a command's box is up waits for the command: the tone
// that command then starts is stopped with the others.
TEST_F(WindowWithTrackers, CloseInsideABoxWaitsForTheCommandAndStopsItsToneToo) {
    toneOn(a, IDC_TONE_1200, Tone::Tone1200);
    choosePort(b.devicePath());
    setText(IDC_CALIBRATION, "100");
    whenBox(kCalibrationWarning, [&] {
        window.close();
        EXPECT_EQ(a.tone(), Tone::Tone1200);
    });
    click(IDC_TONE_2200);
    EXPECT_TRUE(eventually([&] { return !window.isVisible(); }));
    EXPECT_EQ(a.tone(), Tone::Off);
    EXPECT_EQ(b.tone(), Tone::Off);
    EXPECT_GE(b.commandCount(), 2u);  // its tone, then the stop
}

// A tone found at 2400 baud is stopped at 2400 by the close and by the time limit, though the
// window has since found a tracker at 9600.
TEST_F(WindowWithTrackers, ToneFoundAt2400IsStoppedAt2400ByCloseAndTimeLimit) {
    for (const bool timeOut : {false, true}) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.setToneTimeLimit(timeOut ? kShortLimit : CConfigDlg::kToneTimeLimit);
        choosePort(slow.devicePath());
        click(IDC_READ_VERSION);
        toneOn(slow, IDC_TONE_1200, Tone::Tone1200);
        choosePort(a.devicePath());
        click(IDC_READ_VERSION);
        ASSERT_EQ(window.baudRate(), 9600);
        if (!timeOut)
            click(IDC_EXIT);
        EXPECT_TRUE(eventually([&] { return slow.tone() == Tone::Off; }, 5000)) << timeOut;
        EXPECT_EQ(window.isVisible(), timeOut);
    }
}

// A signal while a box is up, to the window as it runs for a user with real boxes: the tones
// are stopped, each at its own port and speed, and the program ends by the signal at once.
TEST_F(WindowWithTrackers, SignalInsideEachKindOfBoxStopsEveryToneAndEnds) {
    const auto port = [](const SimulatedTracker& t) {
        return QString::fromStdString("port=" + t.devicePath());
    };
    struct Case {
        const char* what;
        QStringList steps;
        std::string boxText;            // the signal comes while this box is up
        std::function<void()> started;  // once the program runs
        std::function<void()> whileUp;  // while the box is up, before the signal
    };
    std::unique_ptr<OtherProgramsLock> held;
    const Case cases[] = {
        {"calibration warning",
         {port(a), "IDC_TONE_1200", port(b), "IDC_CALIBRATION=100", "IDC_TONE_2200"},
         kCalibrationWarning,
         {},
         {}},
        {"first failure of a search",
         {port(a), "IDC_TONE_1200", "sleep=500", port(slow), "IDC_READ_VERSION"},
         kRefused,
         [&] {
             ASSERT_TRUE(eventually([&] { return a.tone() == Tone::Tone1200; }, 5000));
             held = std::make_unique<OtherProgramsLock>(slow.devicePath());
         },
         {}},
        {"failed stop's choice box",
         {port(b), "IDC_TONE_2200", port(a), "IDC_TONE_1200", "sleep=1000", "answered=1",
          "IDC_EXIT"},
         "The tracker on " + b.devicePath() +
             " may still be transmitting: its test tone could not be stopped.",
         [&] {
             ASSERT_TRUE(eventually([&] { return a.tone() == Tone::Tone1200; }, 5000));
             held = std::make_unique<OtherProgramsLock>(b.devicePath());
         },
         [&] { held.reset(); }},
        {"tone at 2400 baud",
         {"answered=2", port(slow), "IDC_READ_VERSION", "IDC_TONE_1200", port(a),
          "IDC_READ_VERSION", "port=", "IDC_READ_VERSION"},
         "Invalid Com Port Number",
         {},
         {}},
    };
    for (const Case& c : cases) {
        QProcess program;
        program.setChildProcessModifier([] { ::signal(SIGTERM, SIG_DFL); });
        startBuiltProgram(program, QCoreApplication::applicationFilePath(),
                          QStringList{"--click"} + c.steps);
        if (c.started)
            c.started();
        QByteArray shown;
        const QByteArray awaited = QByteArray("box: ") + c.boxText.c_str() + "\n";
        ASSERT_TRUE(eventually(
            [&] {
                shown += program.readAllStandardOutput();
                return shown.contains(awaited);
            },
            15'000))
            << c.what << ": " << shown.toStdString();
        if (c.whileUp)
            c.whileUp();
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(10'000)) << c.what;
        held.reset();
        EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << c.what;
        EXPECT_EQ(program.exitCode(), SIGTERM) << c.what;
        for (const SimulatedTracker* tracker : {&a, &b, &slow})
            EXPECT_EQ(tracker->tone(), Tone::Off) << c.what << " " << tracker->devicePath();
    }
}

}  // namespace
