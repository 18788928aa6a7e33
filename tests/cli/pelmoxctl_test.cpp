// pelmoxctl run as a process, as a script would run it, against the simulated tracker: what it
// prints, what the tracker ends up storing, and its exit status.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>

#include "built_program.h"
#include "codec_messages.h"
#include "config_image.h"
#include "simulated_tracker.h"
#include "tracker_record.h"
#include "worked_example.h"

namespace {

using Image = SimulatedTracker::Image;

constexpr int kDone = 0, kDeviceFailed = 1, kBadInput = 2;

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// Runs pelmoxctl with PELMOX_PORT set to port, or unset when port is empty.
Outcome pelmoxctl(const QStringList& arguments, const QString& port = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("PELMOX_PORT");
    if (!port.isEmpty())
        environment.insert("PELMOX_PORT", port);
    QProcess process;
    process.setProcessEnvironment(environment);
    startBuiltProgram(process, PELMOXCTL_PATH, arguments);
    process.waitForFinished(60'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray defaultImageBytes() {
    return QByteArray(reinterpret_cast<const char*>(kDefaultImage.data()), kDefaultImage.size());
}

Image encoded(const RecordValues& values) {
    std::array<std::uint8_t, 200> buffer{};
    EXPECT_EQ(ConfigImage::encode(makeRecord(values), buffer), ConfigImage::kSize);
    Image image{};
    std::copy_n(buffer.begin(), image.size(), image.begin());
    return image;
}

// Every setting away from the defaults, with a keyup delay and a quiet time on steps that the
// window's rounding would move one step up when written again (1 -> 7 ms, 2 -> 53 ms).
constexpr RecordValues kOwnSettings{
    "DL1ABC-9", "WIDE1-1,WIDE2-1", "Wx at the lake", 77, CTrackerConfig::kModePeet, 1, 5, 300, 40};

class PelmoxctlTest : public ::testing::Test {
  protected:
    explicit PelmoxctlTest(int trackerBaud = 9600) : tracker(trackerBaud) {}

    void SetUp() override {
        ASSERT_TRUE(tracker.start());
        ASSERT_TRUE(dir.isValid());
    }

    Outcome run(QStringList arguments) {
        return pelmoxctl(QStringList{"--port", QString::fromStdString(tracker.devicePath())} +
                         arguments);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QString file(const QString& name, const QByteArray& contents) const {
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(contents);
        return path(name);
    }

    QByteArray contents(const QString& name) const {
        QFile in(path(name));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    SimulatedTracker tracker;
    QTemporaryDir dir;
};

class SlowTrackerTest : public PelmoxctlTest {
  protected:
    SlowTrackerTest() : PelmoxctlTest(2400) {}
};

TEST_F(PelmoxctlTest, BackupRestoresTheDefaultsExactly) {
    const Outcome read =
        run({"read", "--output", path("backup.toml"), "--image", path("backup.img")});
    EXPECT_EQ(read.status, kDone) << read.err.toStdString();
    EXPECT_EQ(contents("backup.toml"),
              "# Tracker version: Pelmox II v1.23 WX\n"
              "callsign = \"NOCALL\"\ndigi_path = \"WIDE3-3\"\nstatus_text = \"PelmoxII\"\n"
              "status_every = 3\nstation = \"WX200/WM918\"\nkeyup_delay_ms = 253\n"
              "transmit_interval_s = 60\nquiet_time_ms = 1525\ncalibration = 128\n");
    EXPECT_EQ(contents("backup.img"), defaultImageBytes());

    tracker.setImage(encoded(kOwnSettings));
    const Outcome write = run({"write", path("backup.toml")});
    EXPECT_EQ(write.status, kDone) << write.err.toStdString();
    EXPECT_EQ(tracker.image(), kDefaultImage);
    EXPECT_TRUE(write.out.contains("keyup_delay_ms = 253\n")) << write.out.toStdString();
    EXPECT_TRUE(write.out.contains("quiet_time_ms = 1525\n"));

    tracker.setImage(encoded(kOwnSettings));
    EXPECT_EQ(run({"write", "--image", path("backup.img")}).status, kDone);
    EXPECT_EQ(tracker.image(), kDefaultImage);
}

// Keys the file lacks keep the tracker's own values to the byte, timing steps included.
TEST_F(PelmoxctlTest, PartialFileChangesOnlyItsKeys) {
    tracker.setImage(encoded(kOwnSettings));
    const Outcome write = run({"write", file("call.toml", "callsign = \"N0CALL\"\n")});
    EXPECT_EQ(write.status, kDone) << write.err.toStdString();
    RecordValues expected = kOwnSettings;
    expected.callsign = "N0CALL";
    EXPECT_EQ(tracker.image(), encoded(expected));
    EXPECT_TRUE(
        write.err.contains("kept the tracker's own digi_path, status_text, status_every, "
                           "station, keyup_delay_ms, transmit_interval_s, quiet_time_ms, "
                           "calibration (not in " +
                           path("call.toml") + ")"))
        << write.err.toStdString();
}

TEST_F(PelmoxctlTest, OverlongStatusTextIsCutWithTheWindowsNoticeAndWritten) {
    const Outcome write =
        run({"write", file("long.toml",
                           "status_text = \"" + QByteArray(120, 'x') + "\"\ndigi_path = \"\"\n")});
    EXPECT_EQ(write.status, kDone) << write.err.toStdString();
    EXPECT_TRUE(write.err.contains(QString::fromLatin1(CodecMessages::kStatusTruncated.data())));
    // No digipeaters leave room for 101 characters.
    EXPECT_TRUE(write.out.contains("status_text = \"" + QString(101, 'x') + "\"\n"));
}

// Each kind of bad input: a message naming the file and what is wrong, exit status 2, and not
// one command to the tracker.
TEST_F(PelmoxctlTest, BadInputIsRefusedBeforeAnythingIsSent) {
    QByteArray undecodable = defaultImageBytes();
    undecodable[0] = char(125);  // the station addresses would start past the end
    const struct {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{"write", file("typo.toml", "callsing = \"N0CALL\"\n")}, "typo.toml:1: unknown key"},
        {{"write", file("type.toml", "calibration = \"128\"\n")},
         "type.toml:1: calibration must be a whole number from 0 to 255"},
        {{"write", file("bad.toml", "callsign = \"N0CALL\n")}, "bad.toml:1: not a valid"},
        {{"write", path("missing.toml")}, "missing.toml: cannot read"},
        {{"write", file("euro.toml", "status_text = \"5 \xE2\x82\xAC\"\n")}, "U+20AC"},
        {{"write", file("cal.toml", "calibration = 256\n")}, "calibration = 256 is out of range"},
        {{"write", file("every.toml", "status_every = -1\n")}, "status_every = -1 is out"},
        {{"write", file("txi.toml", "transmit_interval_s = 65536\n")}, "from 0 to 65535"},
        {{"write", file("txd.toml", "keyup_delay_ms = -1\n")}, "keyup_delay_ms = -1 is out"},
        {{"write", file("quiet.toml", "quiet_time_ms = -5\n")}, "quiet_time_ms = -5 is out"},
        {{"write", file("digis.toml", "digi_path = \"A,B,C,D,E,F,G,H,I,J,K,L,M,N,O\"\n")},
         "digi_path has 15 digipeaters, but the tracker holds at most 14"},
        {{"write", "--image", file("short.img", undecodable.left(127))},
         "short.img: an image file holds exactly 128 bytes, this one has 127"},
        {{"write", "--image", file("damaged.img", undecodable)},
         "damaged.img: not a configuration image"},
        {{"tone", "1300"}, "usage: pelmoxctl [--port DEVICE] tone"},
        {{"write"}, "usage: pelmoxctl [--port DEVICE] write"},
        {{}, "no command given"},
    };
    for (const auto& c : cases) {
        const Outcome refused = run(c.arguments);
        EXPECT_EQ(refused.status, kBadInput) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(c.message)) << refused.err.toStdString();
    }
    const Outcome noPort = pelmoxctl({"version"});
    EXPECT_EQ(noPort.status, kBadInput);
    EXPECT_TRUE(noPort.err.contains("give --port DEVICE or set PELMOX_PORT"));
    EXPECT_TRUE(noPort.err.contains("serial ports")) << noPort.err.toStdString();
    EXPECT_EQ(tracker.commandCount(), 0u);
    EXPECT_EQ(tracker.image(), kDefaultImage);
}

TEST_F(PelmoxctlTest, PortAndTrackerFailuresExitWithOne) {
    const Outcome noDevice = pelmoxctl({"--port", path("no-such-port"), "version"});
    EXPECT_EQ(noDevice.status, kDeviceFailed);
    EXPECT_EQ(noDevice.err,
              "pelmoxctl: Count not aquire Com Port\n"
              "pelmoxctl: Count not aquire Com Port\n"
              "pelmoxctl: Pelmox Not Found\n");

    tracker.setFault(SimulatedTracker::Fault::Silent);
    const Outcome silent = run({"read", "--output", file("keep.toml", "callsign = \"OLD\"\n")});
    EXPECT_EQ(silent.status, kDeviceFailed);
    EXPECT_EQ(silent.err, "pelmoxctl: Pelmox Not Found\n");
    // A failed read leaves an earlier backup as it was.
    EXPECT_EQ(contents("keep.toml"), "callsign = \"OLD\"\n");

    tracker.setFault(SimulatedTracker::Fault::ShortReadBack);
    const Outcome unverified = run({"write", "--image", file("image.bin", defaultImageBytes())});
    EXPECT_EQ(unverified.status, kDeviceFailed);
    EXPECT_EQ(unverified.err, "pelmoxctl: Write Failed (code 128 127)\n");
    EXPECT_EQ(unverified.out, "");
}

// A new process knows no speed: it finds the tracker first, so the tones go out at 2400 too.
TEST_F(SlowTrackerTest, FindsTheTrackerByTheEnvironmentAndSendsTonesAtItsSpeed) {
    const QString port = QString::fromStdString(tracker.devicePath());
    const Outcome version = pelmoxctl({"version"}, port);
    EXPECT_EQ(version.status, kDone);
    EXPECT_EQ(version.out, QString::fromStdString(tracker.version()) + "\n");
    EXPECT_EQ(pelmoxctl({"tone", "2200"}, port).status, kDone);
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Tone2200);
    EXPECT_EQ(pelmoxctl({"tone", "stop"}, port).status, kDone);
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Off);
}

}  // namespace
