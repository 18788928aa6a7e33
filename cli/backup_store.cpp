#include "backup_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimeZone>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli_messages.h"
#include "file_place.h"
#include "qt_text.h"

namespace {

constexpr const char* kSubfolder = "pelmoxconfig/backups";
// Times in UTC, so that a change of time zone or of summer time never changes a name.
constexpr const char* kTimeFormat = "yyyyMMdd'T'HHmmss.zzz'Z'";
// Wide enough that a listing of the folder sorts as the order does for the first million.
constexpr int kSequenceWidth = 6;
constexpr const char* kImageSuffix = ".img";
constexpr const char* kSettingsSuffix = ".toml";
// How many later numbers a backup may move to when other programs saving at once take its own.
constexpr int kNameTries = 1000;

// Number, time, callsign: "000042_20261209T170512.345Z_DL1ABC-9.img". Names from before the
// number was kept have none ("20261209T170512.345Z_DL1ABC-9.img") and come before every
// numbered one. A temporary file has a further ending (".img.a1B2c3"), which a backup never has.
const QRegularExpression& backupName() {
    static const QRegularExpression name(QStringLiteral(
        "^(?:(\\d{1,18})_)?(\\d{8}T\\d{6}\\.\\d{3}Z)_([A-Za-z0-9_-]*)\\.(img|toml)(\\.\\w+)?$"));
    return name;
}
enum Field { kSequence = 1, kTime, kCallsign, kKind, kTemporary };

// The callsign as it may stand in a file name on every system: what a tracker with garbage in
// its memory holds shows as underscores.
QString nameSafe(const QString& callsign) {
    QString safe = callsign;
    for (QChar& c : safe) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QChar('-'))
            c = QChar('_');
    }
    return safe;
}

QString stemOf(std::uint64_t sequence, const QDateTime& time, const QString& callsign) {
    return QStringLiteral("%1_%2_%3")
        .arg(sequence, kSequenceWidth, 10, QChar('0'))
        .arg(time.toUTC().toString(kTimeFormat), nameSafe(callsign));
}

// Read as the UTC it is, never as local time (which may skip the hour it names).
QDateTime timeOf(const QString& stamp) {
    return QDateTime(QDate::fromString(stamp.left(8), QStringLiteral("yyyyMMdd")),
                     QTime::fromString(stamp.mid(9, 10), QStringLiteral("HHmmss.zzz")),
                     QTimeZone::utc());
}

// Newest first: by number, and among equal numbers (two programs that saved at once, names
// from before the number) by time, then by name.
bool newerFirst(const Backup& a, const Backup& b) {
    if (a.sequence != b.sequence)
        return a.sequence > b.sequence;
    if (a.time != b.time)
        return a.time > b.time;
    return a.image > b.image;
}

}  // namespace

QString BackupStore::defaultFolder() {
#ifdef Q_OS_WIN
    QString base = qEnvironmentVariable("LOCALAPPDATA");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    // A relative XDG_STATE_HOME is to be ignored, as the base directory rules say.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
#endif
    return QDir::cleanPath(base + '/' + kSubfolder);
}

BackupStore::Saved BackupStore::save(std::span<const std::uint8_t> image,
                                     std::optional<QByteArrayView> settings,
                                     const QString& callsign, const QDateTime& now) const {
    std::error_code error;
    // Made with the standard library, not QDir::mkpath, for the system's reason when it fails.
    std::filesystem::create_directories(QDir(folder_).filesystemAbsolutePath(), error);
    if (error)
        return {{}, QString::fromLocal8Bit(error.message())};

    const QDir dir(folder_);
    const std::vector<Backup> present = list();
    std::uint64_t sequence = present.empty() ? 1 : present.front().sequence + 1;
    const auto bytes = QByteArrayView(image.data(), static_cast<qsizetype>(image.size()));
    // The first file placed takes the name; when another program has just taken it, the backup
    // moves on to the next number.
    for (int tries = 0; tries < kNameTries; ++tries, ++sequence) {
        const QString stem = stemOf(sequence, now, callsign);
        const QString imagePath = dir.filePath(stem + kImageSuffix);
        const QString settingsPath = dir.filePath(stem + kSettingsSuffix);
        if (settings) {
            const PlaceResult placed = placeNewFile(settingsPath, *settings);
            if (placed.outcome == Placed::NameTaken)
                continue;
            if (placed.outcome == Placed::Failed)
                return {{}, placed.error};
        }
        const PlaceResult placed = placeNewFile(imagePath, bytes);
        if (placed.outcome != Placed::Done && settings)
            QFile::remove(settingsPath);
        if (placed.outcome == Placed::NameTaken)
            continue;
        if (placed.outcome == Placed::Failed)
            return {{}, placed.error};
        prune(imagePath, now);
        return {imagePath, std::nullopt};
    }
    return {{}, toQString(CliText::kNoFreeBackupName)};
}

std::vector<Backup> BackupStore::list() const {
    const QDir dir(folder_);
    std::vector<Backup> backups;
    for (const QString& name : dir.entryList({QStringLiteral("*") + kImageSuffix}, QDir::Files)) {
        const QRegularExpressionMatch match = backupName().match(name);
        if (!match.hasMatch() || match.captured(kKind) != QLatin1String("img") ||
            match.hasCaptured(kTemporary)) {
            continue;
        }
        const QString settings =
            dir.filePath(name.chopped(qsizetype(std::strlen(kImageSuffix))) + kSettingsSuffix);
        backups.push_back({match.captured(kSequence).toULongLong(), timeOf(match.captured(kTime)),
                           match.captured(kCallsign), dir.filePath(name),
                           QFile::exists(settings) ? settings : QString()});
    }
    std::sort(backups.begin(), backups.end(), newerFirst);
    return backups;
}

void BackupStore::prune(const QString& kept, const QDateTime& now) const {
    const std::vector<Backup> backups = list();
    for (std::size_t i = kKept; i < backups.size(); ++i) {
        if (backups[i].image == kept)
            continue;
        // The image first: without it the settings file is no backup, and goes below if left.
        if (QFile::remove(backups[i].image) && !backups[i].settings.isEmpty())
            QFile::remove(backups[i].settings);
    }
    // Temporary files and settings files without their image, from a backup cut short.
    const QDir dir(folder_);
    const QDateTime leftoverBefore = now.addSecs(-kLeftoverAge.count());
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files)) {
        const QRegularExpressionMatch match = backupName().match(file.fileName());
        if (!match.hasMatch() || file.lastModified().toUTC() >= leftoverBefore)
            continue;
        const bool temporary = match.hasCaptured(kTemporary);
        const bool loneSettings = match.captured(kKind) == QLatin1String("toml") &&
                                  !dir.exists(file.completeBaseName() + kImageSuffix);
        if (temporary || loneSettings)
            QFile::remove(file.filePath());
    }
}
