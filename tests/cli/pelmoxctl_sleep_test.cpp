// pelmoxctl and the computer going to sleep, against a stand-in logind on a private system bus
// (logind_stand_in.h) and the simulated tracker: a timed tone goes off before sleep, a write and
// its check keep sleep waiting, and where there is no logind --verbose says so.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

#include <memory>
#include <optional>

#include "built_program.h"
#include "eventually.h"
#include "logind_stand_in.h"
#include "simulated_tracker.h"

namespace {

using Tone = SimulatedTracker::Tone;

constexpr int kDone = 0, kStoppedForSleep = 5;

class PelmoxctlSleepTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (privateBus().address().isEmpty())
            GTEST_SKIP() << "no dbus-daemon to run a private system bus with";
        ASSERT_TRUE(tracker.start());
        ASSERT_TRUE(dir.isValid());
    }

    // pelmoxctl on the tracker's port, with the private bus as its system bus.
    std::unique_ptr<QProcess> start(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", privateBus().address());
        environment.insert("XDG_STATE_HOME", dir.filePath("state"));
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        startBuiltProgram(
            *process, PELMOXCTL_PATH,
            QStringList{"--port", QString::fromStdString(tracker.devicePath())} + arguments);
        return process;
    }
    // Runs the event loop meanwhile, so that the stand-in answers.
    static bool ends(QProcess& process) {
        return eventually([&] { return process.state() == QProcess::NotRunning; }, 30'000);
    }

    QString imageFile() {
        QFile file(dir.filePath("image.img"));
        const SimulatedTracker::Image image = tracker.image();
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(image.data()), image.size());
        return file.fileName();
    }

    // A tracker that answers at 2400 baud only: a stop sent at any other speed goes unheard.
    SimulatedTracker tracker{2400};
    QTemporaryDir dir;
};

// tone --for holds sleep off from before the tone's code; when sleep comes, the tone is stopped
// at its own speed before the inhibitor goes, and after waking pelmoxctl says so and ends with
// 5, without keying the transmitter again.
TEST_F(PelmoxctlSleepTest, TimedToneGoesOffBeforeSleepAndStaysOffAfterWaking) {
    LogindStandIn logind(privateBus().address());
    ASSERT_TRUE(logind.serving());
    const auto tone = start({"tone", "1200", "--for", "30"});
    ASSERT_TRUE(eventually([&] { return tracker.tone() == Tone::Tone1200; }, 10'000));
    EXPECT_EQ(logind.inhibits(), 1u);
    EXPECT_TRUE(logind.held());

    const std::size_t commands = tracker.commandCount();
    logind.prepareForSleep(true);
    ASSERT_TRUE(eventually([&] { return !logind.held(); }, 10'000));
    EXPECT_EQ(tracker.tone(), Tone::Off);
    EXPECT_EQ(tracker.commandCount(), commands + 2);  // the stop, and the stop before a tone code
    EXPECT_FALSE(eventually([&] { return tone->state() == QProcess::NotRunning; }, 300));

    logind.prepareForSleep(false);
    ASSERT_TRUE(ends(*tone));
    EXPECT_EQ(tone->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tone->exitCode(), kStoppedForSleep);
    EXPECT_EQ(tone->readAllStandardError(),
              "pelmoxctl: stopped the tone before the computer went to sleep; it stays off\n");
    EXPECT_EQ(tracker.commandCount(), commands + 2);
    EXPECT_EQ(logind.inhibits(), 1u);
}

// A write holds sleep off from before the upload's first byte until its check has been read.
TEST_F(PelmoxctlSleepTest, WriteHoldsSleepOffFromTheUploadToTheEndOfItsCheck) {
    LogindStandIn logind(privateBus().address());
    ASSERT_TRUE(logind.serving());
    const std::size_t before = tracker.commandCount();
    const auto writing = start({"write", "--no-backup", "--image", imageFile()});
    // The identify, the upload and the download that checks it: whether the inhibitor was
    // held as each was heard.
    std::optional<bool> heldAtUpload, heldAtCheck;
    ASSERT_TRUE(eventually(
        [&] {
            const std::size_t done = tracker.commandCount() - before;
            if (done >= 2 && !heldAtUpload)
                heldAtUpload = logind.held();
            if (done >= 3 && !heldAtCheck)
                heldAtCheck = logind.held();
            return writing->state() == QProcess::NotRunning;
        },
        30'000));
    EXPECT_EQ(writing->exitCode(), kDone) << writing->readAllStandardError().toStdString();
    EXPECT_EQ(tracker.commandCount(), before + 3);
    EXPECT_EQ(heldAtUpload, true);
    EXPECT_EQ(heldAtCheck, true);
    EXPECT_EQ(logind.inhibits(), 1u);
    EXPECT_FALSE(logind.held());
}

// A system bus without logind: sleep cannot wait, which --verbose says once, and the commands
// work as ever; without --verbose nothing is said.
TEST_F(PelmoxctlSleepTest, WithoutLogindVerboseSaysSoOnce) {
    const QString noLogind =
        "pelmoxctl: No sleep watch: logind does not answer on the system bus; the computer may "
        "sleep while a tone is on or a write runs.\n";
    for (const bool verbose : {true, false}) {
        const QStringList option = verbose ? QStringList{"--verbose"} : QStringList{};
        const auto tone = start(option + QStringList{"tone", "both", "--for", "1"});
        ASSERT_TRUE(ends(*tone));
        EXPECT_EQ(tone->exitCode(), kDone);
        EXPECT_EQ(tone->readAllStandardError(), verbose ? noLogind : "");
        EXPECT_EQ(tracker.tone(), Tone::Off);

        const auto writing =
            start(option + QStringList{"write", "--no-backup", "--quiet", "--image", imageFile()});
        ASSERT_TRUE(ends(*writing));
        EXPECT_EQ(writing->exitCode(), kDone);
        EXPECT_EQ(writing->readAllStandardError(), verbose ? noLogind : "");
    }
}

}  // namespace
