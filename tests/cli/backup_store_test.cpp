// The backup store on its own, with a folder and a clock of the test's: the order of the backups
// against a clock that is behind, jumps or stands still, what pruning keeps and removes, and a
// name another file already has.
#include "backup_store.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using Image = std::array<std::uint8_t, 128>;

Image imageOf(std::uint8_t fill) {
    Image image;
    image.fill(fill);
    return image;
}

QByteArray bytesOf(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
}

QDateTime utc(int year, int month = 1, int day = 1) {
    return QDateTime(QDate(year, month, day), QTime(12, 0), QTimeZone::utc());
}

class BackupStoreTest : public ::testing::Test {
  protected:
    // A backup whose image is all fill and whose settings file says so; none for image only.
    QString save(std::uint8_t fill, const QDateTime& now, bool withSettings = true,
                 const QString& callsign = QStringLiteral("DL1ABC-9")) {
        const QByteArray settings = "fill = " + QByteArray::number(fill) + "\n";
        const BackupStore::Saved saved = store.save(
            imageOf(fill), withSettings ? std::optional<QByteArrayView>(settings) : std::nullopt,
            callsign, now);
        EXPECT_FALSE(saved.failed) << saved.failed.value_or(QString()).toStdString();
        return saved.image;
    }
    // Each backup's image and settings file, newest first, as the fills they were made with.
    std::vector<int> fills() const {
        std::vector<int> found;
        for (const Backup& backup : store.list()) {
            const QByteArray image = bytesOf(backup.image);
            EXPECT_EQ(image.size(), 128) << backup.image.toStdString();
            const int fill = static_cast<std::uint8_t>(image.at(0));
            if (!backup.settings.isEmpty()) {
                EXPECT_EQ(bytesOf(backup.settings), "fill = " + QByteArray::number(fill) + "\n");
            }
            found.push_back(fill);
        }
        return found;
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
    BackupStore store{dir.path()};
};

// Same millisecond, a clock two years behind, a clock that jumps five years ahead and back: the
// backups stay in the order they were made, each under its own name with the time and callsign
// the clock and the tracker gave it.
TEST_F(BackupStoreTest, OrderIsTheOrderOfSavingWhateverTheClockSays) {
    const QDateTime now = utc(2026, 12, 9);
    save(1, now);
    save(2, now);
    save(3, now.addYears(-2));
    save(4, now.addYears(5));
    save(5, now.addSecs(60), false, BackupStore::kNoCallsign);
    EXPECT_EQ(fills(), (std::vector<int>{5, 4, 3, 2, 1}));
    const std::vector<Backup> backups = store.list();
    ASSERT_EQ(backups.size(), 5u);
    EXPECT_EQ(QFileInfo(backups[2].image).fileName(), "000003_20241209T120000.000Z_DL1ABC-9.img");
    EXPECT_EQ(backups[2].time, now.addYears(-2));
    EXPECT_EQ(backups[2].callsign, "DL1ABC-9");
    EXPECT_EQ(backups[0].callsign, BackupStore::kNoCallsign);
    EXPECT_TRUE(backups[0].settings.isEmpty());  // an image only
}

// With 100 backups dated years ahead of the clock, the next keeps its place and the oldest by
// order goes, image and settings file together. What a backup cut short left goes once it is a
// minute old, not before; a file of anyone else's stays.
TEST_F(BackupStoreTest, PruningKeepsTheNewestByOrderAndClearsOldLeftovers) {
    for (int i = 0; i < 100; ++i)
        save(static_cast<std::uint8_t>(i), utc(2030).addSecs(i));
    const QDateTime now = utc(2020);
    const auto put = [&](const QString& name, const QDateTime& modified) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush();
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    };
    const QDateTime old = now.addSecs(-61), young = now.addSecs(-30);
    const QStringList leftovers{"000200_20301201T000000.000Z_CUT.img.a1B2c3",
                                "000201_20301201T000000.000Z_CUT.toml.d4E5f6",
                                "000202_20301201T000000.000Z_CUT.toml"};
    const QStringList kept{"000300_20301201T000000.000Z_CUT.img.x1Y2z3",
                           "000301_20301201T000000.000Z_CUT.toml", "notes.txt"};
    for (const QString& name : leftovers)
        put(name, old);
    for (const QString& name : kept)
        put(name, name == "notes.txt" ? old : young);
    const QString first = store.list().back().image;
    const QString newest = save(200, now);

    const std::vector<int> found = fills();
    ASSERT_EQ(found.size(), BackupStore::kKept);
    EXPECT_EQ(found.front(), 200);
    EXPECT_EQ(found.back(), 1);
    EXPECT_EQ(store.list().front().image, newest);
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_FALSE(QFile::exists(first.chopped(4) + ".toml"));
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name.toStdString();
    for (const QString& name : kept)
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name.toStdString();
}

// A name already taken (here by a settings file another save has just placed, its image still to
// come) moves the backup on to a later number and leaves that file alone.
TEST_F(BackupStoreTest, TakenNameMovesToTheNextNumber) {
    const QDateTime now = utc(2026);
    save(1, now);
    QFile taken(dir.filePath("000002_20260101T120000.000Z_DL1ABC-9.toml"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("another save's\n");
    taken.close();
    const QString image = save(2, now);
    EXPECT_EQ(QFileInfo(image).fileName(), "000003_20260101T120000.000Z_DL1ABC-9.img");
    EXPECT_EQ(fills(), (std::vector<int>{2, 1}));
    EXPECT_EQ(bytesOf(dir.filePath("000002_20260101T120000.000Z_DL1ABC-9.toml")),
              "another save's\n");
}

}  // namespace
