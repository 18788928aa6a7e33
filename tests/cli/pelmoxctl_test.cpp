// pelmoxctl run as a process, as a script would run it, against the simulated tracker: what it
// prints, what the tracker ends up storing, and its exit status.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "built_program.h"
#include "codec_messages.h"
#include "config_image.h"
#include "eventually.h"
#include "other_user.h"
#include "own_process_name.h"
#include "port_user.h"
#include "process_state.h"
#include "simulated_tracker.h"
#include "tone_stop.h"
#include "tracker_record.h"
#include "uucp_lock.h"
#include "worked_example.h"

namespace {

using Image = SimulatedTracker::Image;
using Fault = SimulatedTracker::Fault;

constexpr int kDone = 0, kDeviceFailed = 1, kBadInput = 2, kDiffers = 3, kToneMayBeOn = 4;
// What a child process that could not become another user, or may not run pelmoxctl as that
// user (a build in a folder closed to others, as mktemp -d makes), ends with.
constexpr int kNoOtherUser = 125;
constexpr const char* kCannotRunAsOtherUser =
    "cannot run pelmoxctl as another user here (not root, or its folder is closed to others)";

// This test program, as another program holding a port shows in pelmoxctl's messages.
QString thisProcess() {
    return QString::fromStdString(ownProcessName()) + " (pid " + QString::number(::getpid()) + ")";
}

// Where a UUCP lock file for the device goes: the first lock directory this test may write.
std::string lockPathFor(const std::string& device) {
    for (const std::string& directory : uucp_lock::lockDirectories()) {
        if (::access(directory.c_str(), W_OK) == 0)
            return directory + "/" + uucp_lock::lockFileName(device);
    }
    return {};
}

QString refusal(const QString& device, const QString& reason) {
    return "pelmoxctl: " + device + ": Count not aquire Com Port: " + reason +
           "\npelmoxctl: Pelmox Not Found\n";
}

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

// Standard error without the errors and warnings that a write prints on what it is about to send,
// for the tests of what else it says (WriteWarnsBeforeItsUploadAndStrictSendsNothing tests them).
QString withoutAdvice(const QString& err) {
    QStringList lines = err.split('\n');
    lines.removeIf([](const QString& line) {
        return line.startsWith("pelmoxctl: error: ") || line.startsWith("pelmoxctl: warning: ");
    });
    return lines.join('\n');
}

// Runs pelmoxctl with PELMOX_PORT set to port, or unset when port is empty; as another user
// when asked, ending with kNoOtherUser when it cannot be or that user may not run it.
Outcome pelmoxctl(const QStringList& arguments, const QString& port = {}, bool otherUser = false) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("PELMOX_PORT");
    if (!port.isEmpty())
        environment.insert("PELMOX_PORT", port);
    QProcess process;
    process.setProcessEnvironment(environment);
    if (otherUser) {
        process.setChildProcessModifier([] {
            if (::geteuid() != 0 || !becomeOtherUser() ||
                ::access(PELMOXCTL_PATH, R_OK | X_OK) != 0)
                ::_exit(kNoOtherUser);
        });
    }
    startBuiltProgram(process, PELMOXCTL_PATH, arguments);
    process.waitForFinished(60'000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// Every pelmoxctl started here keeps the backups its writes make in a folder of this test
// program's own, never in the user's; a test of the backups gives each its own (PelmoxctlTest).
const QTemporaryDir kStateHome;
const bool kStateHomeSet = qputenv("XDG_STATE_HOME", kStateHome.path().toLocal8Bit());

// What `read` makes of a tracker with the default settings.
constexpr const char* kDefaultSettings =
    "# Tracker version: Pelmox II v1.23 WX\n"
    "callsign = \"NOCALL\"\ndigi_path = \"WIDE3-3\"\nstatus_text = \"PelmoxII\"\n"
    "status_every = 3\nstation = \"WX200/WM918\"\nkeyup_delay_ms = 253\n"
    "transmit_interval_s = 60\nquiet_time_ms = 1525\ncalibration = 128\n";

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
        ASSERT_TRUE(dir.isValid() && kStateHomeSet);
        qputenv("XDG_STATE_HOME", path("state").toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_STATE_HOME", kStateHome.path().toLocal8Bit()); }

    Outcome run(QStringList arguments) {
        return pelmoxctl(QStringList{"--port", QString::fromStdString(tracker.devicePath())} +
                         arguments);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString device() const { return QString::fromStdString(tracker.devicePath()); }

    QString file(const QString& name, const QByteArray& contents) const {
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(contents);
        return path(name);
    }

    // The two writes that upload a whole image: from a complete settings file, and an image.
    std::vector<QStringList> wholeWrites() const {
        return {QStringList{"write", file("full.toml", kDefaultSettings)},
                QStringList{"write", "--image", file("image.img", defaultImageBytes())}};
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
    EXPECT_EQ(contents("backup.toml"), kDefaultSettings);
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

// One line of `pelmoxctl backups`: time, callsign, image file, and notes in brackets.
struct ListedBackup {
    QString callsign;
    QString image;
    QString notes;
};

std::vector<ListedBackup> listedBackups() {
    const Outcome listed = pelmoxctl({"backups"});
    EXPECT_EQ(listed.status, kDone) << listed.err.toStdString();
    static const QRegularExpression line(
        "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  (\\S+) +(\\S+)(?:  \\((.+)\\))?$");
    std::vector<ListedBackup> backups;
    for (const QString& text : listed.out.split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = line.match(text);
        EXPECT_TRUE(match.hasMatch()) << text.toStdString();
        backups.push_back({match.captured(1), match.captured(2), match.captured(3)});
    }
    return backups;
}

QByteArray bytesOf(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QByteArray bytesOf(const Image& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), image.size());
}

// A write keeps what the tracker held just before it, image and settings file, which the next
// write --image puts back byte for byte; the list shows the newest first. --no-backup keeps none.
TEST_F(PelmoxctlTest, WriteKeepsWhatTheTrackerHeldForWriteImageToRestore) {
    const Image own = encoded(kOwnSettings);
    tracker.setImage(own);
    const Outcome write = run({"write", file("full.toml", kDefaultSettings)});
    ASSERT_EQ(write.status, kDone) << write.err.toStdString();
    std::vector<ListedBackup> backups = listedBackups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].callsign, "DL1ABC-9");
    EXPECT_EQ(bytesOf(backups[0].image), bytesOf(own));
    const QString settings = backups[0].image.chopped(4) + ".toml";
    EXPECT_TRUE(bytesOf(settings).contains("\ncallsign = \"DL1ABC-9\"\n"))
        << settings.toStdString();

    const Outcome restore = run({"write", "--image", backups[0].image});
    EXPECT_EQ(restore.status, kDone) << restore.err.toStdString();
    EXPECT_EQ(tracker.image(), own);
    backups = listedBackups();
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(backups[0].callsign, "NOCALL");  // the defaults the restore replaced
    EXPECT_EQ(bytesOf(backups[0].image), defaultImageBytes());

    EXPECT_EQ(run({"write", "--no-backup", path("full.toml")}).status, kDone);
    EXPECT_EQ(run({"write", "--no-backup", "--image", backups[1].image}).status, kDone);
    // A partial file reads the tracker all the same, and keeps no backup of it either.
    EXPECT_EQ(run({"write", "--no-backup", file("call.toml", "callsign = \"N0CALL\"\n")}).status,
              kDone);
    EXPECT_EQ(listedBackups().size(), 2u);
}

Image filled(std::uint8_t byte) {
    Image image;
    image.fill(byte);
    return image;
}

// A new or erased tracker (all 0xFF) and one of zeros were read all right; only no settings come
// of it. read fails and diff differs, saying so; a partial file has no settings to keep and is
// refused; write --image and a complete file store theirs, after keeping the memory as an image
// only, which write --force --image puts back as it was.
TEST_F(PelmoxctlTest, TrackerWhoseMemoryDoesNotDecodeIsKeptAndWrittenOver) {
    const struct {
        std::uint8_t byte;
        QString holds;
        QStringList write;
        Image written;
    } memories[] = {
        {0xFF,
         "are 0xFF, as in a new or erased memory",
         {"write", "--image", file("own.img", bytesOf(encoded(kOwnSettings)))},
         encoded(kOwnSettings)},
        {0x00, "are zero", {"write", file("full.toml", kDefaultSettings)}, kDefaultImage},
    };
    for (const auto& memory : memories) {
        qputenv("XDG_STATE_HOME", path("state" + QString::number(memory.byte)).toLocal8Bit());
        const QString line =
            "the tracker's memory holds no readable settings (all 128 bytes " + memory.holds + ")";
        tracker.setImage(filled(memory.byte));
        const Outcome read = run({"read"});
        EXPECT_EQ(read.status, kDeviceFailed);
        EXPECT_EQ(read.err, "pelmoxctl: " + line + "\n");
        const Outcome diff = run({"diff", path("full.toml")});
        EXPECT_EQ(diff.status, kDiffers);
        EXPECT_EQ(diff.out, line + "\n");
        EXPECT_EQ(diff.err, "");
        const Outcome partial = run({"write", file("call.toml", "callsign = \"N0CALL\"\n")});
        EXPECT_EQ(partial.status, kBadInput);
        EXPECT_TRUE(partial.err.contains("holds no readable settings to keep"))
            << partial.err.toStdString();
        EXPECT_EQ(tracker.image(), filled(memory.byte));

        const Outcome restore = run(memory.write);
        EXPECT_EQ(restore.status, kDone) << restore.err.toStdString();
        EXPECT_EQ(tracker.image(), memory.written);
        const std::vector<ListedBackup> backups = listedBackups();
        ASSERT_EQ(backups.size(), 1u);
        EXPECT_EQ(backups[0].notes, "memory does not decode: image only");
        EXPECT_EQ(bytesOf(backups[0].image), bytesOf(filled(memory.byte)));

        // The backup goes back as it was; another file that holds no settings needs --force.
        const QString copy = file("copy.img", bytesOf(backups[0].image));
        EXPECT_EQ(run({"write", "--no-backup", "--image", copy}).status, kBadInput);
        const Outcome back = run({"write", "--no-backup", "--image", backups[0].image});
        EXPECT_EQ(back.status, kDone) << back.err.toStdString();
        EXPECT_EQ(back.err,
                  "pelmoxctl: stored the image as it is; the tracker's memory holds no "
                  "readable settings\n");
        EXPECT_EQ(tracker.image(), filled(memory.byte));
    }
}

// A write of what the tracker already holds, byte for byte, sends nothing and keeps no backup:
// from a complete file, a partial one and an image. --force writes it all the same.
TEST_F(PelmoxctlTest, WriteOfWhatTheTrackerHoldsSendsNothingUnlessForced) {
    for (const QStringList& write :
         {QStringList{"write", file("full.toml", kDefaultSettings)},
          QStringList{"write", file("call.toml", "callsign = \"nocall\"\n")},
          QStringList{"write", "--image", file("image.img", defaultImageBytes())}}) {
        const std::size_t before = tracker.commandCount();
        const Outcome same = run(write);
        EXPECT_EQ(same.status, kDone) << write.join(' ').toStdString();
        EXPECT_EQ(same.err,
                  "pelmoxctl: the tracker already holds these settings; nothing written "
                  "(--force writes anyway)\n");
        EXPECT_EQ(same.out, kDefaultSettings);
        EXPECT_EQ(tracker.commandCount(), before + 3);  // identify, two downloads
    }
    EXPECT_TRUE(listedBackups().empty());
    const std::size_t before = tracker.commandCount();
    const Outcome forced = run({"write", "--force", path("full.toml")});
    EXPECT_EQ(forced.status, kDone) << forced.err.toStdString();
    EXPECT_EQ(withoutAdvice(forced.err), "");
    EXPECT_EQ(tracker.commandCount(), before + 5);  // and the upload and its check
    EXPECT_EQ(listedBackups().size(), 1u);
}

// The listing shows each time in the user's time zone (here three hours east of UTC), and notes
// an image only and a time earlier than that of the backup made before it.
TEST_F(PelmoxctlTest, BackupsShowLocalTimesAndNoteWhatIsOdd) {
    QDir folder(path("state/pelmoxconfig/backups"));
    ASSERT_TRUE(folder.mkpath("."));
    const QString older = folder.filePath("000001_20261209T170512.345Z_DL1ABC-9");
    const QString newer = folder.filePath("000002_20200101T000000.000Z_unreadable");
    for (const QString& name : {older + ".img", older + ".toml", newer + ".img"}) {
        QFile out(name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
    const std::optional<QByteArray> zone =
        qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt;
    qputenv("TZ", "PMX-3");
    const Outcome listed = pelmoxctl({"backups"});
    zone ? qputenv("TZ", *zone) : qunsetenv("TZ");
    EXPECT_EQ(listed.status, kDone);
    EXPECT_EQ(listed.out,
              "2020-01-01 03:00:00  unreadable  " + newer +
                  ".img  (memory does not decode: image only; dated before the backup made "
                  "before it: the computer's clock was behind, or had been ahead)\n"
                  "2026-12-09 20:05:12  DL1ABC-9    " +
                  older + ".img\n");
}

// A backup that cannot be saved (here the state folder is a file) stops the write before its
// first byte, with one line naming the folder and why.
TEST_F(PelmoxctlTest, BackupThatCannotBeSavedSendsNothing) {
    const QString notAFolder = file("state", "a file where the state folder should be\n");
    const Image own = encoded(kOwnSettings);
    tracker.setImage(own);
    for (const QStringList& write :
         {QStringList{"write", file("full.toml", kDefaultSettings)},
          QStringList{"write", file("call.toml", "callsign = \"N0CALL\"\n")},
          QStringList{"write", "--image", file("image.img", defaultImageBytes())}}) {
        const Outcome refused = run(write);
        EXPECT_EQ(refused.status, kBadInput) << write.join(' ').toStdString();
        EXPECT_EQ(refused.err, "pelmoxctl: cannot keep a backup in " + notAFolder +
                                   "/pelmoxconfig/backups: Not a directory; nothing was sent "
                                   "(--no-backup writes without one)\n");
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(tracker.image(), own);
    }
}

// The folder holds the newest 100: the 101st backup removes the oldest. What a backup cut short
// between its temporary files and their renaming leaves (those files, a settings file whose image
// never came) is neither listed nor counted.
TEST_F(PelmoxctlTest, TheHundredAndFirstBackupRemovesTheOldest) {
    QDir folder(path("state/pelmoxconfig/backups"));
    ASSERT_TRUE(folder.mkpath("."));
    const QDateTime first(QDate(2020, 1, 1), QTime(0, 0), QTimeZone::utc());
    const auto stem = [&](int day, const char* callsign) {
        return folder.filePath(first.addDays(day).toString("yyyyMMdd'T'HHmmss.zzz'Z'") + '_' +
                               callsign);
    };
    const auto put = [](const QString& name, const QByteArray& bytes) {
        QFile out(name);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    };
    for (int day = 0; day < 100; ++day) {
        put(stem(day, "N0CALL") + ".img", defaultImageBytes());
        put(stem(day, "N0CALL") + ".toml", kDefaultSettings);
    }
    put(stem(200, "CUT") + ".img.a1B2c3", defaultImageBytes().left(64));
    put(stem(200, "CUT") + ".toml.d4E5f6", "callsign =");
    put(stem(201, "CUT") + ".toml", kDefaultSettings);

    tracker.setImage(encoded(kOwnSettings));
    ASSERT_EQ(run({"write", file("full.toml", kDefaultSettings)}).status, kDone);
    const std::vector<ListedBackup> backups = listedBackups();
    ASSERT_EQ(backups.size(), 100u);
    EXPECT_EQ(backups.front().callsign, "DL1ABC-9");
    EXPECT_EQ(backups.back().image, stem(1, "N0CALL") + ".img");
    EXPECT_FALSE(QFile::exists(stem(0, "N0CALL") + ".img"));
    EXPECT_FALSE(QFile::exists(stem(0, "N0CALL") + ".toml"));
    for (const ListedBackup& backup : backups)
        EXPECT_FALSE(backup.callsign.contains("CUT")) << backup.image.toStdString();
}

// This test program, and so pelmoxctl, built with AddressSanitizer (clang's __has_feature).
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELMOX_TESTS_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(PELMOX_TESTS_ASAN)
constexpr bool kBuiltWithAddressSanitizer = true;
#else
constexpr bool kBuiltWithAddressSanitizer = false;
#endif

// The computer's clock six years behind the times of 100 backups (a board without a clock chip
// before the network is up): the write keeps its own backup, and the oldest by order goes.
TEST_F(PelmoxctlTest, WriteWithTheClockBehindKeepsItsOwnBackup) {
    if (kBuiltWithAddressSanitizer)
        GTEST_SKIP() << "libfaketime hangs a program built with AddressSanitizer";
    const QString faketime = QStandardPaths::findExecutable("faketime");
    if (faketime.isEmpty() || !QString(PELMOX_EMULATOR).isEmpty())
        GTEST_SKIP() << "no faketime here (Debian's faketime), or pelmoxctl runs under an "
                        "emulator, which libfaketime does not reach";
    QDir folder(path("state/pelmoxconfig/backups"));
    ASSERT_TRUE(folder.mkpath("."));
    const QDateTime first(QDate(2026, 12, 1), QTime(0, 0), QTimeZone::utc());
    for (int i = 1; i <= 100; ++i) {
        QFile out(folder.filePath(QString("%1_%2_N0CALL.img")
                                      .arg(i, 6, 10, QChar('0'))
                                      .arg(first.addSecs(i).toString("yyyyMMdd'T'HHmmss.zzz'Z'"))));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(defaultImageBytes());
    }
    tracker.setImage(encoded(kOwnSettings));
    QProcess write;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");
    write.setProcessEnvironment(environment);
    write.start(faketime, {"2020-01-01 00:00:00", PELMOXCTL_PATH, "--port", device(), "write",
                           file("full.toml", kDefaultSettings)});
    ASSERT_TRUE(write.waitForFinished(60'000));
    EXPECT_EQ(write.exitCode(), kDone) << write.readAllStandardError().toStdString();
    EXPECT_EQ(tracker.image(), kDefaultImage);
    const std::vector<ListedBackup> backups = listedBackups();
    ASSERT_EQ(backups.size(), 100u);
    EXPECT_EQ(backups.front().callsign, "DL1ABC-9");
    EXPECT_TRUE(backups.front().image.contains("_20200101T000"))
        << backups.front().image.toStdString();
    EXPECT_TRUE(backups.front().notes.startsWith("dated before the backup made before it"));
    EXPECT_TRUE(backups.back().image.contains("/000002_")) << backups.back().image.toStdString();
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

// A status text is checked against the path it will go out with, here the tracker's own: it is
// read, and nothing is written.
TEST_F(PelmoxctlTest, StatusTextWithNoRoomBehindTheTrackersPathIsRefusedBeforeTheWrite) {
    const Outcome write =
        run({"write", file("long.toml", "status_text = \"" + QByteArray(95, 'x') + "\"\n")});
    EXPECT_EQ(write.status, kBadInput);
    EXPECT_TRUE(
        write.err.contains("status_text is 95 characters long, but behind digi_path = "
                           "\"WIDE3-3\" the tracker has room for 94"))
        << write.err.toStdString();
    EXPECT_EQ(tracker.image(), kDefaultImage);
    EXPECT_EQ(tracker.commandCount(), 3u);  // identify and two downloads, no upload
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
        // What the tracker would otherwise have stored as something else.
        {{"write", file("call.toml", "callsign = \"TOOLONGCALL-16\"\n")},
         "call.toml:1: callsign = \"TOOLONGCALL-16\" is not a station address"},
        {{"write", file("path.toml", "digi_path = \"WIDE3-3X,WIDE1-1\"\n")}, "holds \"WIDE3-3X\""},
        {{"write", file("longkeyup.toml", "keyup_delay_ms = 5000\n")}, "from 0 to 1700"},
        {{"write", file("longquiet.toml", "quiet_time_ms = 99999\n")}, "from 0 to 6706"},
        {{"write", file("status.toml", "status_text = \"" + QByteArray(102, 'x') + "\"\n")},
         "status_text is 102 characters long"},
        {{"write", "--image", file("short.img", undecodable.left(127))},
         "short.img: an image file holds exactly 128 bytes, this one has 127"},
        {{"write", "--image", file("damaged.img", undecodable)},
         "damaged.img: not a configuration image"},
        {{"tone", "1300"}, "usage: pelmoxctl [--port DEVICE] tone"},
        {{"write"}, "usage: pelmoxctl [--port DEVICE] write"},
        {{"diff", file("typo2.toml", "callsing = \"N0CALL\"\n")}, "typo2.toml:1: unknown key"},
        {{"diff"}, "usage: pelmoxctl [--port DEVICE] diff FILE"},
        // A file is checked on its own; a port given with it is a mistake.
        {{"check", file("empty.toml", "")}, "usage: pelmoxctl [--port DEVICE] check"},
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

// A number that the kernel keeps for local use, so that no driver serves it: a node made for it
// has no port behind it, as Debian's /dev/ttyS1 to ttyS3 on a PC with one UART.
constexpr unsigned kUnservedMajor = 60;

// Such a node in the folder; empty where no node can be made (not root) or it does not fail as
// a node without hardware does (a file system mounted nodev).
QString nodeWithoutHardware(const QTemporaryDir& dir) {
    const QString path = dir.filePath("ttyS9");
    if (::mknod(path.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(kUnservedMajor, 0)) != 0)
        return {};
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    return fd < 0 && (error == ENXIO || error == ENODEV) ? path : QString();
}

// A device that cannot serve as a port says so in one line, with the device and its own reason;
// "gone" is kept for a device that went away while it was open (VanishedTrackerTest).
TEST(OpenFailureLineTest, NamesTheDeviceAndItsOwnReason) {
    QTemporaryDir dir;
    QFile plain(dir.filePath("notes.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("not a port\n");
    plain.close();
    const QString missing = dir.filePath("ttyUSB9");
    const QString noHardware = nodeWithoutHardware(dir);
    const struct {
        QString device;
        const char* box;
        QString reason;
    } cases[] = {
        {missing, "Count not aquire Com Port", "no such device (not plugged in, or a wrong name?)"},
        {"/dev/null", "GetCommState failed", "/dev/null is not a serial port"},
        {plain.fileName(), "GetCommState failed", plain.fileName() + " is not a serial port"},
        {noHardware, "Count not aquire Com Port", "no serial port behind " + noHardware},
    };
    for (const auto& c : cases) {
        if (c.device.isEmpty())
            continue;
        const Outcome failed = pelmoxctl({"--port", c.device, "version"});
        EXPECT_EQ(failed.status, kDeviceFailed) << c.device.toStdString();
        EXPECT_EQ(failed.err, "pelmoxctl: " + c.device + ": " + c.box + ": " + c.reason + "\n");
    }
    if (noHardware.isEmpty())
        GTEST_SKIP() << "cannot make a device node here (not root, or a nodev file system)";
}

// The language follows the locale as gettext takes it: German from a German one, or the first of
// LANGUAGE's list that has a translation; English from a C locale whatever LANGUAGE says, from an
// English language listed before German, and from PELMOX_LANG=C. A box's line and the help stand
// for all of pelmoxctl's texts.
TEST(LanguageTest, FollowsTheLocaleAndPelmoxLangCKeepsEnglish) {
    const QString missing = QDir::temp().filePath("pelmox-no-such-device");
    const struct {
        QStringList locale;
        bool german;
    } cases[] = {
        {{"LANG=de_DE.UTF-8"}, true},
        {{"LANG=en_GB.UTF-8", "LANGUAGE=pt_BR:de", "LC_MESSAGES=de_AT"}, true},
        {{"LANG=C.UTF-8", "LANGUAGE=de"}, false},
        {{"LANG=de_DE.UTF-8", "LANGUAGE=en:de"}, false},
        {{"LANG=de_DE.UTF-8", "PELMOX_LANG=C"}, false},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE", "PELMOX_LANG"})
            environment.remove(name);
        for (const QString& setting : c.locale)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        const auto run = [&](const QStringList& arguments) {
            QProcess process;
            process.setProcessEnvironment(environment);
            startBuiltProgram(process, PELMOXCTL_PATH, arguments);
            process.waitForFinished(60'000);
            return Outcome{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                           QString::fromUtf8(process.readAllStandardError())};
        };
        const std::string locale = c.locale.join(' ').toStdString();
        const Outcome help = run({"--help"});
        EXPECT_TRUE(help.out.contains(c.german ? "\nBefehle:\n" : "\nCommands:\n")) << locale;
        const Outcome failed = run({"--port", missing, "version"});
        EXPECT_EQ(failed.err.toStdString(),
                  ("pelmoxctl: " + missing + ": " +
                   (c.german ? "COM-Port konnte nicht belegt werden: kein solches Gerät (nicht "
                               "angesteckt oder falscher Name?)"
                             : "Count not aquire Com Port: no such device (not plugged in, or "
                               "a wrong name?)") +
                   "\n")
                      .toStdString())
            << locale;
    }
}

// check's advice in the locale's language, its values in their places and a number of hops in
// the plural form the number takes there.
TEST(LanguageTest, CheckAdvisesInGermanWithTheHopsPlural) {
    const QTemporaryDir dir;
    const struct {
        QByteArray settings;
        QString advice;
    } cases[] = {
        {"digi_path = \"WIDE2-1\"\ntransmit_interval_s = 300\n",
         "Hinweis: transmit_interval_s = 300: der APRS-Netzzyklus verlangt 10 Minuten direkt oder "
         "über einen Digipeater, 20 über zwei, 30 über drei oder mehr; für diesen Pfad (1 Hop) "
         "nehmen Sie 600 s"},
        {"digi_path = \"WIDE2-2,WIDE2-1\"\ntransmit_interval_s = 299\n",
         "Warnung: transmit_interval_s = 299: eine Wetterstation auf HF sendet höchstens alle 5 "
         "Minuten (300 s), und der APRS-Netzzyklus verlangt 10 Minuten direkt oder über einen "
         "Digipeater, 20 über zwei, 30 über drei oder mehr; für diesen Pfad (3 Hops) nehmen Sie "
         "1800 s"},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "PELMOX_LANG"})
        environment.remove(name);
    environment.insert("LANG", "de_DE.UTF-8");
    for (const auto& c : cases) {
        QFile file(dir.filePath("station.toml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.settings) > 0);
        file.close();
        QProcess process;
        process.setProcessEnvironment(environment);
        startBuiltProgram(process, PELMOXCTL_PATH, {"check", file.fileName()});
        process.waitForFinished(60'000);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        EXPECT_TRUE(out.split('\n').contains(c.advice)) << out.toStdString();
    }
}

TEST_F(PelmoxctlTest, PortAndTrackerFailuresExitWithOne) {
    tracker.setFault(SimulatedTracker::Fault::Silent);
    const Outcome silent = run({"read", "--output", file("keep.toml", "callsign = \"OLD\"\n")});
    EXPECT_EQ(silent.status, kDeviceFailed);
    EXPECT_EQ(silent.err, "pelmoxctl: Pelmox Not Found\n");
    // A failed read leaves an earlier backup as it was.
    EXPECT_EQ(contents("keep.toml"), "callsign = \"OLD\"\n");

    tracker.setFault(SimulatedTracker::Fault::ShortReadBack);
    const Outcome unverified =
        run({"write", "--no-backup", "--image", file("image.bin", defaultImageBytes())});
    EXPECT_EQ(unverified.status, kDeviceFailed);
    EXPECT_EQ(withoutAdvice(unverified.err), "pelmoxctl: Write Failed (code 128 127)\n");
    EXPECT_EQ(unverified.out, "");
}

// pelmoxctl left running, as from an interactive shell: the stop signals as they come by
// default whatever this test was started with, but for one it inherits as ignored (nohup).
// A group of its own, whose parent (this test) is in another group of the same session: the
// system throws away a stop signal sent to an orphaned group (as the tests' group may be under a
// harness without job control), and Ctrl+Z is to be tried as a shell's job has it.
std::unique_ptr<QProcess> startPelmoxctl(const QStringList& arguments, int ignored = 0) {
    auto process = std::make_unique<QProcess>();
    process->setChildProcessModifier([ignored] {
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGTSTP})
            ::signal(signal, signal == ignored ? SIG_IGN : SIG_DFL);
        ::setpgid(0, 0);
    });
    startBuiltProgram(*process, PELMOXCTL_PATH, arguments);
    return process;
}

void expectEndedBy(QProcess& process, int signal) {
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << signal;
    EXPECT_EQ(process.exitCode(), signal);  // the signal that ended it, for a crashed process
}

// A port left in exclusive mode (TIOCEXCL) while the far end keeps the line can be opened by
// root alone.
bool leftExclusive(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    int exclusive = 0;
    // An exclusive port refuses everyone but root (EBUSY); root asks the terminal itself. Where
    // the question is not understood (qemu-user knows no TIOCGEXCL), the open is all there is.
    const bool asked = fd >= 0 && ::ioctl(fd, TIOCGEXCL, &exclusive) == 0;
    if (fd >= 0)
        ::close(fd);
    return fd < 0 || (asked && exclusive != 0);
}

bool toneBecomes(const SimulatedTracker& tracker, SimulatedTracker::Tone tone) {
    return eventually([&] { return tracker.tone() == tone; }, 5000);
}

// A tone with --for goes off after its time, or at once when Ctrl+C or a signal ends the program
// early (so a script that runs it stops at Ctrl+C as well): either way the last tone command the
// tracker hears is stop, and the port is given back as it was. A signal inherited as ignored
// leaves the tone on for its whole time.
TEST_F(PelmoxctlTest, ToneForSecondsEndsWithStopAfterItsTimeOrASignal) {
    const struct {
        int signal;  // sent once the tone is on; 0 for none
        int ignored;
        int seconds;
    } cases[] = {
        {0, 0, 1}, {SIGINT, 0, 600}, {SIGTERM, 0, 600}, {SIGHUP, 0, 600}, {SIGTERM, SIGTERM, 1},
    };
    for (const auto& c : cases) {
        QElapsedTimer clock;
        clock.start();
        const auto tone = startPelmoxctl(
            {"--port", device(), "tone", "both", "--for", QString::number(c.seconds)}, c.ignored);
        ASSERT_TRUE(toneBecomes(tracker, SimulatedTracker::Tone::Both)) << c.signal;
        if (c.signal != 0)
            ::kill(static_cast<pid_t>(tone->processId()), c.signal);
        ASSERT_TRUE(tone->waitForFinished(10'000)) << c.signal;
        EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Off) << c.signal;
        EXPECT_FALSE(leftExclusive(tracker.devicePath())) << c.signal;
        if (c.signal != 0 && c.signal != c.ignored) {
            expectEndedBy(*tone, c.signal);
            EXPECT_EQ(tone->readAllStandardError(),
                      "pelmoxctl: stopped the tone early, as asked\n");
        } else {
            EXPECT_GE(clock.elapsed(), 1000);
            EXPECT_EQ(tone->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(tone->exitCode(), kDone);
            EXPECT_EQ(tone->readAllStandardError(), "");
        }
    }
}

// While a timed tone is on the port stays pelmoxctl's, so another program cannot take it in
// between and the stop gets through. When no stop can (the adapter is pulled), pelmoxctl tries
// for a while, then says so in its last line and exits with status 4.
TEST_F(PelmoxctlTest, TimedToneKeepsThePortAndSaysWhenItMayStayOn) {
    const auto tone = startPelmoxctl({"--port", device(), "tone", "1200", "--for", "2"});
    ASSERT_TRUE(toneBecomes(tracker, SimulatedTracker::Tone::Tone1200));
    QTest::qWait(500);  // past the tone command, into the countdown
    const int other = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
    ASSERT_TRUE(tone->waitForFinished(10'000));
    ::close(other);
    EXPECT_EQ(tone->exitCode(), kDone) << tone->readAllStandardError().toStdString();
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Off);

    // A descriptor of our own keeps the line's number taken after it vanishes, so that the
    // stops pelmoxctl tries again by name cannot reach another test's new pseudo-terminal.
    // Opened first: this process holds the far end too, so it is no other user of the port.
    const int keepNumber = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(keepNumber, 0) << std::strerror(errno);
    const auto lost = startPelmoxctl({"--port", device(), "tone", "1200", "--for", "1"});
    ASSERT_TRUE(toneBecomes(tracker, SimulatedTracker::Tone::Tone1200));
    QElapsedTimer clock;
    clock.start();
    tracker.setFault(Fault::VanishMidExchange);  // the line goes with the first stop
    ASSERT_TRUE(lost->waitForFinished(30'000));
    ::close(keepNumber);
    EXPECT_GE(clock.elapsed(), (tone_stop::kRetryTime - tone_stop::kRetryPause).count());
    EXPECT_EQ(lost->exitCode(), kToneMayBeOn);
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Tone1200);
    const QString last =
        QString(lost->readAllStandardError()).split('\n', Qt::SkipEmptyParts).last();
    EXPECT_TRUE(last.startsWith("pelmoxctl: the tracker on " + device() +
                                " may still be transmitting: stop it with 'pelmoxctl --port " +
                                device() + " tone stop'"))
        << last.toStdString();
}

// A tone command that fails after its code may have gone out counts as a tone on: it is stopped
// at once, and when the stop cannot get through either the program says so and exits 4, where
// a command that failed before any tone would exit 1.
TEST_F(PelmoxctlTest, TimedToneThatFailsAfterItsCodeIsTreatedAsOn) {
    // The line's number stays taken, so that the stops cannot reach another test's new line.
    const int keepNumber = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(keepNumber, 0) << std::strerror(errno);
    tracker.setFault(Fault::VanishBeforeToneCode);
    const Outcome failed = run({"tone", "1200", "--for", "60"});
    ::close(keepNumber);
    EXPECT_EQ(failed.status, kToneMayBeOn) << failed.err.toStdString();
    const QStringList lines = failed.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(),
              "pelmoxctl: " + device() + ": ComPort write failed: the device is gone (unplugged?)");
    EXPECT_TRUE(lines.last().startsWith("pelmoxctl: the tracker on " + device() +
                                        " may still be transmitting"))
        << lines.last().toStdString();
}

// A line that fails while a timed tone is on is not used again: the stops tried after it open the
// device afresh by its name, and reach the adapter that has come back under it (a USB adapter
// plugged in again, under its /dev/serial/by-id name), its tone still on.
TEST_F(PelmoxctlTest, TimedToneStopReachesTheDeviceBackUnderItsName) {
    SimulatedTracker back;
    ASSERT_TRUE(back.start());
    ASSERT_EQ(
        pelmoxctl({"--port", QString::fromStdString(back.devicePath()), "tone", "1200"}).status,
        kDone);
    const std::string name = path("by-id-tracker").toStdString();
    std::filesystem::create_symlink(tracker.devicePath(), name);
    const auto tone =
        startPelmoxctl({"--port", QString::fromStdString(name), "tone", "1200", "--for", "1"});
    ASSERT_TRUE(toneBecomes(tracker, SimulatedTracker::Tone::Tone1200));
    tracker.setFault(Fault::VanishMidExchange);  // the line goes with the first stop
    std::filesystem::remove(name);
    std::filesystem::create_symlink(back.devicePath(), name);
    ASSERT_TRUE(tone->waitForFinished(30'000));
    EXPECT_EQ(tone->exitCode(), kDone) << tone->readAllStandardError().toStdString();
    EXPECT_EQ(back.tone(), SimulatedTracker::Tone::Off);
}

// From the search to the end of the check the port stays pelmoxctl's: another program that waits
// for it (a blocking flock()) from the moment the tracker has been found gets it only once the
// write and its check are done.
TEST_F(PelmoxctlTest, WriteKeepsThePortFromTheSearchToTheCheck) {
    for (const QStringList& write : wholeWrites()) {
        tracker.setImage(encoded(kOwnSettings));
        const std::size_t before = tracker.commandCount();
        const auto writing = startPelmoxctl(QStringList{"--port", device()} + write);
        ASSERT_TRUE(eventually([&] { return tracker.commandCount() == before + 1; }, 5000));
        std::atomic<std::size_t> commandsWhenTaken{0};
        std::thread other([&] {
            int fd = -1;
            // As another user the exclusive open is refused outright while pelmoxctl has it.
            while ((fd = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) <
                       0 &&
                   errno == EBUSY) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            ASSERT_GE(fd, 0) << std::strerror(errno);
            ::flock(fd, LOCK_EX);
            commandsWhenTaken = tracker.commandCount();
            ::close(fd);
        });
        ASSERT_TRUE(writing->waitForFinished(10'000));
        other.join();
        EXPECT_EQ(writing->exitCode(), kDone) << writing->readAllStandardError().toStdString();
        EXPECT_EQ(tracker.image(), kDefaultImage);
        // The identify, the two downloads of the backup, the upload and its check.
        EXPECT_EQ(commandsWhenTaken, before + 5);
    }
}

// A signal in the middle of a write (a terminal closed, a service stopped) waits for the upload
// and its check, then ends the program without the settings it would have printed.
TEST_F(PelmoxctlTest, SignalDuringAWriteEndsTheProgramOnlyAfterTheCheck) {
    for (const QStringList& write : wholeWrites()) {
        tracker.setImage(encoded(kOwnSettings));
        const std::size_t before = tracker.commandCount();
        const auto writing = startPelmoxctl(QStringList{"--port", device()} + write);
        // The identify, the two downloads for the backup, and the upload begun.
        ASSERT_TRUE(eventually([&] { return tracker.commandCount() == before + 4; }, 8000));
        ::kill(static_cast<pid_t>(writing->processId()), SIGTERM);
        ASSERT_TRUE(writing->waitForFinished(10'000));
        expectEndedBy(*writing, SIGTERM);
        EXPECT_EQ(tracker.image(), kDefaultImage);
        EXPECT_EQ(tracker.commandCount(), before + 5);  // and the download that checks it
        EXPECT_EQ(withoutAdvice(writing->readAllStandardError()),
                  "pelmoxctl: finished the write and its check before stopping, as asked\n");
        EXPECT_EQ(writing->readAllStandardOutput(), "");
    }
}

// Ctrl+Z (SIGTSTP) pauses pelmoxctl only once nothing is left keyed or half-written: a timed
// tone is stopped first, and after fg it stays off and ends with 128 + SIGTSTP; a write finishes
// its upload and check first (not stalled, so no byte is lost), and after fg prints as usual.
TEST_F(PelmoxctlTest, CtrlZStopsTheToneOrFinishesTheWriteBeforeThePause) {
    constexpr int kPausedTone = 128 + SIGTSTP;
    const auto pauseAndContinue = [&](QProcess& program, std::size_t commandsWhenStopped) {
        const auto pid = static_cast<pid_t>(program.processId());
        ::kill(pid, SIGTSTP);
        ASSERT_TRUE(eventually([&] { return processState(pid) == 'T'; }, 10'000));
        EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Off);
        EXPECT_EQ(tracker.commandCount(), commandsWhenStopped);
        QTest::qWait(300);
        EXPECT_EQ(tracker.commandCount(), commandsWhenStopped);  // nothing more while stopped
        ::kill(pid, SIGCONT);
        ASSERT_TRUE(program.waitForFinished(10'000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    };

    const auto tone = startPelmoxctl({"--port", device(), "tone", "1200", "--for", "30"});
    ASSERT_TRUE(toneBecomes(tracker, SimulatedTracker::Tone::Tone1200));
    pauseAndContinue(*tone, 5);  // the identify, the tone (a stop first), and the two stops
    EXPECT_EQ(tone->exitCode(), kPausedTone);
    EXPECT_EQ(
        tone->readAllStandardError(),
        "pelmoxctl: stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg\n");
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Off);

    for (const QStringList& write : wholeWrites()) {
        tracker.setImage(encoded(kOwnSettings));
        const std::size_t before = tracker.commandCount();
        const auto writing = startPelmoxctl(QStringList{"--port", device()} + write);
        // The identify, the two downloads for the backup, and the upload begun.
        ASSERT_TRUE(eventually([&] { return tracker.commandCount() == before + 4; }, 8000));
        QTest::qWait(300);
        pauseAndContinue(*writing, before + 5);  // and the download that checks it
        EXPECT_EQ(writing->exitCode(), kDone);
        EXPECT_EQ(tracker.image(), kDefaultImage);
        EXPECT_EQ(tracker.lostUploadBytes(), 0u);
        EXPECT_EQ(withoutAdvice(writing->readAllStandardError()),
                  "pelmoxctl: finished the write and its check before pausing, as Ctrl+Z asked\n");
        EXPECT_EQ(writing->readAllStandardOutput(), kDefaultSettings);
    }
}

// Every command that talks to the tracker, with the files it needs.
QList<QStringList> deviceCommands(const QString& full, const QString& partial,
                                  const QString& image) {
    return {
        {"version"},
        {"read"},
        {"write", full},
        {"write", partial},
        {"write", "--image", image},
        {"diff", full},
        {"check"},
        {"tone", "both"},
    };
}

// The port: missing, or held by this test program by flock() or by a UUCP lock file naming it.
// Each command fails with status 1 and one line saying why, not repeated at the second speed.
TEST_F(PelmoxctlTest, EachCommandSaysWhyThePortCannotBeHad) {
    const QString full = file("full.toml", kDefaultSettings);
    const QString partial = file("call.toml", "callsign = \"N0CALL\"\n");
    const QString image = file("image.img", defaultImageBytes());
    const auto expectMessages = [&](const QString& port, const QString& messages) {
        for (const QStringList& command : deviceCommands(full, partial, image)) {
            const Outcome refused = pelmoxctl(QStringList{"--port", port} + command);
            EXPECT_EQ(refused.status, kDeviceFailed) << command.join(' ').toStdString();
            EXPECT_EQ(refused.err, messages) << command.join(' ').toStdString();
        }
    };
    const auto expectRefused = [&](const QString& port, const QString& reason) {
        expectMessages(port, refusal(port, reason));
    };
    expectMessages(path("ttyUSB9"), "pelmoxctl: " + path("ttyUSB9") +
                                        ": Count not aquire Com Port: no such device (not "
                                        "plugged in, or a wrong name?)\n");

    const int held = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0) << std::strerror(errno);
    expectRefused(device(), "in use by " + thisProcess());
    ::close(held);

    const std::string lock = lockPathFor(tracker.devicePath());
    ASSERT_FALSE(lock.empty());
    std::ofstream(lock) << "     " << ::getpid() << "\n";
    expectRefused(device(), "in use by " + thisProcess());
    ::unlink(lock.c_str());

    // Open with no lock at all, by a program other than this one (which, as the simulated
    // tracker, holds the line's far end).
    PortUser user(tracker.devicePath(), PortUser::Use::OpenDescriptor);
    ASSERT_GT(user.pid(), 0);
    expectRefused(device(),
                  QString("in use by %1 (pid %2)").arg(PortUser::kProgram).arg(user.pid()));
    EXPECT_EQ(tracker.commandCount(), 0u);
}

// A tracker whose line goes away in the middle of an exchange, as when its USB adapter is pulled
// out: one line names the device and why, and nothing that only follows from it comes after
// (no "Write Failed (code 128 0)" for a read-back that lost its device, no "Pelmox Not Found").
TEST(VanishedTrackerTest, OneLineNamesTheDeviceAndWhy) {
    QTemporaryDir dir;
    QFile image(dir.filePath("image.bin"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(defaultImageBytes());
    image.close();
    const QStringList writeImage{"write", "--image", image.fileName()};
    const struct {
        QStringList arguments;
        Fault fault;
        const char* failed;
    } cases[] = {
        {writeImage, Fault::VanishMidUpload, "ComPort write failed"},
        {writeImage, Fault::VanishMidDownload, "ComPort read failed"},  // in the backup's read
        {{"write", "--no-backup", "--image", image.fileName()},
         Fault::VanishMidDownload,
         "ComPort read failed"},  // in the check
        {{"read"}, Fault::VanishMidDownload, "ComPort read failed"},
        {{"version"}, Fault::VanishMidExchange, "ComPort read failed"},
    };
    for (const auto& c : cases) {
        SimulatedTracker tracker;
        ASSERT_TRUE(tracker.start());
        tracker.setImage(encoded(kOwnSettings));  // so that the write has something to send
        tracker.setFault(c.fault);
        const QString device = QString::fromStdString(tracker.devicePath());
        const Outcome vanished = pelmoxctl(QStringList{"--port", device} + c.arguments);
        EXPECT_EQ(vanished.status, kDeviceFailed) << c.failed;
        EXPECT_EQ(withoutAdvice(vanished.err),
                  "pelmoxctl: " + device + ": " + c.failed + ": the device is gone (unplugged?)\n");
        EXPECT_EQ(vanished.out, "");
    }
}

// The system's own ports, as this machine has them: one that a UUCP lock file says this test
// program holds is marked, with the holder. The device itself is never opened, and a lock
// already there is left alone.
TEST(PortsTest, MarksAPortAnotherProgramHolds) {
    const Outcome before = pelmoxctl({"ports"});
    ASSERT_EQ(before.status, kDone);
    const QStringList lines = before.out.split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.front().contains("in-use-by="))
        GTEST_SKIP() << "no free serial port here to mark";
    const QString name = lines.front().section(' ', 0, 0);
    const std::string lock = lockPathFor(name.toStdString());
    const int created = ::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (created < 0)
        GTEST_SKIP() << "cannot lock " << name.toStdString() << " here";
    const std::string pid = "      " + std::to_string(::getpid()) + "\n";
    const bool written = ::write(created, pid.data(), pid.size()) == ssize_t(pid.size());
    ::close(created);
    const Outcome after = pelmoxctl({"ports"});
    ::unlink(lock.c_str());
    ASSERT_TRUE(written);
    EXPECT_EQ(after.out.split('\n', Qt::SkipEmptyParts).front(),
              lines.front() + " in-use-by=\"" + thisProcess() + "\"");
}

// A pseudo-terminal stands in for a serial device that belongs to root and its group.
TEST_F(PelmoxctlTest, DeviceTheUserMayNotOpenSaysWhichGroupWouldHelp) {
    ASSERT_EQ(::chmod(tracker.devicePath().c_str(), 0600), 0);
    const Outcome noAccess = pelmoxctl({"--port", device(), "version"}, {}, true);
    if (noAccess.status == kNoOtherUser)
        GTEST_SKIP() << kCannotRunAsOtherUser;
    EXPECT_EQ(noAccess.status, kDeviceFailed);
    EXPECT_EQ(noAccess.err, refusal(device(), "Permission denied"));

    const group* dialout = ::getgrnam("dialout");
    if (dialout == nullptr)
        GTEST_SKIP() << "no dialout group here";
    ASSERT_EQ(::chown(tracker.devicePath().c_str(), static_cast<uid_t>(-1), dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(tracker.devicePath().c_str(), 0660), 0);
    const Outcome groupMayOpen = pelmoxctl({"--port", device(), "version"}, {}, true);
    EXPECT_EQ(groupMayOpen.err,
              refusal(device(),
                      "Permission denied (add your user to the dialout group, then "
                      "log in again)"));
}

// A program that opened the port exclusively, with no lock, is in the way all the same; the
// system does not say who it is. Root ignores the exclusive mode, so pelmoxctl runs as another
// user.
TEST_F(PelmoxctlTest, PortOpenedExclusivelyByAnotherProgramIsInUse) {
    ASSERT_EQ(::chmod(tracker.devicePath().c_str(), 0666), 0);
    const int exclusive = ::open(tracker.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_EQ(::ioctl(exclusive, TIOCEXCL), 0);
    const Outcome busy = pelmoxctl({"--port", device(), "version"}, {}, true);
    ::ioctl(exclusive, TIOCNXCL);
    ::close(exclusive);
    if (busy.status == kNoOtherUser)
        GTEST_SKIP() << kCannotRunAsOtherUser;
    EXPECT_EQ(busy.status, kDeviceFailed);
    EXPECT_EQ(busy.err, refusal(device(), "in use by another program (Device or resource busy)"));
}

// The tracker fails in the step each command cannot do without.
TEST_F(PelmoxctlTest, EachCommandExitsWithOneWhenTheTrackerFails) {
    const QString kNoBackupRead =
        "pelmoxctl: the tracker could not be read for a backup; nothing "
        "was sent (--no-backup writes without one)";
    const struct {
        QStringList arguments;
        Fault fault;
        QString message;
    } cases[] = {
        {{"version"}, Fault::Silent, "Pelmox Not Found"},
        {{"tone", "both"}, Fault::Silent, "Pelmox Not Found"},
        {{"read"}, Fault::DifferingDownloads, "Read Failed"},
        {{"check"}, Fault::Silent, "Pelmox Not Found"},
        {{"diff", file("full.toml", kDefaultSettings)}, Fault::DifferingDownloads, "Read Failed"},
        {{"write", file("call.toml", "callsign = \"N0CALL\"\n")},
         Fault::DifferingDownloads,
         "Read Failed"},
        // The read for the backup fails first, saying how to write without one; without a
        // backup, the write's own check fails.
        {{"write", path("full.toml")}, Fault::ShortReadBack, "Read Failed\n" + kNoBackupRead},
        {{"write", "--image", file("image.img", defaultImageBytes())},
         Fault::DifferingDownloads,
         "Read Failed\n" + kNoBackupRead},
        {{"write", "--no-backup", path("full.toml")},
         Fault::ShortReadBack,
         "Write Failed (code 128 127)"},
    };
    for (const auto& c : cases) {
        tracker.setFault(c.fault);
        const Outcome failed = run(c.arguments);
        EXPECT_EQ(failed.status, kDeviceFailed) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(withoutAdvice(failed.err), "pelmoxctl: " + c.message + "\n")
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(failed.out, "");
    }
}

// Compared as a write would store the file: 250 ms of keyup delay is the tracker's 253 ms.
// Keys the file lacks are not compared, and nothing is written. The port is named through a
// link, as /dev/serial/by-id/... names an adapter.
TEST_F(PelmoxctlTest, DiffComparesTheFilesKeysAsAWriteWouldStoreThem) {
    const QString viaLink = path("by-id");
    ASSERT_TRUE(QFile::link(device(), viaLink));
    tracker.setImage(encoded(kOwnSettings));
    const Outcome agree = pelmoxctl(
        {"diff", file("same.toml", "callsign = \"dl1abc-9\"\nkeyup_delay_ms = 1\n")}, viaLink);
    EXPECT_EQ(agree.status, kDone) << agree.err.toStdString();
    EXPECT_EQ(agree.out, "");

    const Outcome differ =
        pelmoxctl({"diff", file("other.toml",
                                "callsign = \"N0CALL\"\nstation = \"Peet\"\n"
                                "keyup_delay_ms = 250\nstatus_text = \"Wx at the lake\"\n")},
                  viaLink);
    EXPECT_EQ(differ.status, kDiffers) << differ.err.toStdString();
    EXPECT_EQ(differ.out,
              "callsign: tracker \"DL1ABC-9\", file \"N0CALL\"\n"
              "keyup_delay_ms: tracker 7, file 253\n");
    EXPECT_EQ(tracker.image(), encoded(kOwnSettings));
    EXPECT_EQ(tracker.commandCount(), 6u);  // each: identify, and two downloads
}

// A fixed weather station as the APRS network asks for it; the tracker's other defaults are.
constexpr const char* kGoodStation =
    "callsign = \"DL1ABC-13\"\ndigi_path = \"WIDE2-1\"\ntransmit_interval_s = 600\n"
    "keyup_delay_ms = 300\n";

QStringList linesStartingWith(const QString& text, const QString& start) {
    return text.split('\n').filter(QRegularExpression("^" + QRegularExpression::escape(start)));
}

// check prints the header the tracker sends, then a line per finding, and its exit status tells
// the worst: 2 errors, 3 warnings, 0 notes alone. A file is checked without the tracker, a value
// it cannot hold among the errors; the tracker is only read.
TEST_F(PelmoxctlTest, CheckShowsTheHeaderAndExitsByTheWorstFinding) {
    const Outcome defaults = run({"check"});
    EXPECT_EQ(defaults.status, kBadInput) << defaults.err.toStdString();
    EXPECT_TRUE(defaults.out.startsWith("NOCALL>APZQ17,WIDE3-3:PelmoxII\n"))
        << defaults.out.toStdString();
    EXPECT_EQ(linesStartingWith(defaults.out, "error: ").join('\n'),
              "error: callsign = \"NOCALL\": not a call sign: every transmission must carry the "
              "operator's own call sign; enter yours, for a weather station with -13 (such as "
              "DL1ABC-13)");
    const QStringList warnings = linesStartingWith(defaults.out, "warning: ");
    ASSERT_EQ(warnings.size(), 2) << defaults.out.toStdString();
    EXPECT_TRUE(warnings[0].startsWith("warning: digi_path = \"WIDE3-3\": WIDE3-3 asks"));
    EXPECT_TRUE(warnings[1].startsWith("warning: transmit_interval_s = 60: "));
    EXPECT_TRUE(warnings[1].endsWith("for this path (3 hops) use 1800 s"));
    EXPECT_EQ(tracker.commandCount(), 3u);  // identify and two downloads
    EXPECT_EQ(tracker.image(), kDefaultImage);

    const QString name = path("good.toml");
    const struct {
        QByteArray contents;
        int status;
        const char* header;
        QString line;  // one line it prints
    } files[] = {
        {kGoodStation, kDone, "DL1ABC-13>APZQ17,WIDE2-1:PelmoxII", "note: " + name + " does not"},
        {QByteArray(kGoodStation).replace("WIDE2-1", "WIDE2-2"), kDone, "", "note: transmit"},
        {QByteArray(kGoodStation).replace("600", "299"), kDiffers, "", "warning: transmit"},
        {QByteArray(kGoodStation) + "calibration = 256\nstation = 0\n", kBadInput,
         "DL1ABC-13>APZQ17,WIDE2-1:PelmoxII", "error: " + name + ":5: calibration = 256 is out"},
        {QByteArray(kGoodStation) + "station = 0\n", kBadInput, "", "error: station = 0: "},
    };
    for (const auto& f : files) {
        const Outcome checked = pelmoxctl({"check", file("good.toml", f.contents)});
        EXPECT_EQ(checked.status, f.status) << checked.out.toStdString();
        EXPECT_TRUE(checked.out.startsWith(f.header)) << checked.out.toStdString();
        EXPECT_EQ(linesStartingWith(checked.out, f.line).size(), 1) << checked.out.toStdString();
    }
    EXPECT_EQ(tracker.commandCount(), 3u);

    const Outcome read = run({"read", "--show-header"});
    EXPECT_EQ(read.status, kDone);
    EXPECT_TRUE(
        read.out.startsWith("# Tracker version: Pelmox II v1.23 WX\n"
                            "# Beacon: NOCALL>APZQ17,WIDE3-3:PelmoxII\ncallsign = "))
        << read.out.toStdString();
}

// write prints check's errors and warnings on what it sends, and sends; --strict sends nothing
// when there is an error (a complete file or an image before the tracker is asked, a partial file
// once the tracker's own settings are under it), and --quiet prints nothing but failures.
TEST_F(PelmoxctlTest, WriteWarnsBeforeItsUploadAndStrictSendsNothing) {
    const Image own = encoded(kOwnSettings);
    tracker.setImage(own);
    for (const QStringList& write : wholeWrites()) {
        const Outcome refused = run(QStringList{"--strict"} + write);
        EXPECT_EQ(refused.status, kBadInput) << write.join(' ').toStdString();
        EXPECT_TRUE(refused.err.startsWith("pelmoxctl: error: callsign = \"NOCALL\": "));
        EXPECT_TRUE(refused.err.endsWith(
            "pelmoxctl: what would be written has errors; nothing was sent (--strict)\n"));
        EXPECT_EQ(linesStartingWith(refused.err, "pelmoxctl: warning: ").size(), 2);
        EXPECT_EQ(tracker.commandCount(), 0u);
    }
    const Outcome partial =
        run({"write", "--strict", file("call.toml", "callsign = \"N0CALL\"\n")});
    EXPECT_EQ(partial.status, kBadInput);
    EXPECT_TRUE(partial.err.startsWith("pelmoxctl: error: callsign = \"N0CALL\""));
    EXPECT_EQ(tracker.commandCount(), 3u);  // identify and two downloads, no upload
    EXPECT_EQ(tracker.image(), own);

    const Outcome warned = run({"write", "--no-backup", path("full.toml")});
    EXPECT_EQ(warned.status, kDone);
    EXPECT_EQ(linesStartingWith(warned.err, "pelmoxctl: error: callsign").size(), 1);
    EXPECT_EQ(linesStartingWith(warned.err, "pelmoxctl: warning: ").size(), 2);
    EXPECT_EQ(tracker.image(), kDefaultImage);

    tracker.setImage(own);
    const Outcome quiet = run({"write", "--quiet", path("full.toml")});
    EXPECT_EQ(quiet.status, kDone);
    EXPECT_EQ(quiet.err + quiet.out, "");
    EXPECT_EQ(tracker.image(), kDefaultImage);

    const Outcome good = run({"write", "--strict", file("good.toml", kGoodStation)});
    EXPECT_EQ(good.status, kDone) << good.err.toStdString();
    EXPECT_EQ(good.err,
              "pelmoxctl: kept the tracker's own status_text, status_every, station, "
              "quiet_time_ms, calibration (not in " +
                  path("good.toml") + ")\n");
}

// A stop asked for while the tracker is still being looked for (here at 9600 baud, which this
// one ignores) ends the program before any tone is sent.
TEST_F(SlowTrackerTest, StopDuringTheSearchSendsNoTone) {
    std::atomic<bool> searching = false;
    tracker.setLogger(
        [&](std::string_view line) { searching = searching || line.starts_with("ignored"); });
    const auto tone = startPelmoxctl({"--port", device(), "tone", "1200", "--for", "600"});
    EXPECT_TRUE(eventually([&] { return searching.load(); }, 5000));
    ::kill(static_cast<pid_t>(tone->processId()), SIGINT);
    ASSERT_TRUE(tone->waitForFinished(10'000));
    tracker.setLogger({});
    expectEndedBy(*tone, SIGINT);
    EXPECT_EQ(tone->readAllStandardError(),
              "pelmoxctl: stopped before the tone was started, as asked\n");
    EXPECT_EQ(tracker.commandCount(), 1u);  // the identify that found it, no tone command
}

// A new process knows no speed: it finds the tracker first, so the tones go out at 2400 too.
TEST_F(SlowTrackerTest, FindsTheTrackerByTheEnvironmentAndSendsTonesAtItsSpeed) {
    const QString port = QString::fromStdString(tracker.devicePath());
    const Outcome version = pelmoxctl({"version"}, port);
    EXPECT_EQ(version.status, kDone);
    EXPECT_EQ(version.out, QString::fromStdString(tracker.version()) + "\n");
    const Outcome tone = pelmoxctl({"tone", "2200"}, port);
    EXPECT_EQ(tone.status, kDone);
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Tone2200);
    EXPECT_EQ(tone.err,
              "pelmoxctl: the tone stays on until 'pelmoxctl tone stop' (or use --for "
              "SECONDS)\n");
    EXPECT_EQ(pelmoxctl({"tone", "stop"}, port).status, kDone);
    EXPECT_EQ(tracker.tone(), SimulatedTracker::Tone::Off);
}

}  // namespace
