// The backup store where the system has a say: two processes saving at once under one name, and
// a folder that fills up (a file size limit of the process, as a full disk refuses a write).
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <array>
#include <cstdint>
#include <optional>
#include <set>

#include "backup_store.h"

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(17, 5, 12, 345), QTimeZone::utc());

// Each process saves its backups as fast as it can, all with one time and one callsign: every
// one is kept whole, and each image has its own settings file beside it.
TEST(BackupStorePosix, TwoProcessesSavingAtOnceShareNoName) {
    QTemporaryDir dir;
    constexpr int kEach = 30;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    pid_t children[2];
    for (int child = 0; child < 2; ++child) {
        children[child] = ::fork();
        ASSERT_GE(children[child], 0);
        if (children[child] == 0) {
            char go = 0;
            ::close(start[1]);
            const bool started = ::read(start[0], &go, 1) == 0;  // both at once, at the close
            const BackupStore store(dir.path());
            int failed = started ? 0 : 1;
            for (int i = 0; i < kEach; ++i) {
                const auto fill = static_cast<std::uint8_t>(child * kEach + i);
                std::array<std::uint8_t, 128> image;
                image.fill(fill);
                const QByteArray settings = QByteArray::number(fill);
                failed +=
                    store.save(image, QByteArrayView(settings), "DL1ABC-9", kNow).failed ? 1 : 0;
            }
            ::_exit(failed);
        }
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }

    std::set<int> fills;
    for (const Backup& backup : BackupStore(dir.path()).list()) {
        QFile image(backup.image), settings(backup.settings);
        ASSERT_TRUE(image.open(QIODevice::ReadOnly) && settings.open(QIODevice::ReadOnly));
        const QByteArray bytes = image.readAll();
        ASSERT_EQ(bytes.size(), 128);
        const int fill = static_cast<std::uint8_t>(bytes.at(0));
        EXPECT_EQ(bytes, QByteArray(128, char(fill)));
        EXPECT_EQ(settings.readAll(), QByteArray::number(fill)) << backup.image.toStdString();
        fills.insert(fill);
    }
    EXPECT_EQ(fills.size(), 2u * kEach);
}

// A limit on the size of the files this process writes, while it lives; a write past it fails
// (EFBIG) instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : previousSignal_(::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit limit{bytes, previous_.rlim_max};
        set_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousSignal_);
    }
    bool set() const { return set_; }

  private:
    sighandler_t previousSignal_;
    rlimit previous_{};
    bool set_ = false;
};

// Room for neither file, or for the settings file and not the image: the save says why, and
// leaves nothing of itself behind, the settings file least of all; the backup before it stays.
TEST(BackupStorePosix, FolderThatFillsUpKeepsNothingOfTheBackup) {
    QTemporaryDir dir;
    const BackupStore store(dir.path());
    std::array<std::uint8_t, 128> image{};
    ASSERT_FALSE(store.save(image, QByteArrayView("x = 1\n"), "N0CALL", kNow).failed);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    for (const rlim_t room : {rlim_t{4}, rlim_t{64}}) {
        std::optional<BackupStore::Saved> saved;
        {
            const FileSizeLimit limit(room);
            if (limit.set())
                saved = store.save(image, QByteArrayView("x = 2\n"), "N0CALL", kNow.addSecs(1));
        }
        if (!saved)
            GTEST_SKIP() << "this process may not limit the size of its files (setrlimit)";
        ASSERT_TRUE(saved->failed) << room;
        EXPECT_EQ(*saved->failed, "File too large") << room;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before) << room;
    }
}

}  // namespace
