// Every way a window's tone can end, each with no box up, with the box of a command on the tone's
// own device up (that command holding the port), and with the box of a command on another device
// up. Tracker A has the tone at 9600 baud; every column has a search end at 2400 before or while
// the tone is ended, so a tracker that goes quiet has heard its stop at the tone's own speed.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QProcess>

#include <chrono>
#include <csignal>
#include <functional>

#include "built_program.h"
#include "process_state.h"
#include "simulated_tracker.h"
#include "window_fixture.h"

namespace {

// A group of its own, whose parent (this test) is in another group of the same session: the
// system throws away a stop signal sent to an orphaned group (as the tests' group may be under a
// harness without job control), and Ctrl+Z is to be tried as a shell's job has it.
void ownProcessGroup() {
    ::setpgid(0, 0);
}

using Tone = SimulatedTracker::Tone;
using Fault = SimulatedTracker::Fault;
constexpr std::chrono::milliseconds kShortLimit{1500};
const std::string kNotFound = "Pelmox Not Found";

// Where the tone ends: the search ends at 2400 each time, as the tracker answers without its
// blank. "None": a failed search on B before; the others: a search that holds its port behind
// its "Pelmox Not Found" box.
enum class Column { None, SameDevice, OtherDevice };
constexpr Column kColumns[] = {Column::None, Column::SameDevice, Column::OtherDevice};
const char* name(Column c) {
    return c == Column::None ? "no box" : c == Column::SameDevice ? "box on A" : "box on B";
}

class ToneEndTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(a.start());
        ASSERT_TRUE(b.start());
    }
    std::string port(const SimulatedTracker& t) const { return t.devicePath(); }

    // A's tone, then the column's command, with the way run with no box or inside the box.
    void endTone(Column column, const std::function<void()>& way) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        a.setFault(Fault::None);
        choosePort(port(a));
        click(IDC_READ_VERSION);  // 9600 again, after the last column's search
        click(IDC_TONE_1200);
        ASSERT_TRUE(eventually([&] { return a.tone() == Tone::Tone1200; }));
        SimulatedTracker& searched = column == Column::SameDevice ? a : b;
        searched.setFault(Fault::NoBlank);
        choosePort(port(searched));
        if (column == Column::None) {
            click(IDC_READ_VERSION);
            ASSERT_EQ(window.baudRate(), 2400);
            way();
            return;
        }
        boxes.onBox = [&](const RecordedBox& box) {
            if (box.text != kNotFound)
                return;
            boxes.onBox = {};
            way();
        };
        click(IDC_READ_CONFIG);
    }

    SimulatedTracker a, b;
};

TEST_F(ToneEndTest, EachWayInTheWindowStopsTheToneAtItsOwnSpeed) {
    struct Way {
        const char* what;
        std::function<void()> run;
        std::string boxAfter;  // the text the window then shows, if any
    };
    const std::string timedOut = "The test tone on " + port(a) + " was stopped after 3 minutes";
    const std::string slept =
        "The computer went to sleep. Before it slept, PelmoxConfig "
        "switched off the test tones on: " +
        port(a) + ".";
    const Way ways[] = {
        {"Stop Sending",
         [&] {
             choosePort(port(a));
             click(IDC_TONE_STOP);
         },
         {}},
        {"time-out",
         [&] {
             window.setToneTimeLimit(kShortLimit);
             EXPECT_TRUE(eventually([&] { return a.tone() == Tone::Off; }, 5000));
         },
         timedOut},
        {"close", [&] { window.close(); }, {}},
        {"sleep",
         [&] {
             window.guard().sleepComing();
             EXPECT_EQ(a.tone(), Tone::Off);
         },
         slept},
    };
    for (const Way& way : ways) {
        for (const Column column : kColumns) {
            boxes.clear();
            window.setToneTimeLimit(CConfigDlg::kToneTimeLimit);
            endTone(column, way.run);
            EXPECT_TRUE(eventually([&] { return a.tone() == Tone::Off; }, 5000))
                << way.what << ", " << name(column);
            if (!way.boxAfter.empty()) {
                EXPECT_TRUE(eventually([&] {
                    for (const RecordedBox& box : boxes.boxes) {
                        if (box.text.starts_with(way.boxAfter))
                            return true;
                    }
                    return false;
                })) << way.what
                    << ", " << name(column);
            }
            for (const RecordedBox& box : boxes.boxes)
                EXPECT_NE(box.caption, "Tone not stopped") << way.what << ", " << name(column);
            EXPECT_FALSE(window.guard().needsAwake()) << way.what << ", " << name(column);
        }
    }
}

// A tone command or a stop that another program's hold keeps from going out leaves the tone known
// as on (the stop tried for a while, and the user told): the close stops it once the port is free.
TEST_F(ToneEndTest, AStopThatDidNotGoOutLeavesTheToneToBeStoppedLater) {
    choosePort(port(a));
    click(IDC_TONE_1200);
    ASSERT_TRUE(eventually([&] { return a.tone() == Tone::Tone1200; }));
    const int other = ::open(port(a).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    click(IDC_TONE_2200);
    click(IDC_TONE_STOP);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>(2, "Count not aquire Com Port"));
    EXPECT_EQ(a.tone(), Tone::Tone1200);
    EXPECT_TRUE(window.guard().needsAwake());
    ::close(other);
    click(IDC_EXIT);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(a.tone(), Tone::Off);
}

// The window as it runs for a user, ended or paused from outside: by a signal, by Ctrl+Z, by the
// end of the session (as Windows tells it). A paused program has its tone off while it is
// stopped, and once continued says which tones it stopped.
TEST_F(ToneEndTest, EachWayFromOutsideStopsTheToneAtItsOwnSpeed) {
    const auto portStep = [](const SimulatedTracker& t) {
        return QString::fromStdString("port=" + t.devicePath());
    };
    enum { kSignal, kCtrlZ, kSessionEnd };
    const struct {
        const char* what;
        int kind;
        int signal;
    } ways[] = {
        {"SIGTERM", kSignal, SIGTERM},
        {"SIGHUP", kSignal, SIGHUP},
        {"SIGTSTP", kCtrlZ, SIGTSTP},
        {"session end", kSessionEnd, SIGTERM},
    };
    const std::string paused =
        "box: PelmoxConfig was paused (Ctrl+Z). Before it paused, it "
        "switched off the test tones on: " +
        port(a) + ".\n";
    for (const auto& way : ways) {
        for (const Column column : kColumns) {
            const std::string what = std::string(way.what) + ", " + name(column);
            a.setFault(column == Column::SameDevice ? Fault::NoBlank : Fault::None);
            b.setFault(Fault::NoBlank);
            const SimulatedTracker& searched = column == Column::SameDevice ? a : b;
            QStringList steps{portStep(a), "IDC_TONE_1200", portStep(searched)};
            const QString sessionEnd =
                "sessionEndIn=" + QString(column == Column::None ? "1500" : "2500");
            if (column == Column::None) {
                steps << "answered=1"
                      << "IDC_READ_VERSION";
                if (way.kind == kSessionEnd)
                    steps << sessionEnd;
            } else {
                if (way.kind == kSessionEnd)
                    steps << sessionEnd;
                steps << "IDC_READ_CONFIG";
            }
            QProcess program;
            program.setChildProcessModifier([] {
                for (const int s : {SIGTERM, SIGHUP, SIGTSTP})
                    ::signal(s, SIG_DFL);
                ownProcessGroup();
            });
            startBuiltProgram(program, QCoreApplication::applicationFilePath(),
                              QStringList{"--click"} + steps);
            QByteArray shown;
            const auto showsBox = [&](const std::string& line) {
                return eventually(
                    [&] {
                        shown += program.readAllStandardOutput();
                        return shown.contains(QByteArray::fromStdString(line));
                    },
                    15'000);
            };
            ASSERT_TRUE(showsBox("box: " + kNotFound + "\n"))
                << what << ": " << shown.toStdString();
            if (column == Column::None)
                QTest::qWait(300);  // the box answered, the window idle again
            ASSERT_EQ(a.tone(), Tone::Tone1200) << what;
            const auto pid = static_cast<pid_t>(program.processId());
            if (way.kind != kSessionEnd)
                ::kill(pid, way.signal);
            if (way.kind == kCtrlZ) {
                ASSERT_TRUE(eventually([&] { return processState(pid) == 'T'; }, 10'000)) << what;
                EXPECT_EQ(a.tone(), Tone::Off) << what;
                ::kill(pid, SIGCONT);
                EXPECT_TRUE(showsBox(paused)) << what << ": " << shown.toStdString();
                EXPECT_EQ(a.tone(), Tone::Off) << what;
                ::kill(pid, SIGTERM);
            }
            ASSERT_TRUE(program.waitForFinished(15'000)) << what;
            EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << what;
            EXPECT_EQ(program.exitCode(), way.kind == kSignal ? way.signal : SIGTERM) << what;
            EXPECT_EQ(a.tone(), Tone::Off) << what;
        }
    }
}

// Ctrl+Z while a tone cannot be stopped (another program holds its port): the window does not
// pause with the transmitter keyed, but goes on and says that the tone may still be on.
TEST_F(ToneEndTest, CtrlZDoesNotPauseWhileAToneMayStillBeOn) {
    QProcess program;
    program.setChildProcessModifier([] {
        ::signal(SIGTSTP, SIG_DFL);
        ownProcessGroup();
    });
    startBuiltProgram(program, QCoreApplication::applicationFilePath(),
                      {"--click", QString::fromStdString("port=" + port(a)), "IDC_TONE_1200"});
    ASSERT_TRUE(eventually([&] { return a.tone() == Tone::Tone1200; }, 10'000));
    const int other = ::open(port(a).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    // Once the window's tone command has let the port go.
    ASSERT_TRUE(eventually([&] { return ::flock(other, LOCK_EX | LOCK_NB) == 0; }));
    const auto pid = static_cast<pid_t>(program.processId());
    ::kill(pid, SIGTSTP);
    QByteArray shown;
    const QByteArray mayBeOn = QByteArray::fromStdString(
        "box: The tracker on " + port(a) +
        " may still be transmitting: its test tone could not be stopped.\n");
    EXPECT_TRUE(eventually(
        [&] {
            shown += program.readAllStandardOutput();
            return shown.contains(mayBeOn);
        },
        15'000))
        << shown.toStdString();
    EXPECT_NE(processState(pid), 'T');
    ::close(other);
    program.kill();
    program.waitForFinished(10'000);
}

}  // namespace
