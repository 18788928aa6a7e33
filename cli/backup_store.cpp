#include "backup_store.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimeZone>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kSubfolder = "pelmoxconfig/backups";
// Times in UTC, fixed width, so that the names sort as the times do and a change of time zone
// or of summer time never reorders them; milliseconds keep two writes in a second apart.
constexpr const char* kTimeFormat = "yyyyMMdd'T'HHmmss.zzz'Z'";
constexpr const char* kImageSuffix = ".img";
constexpr const char* kSettingsSuffix = ".toml";
// How many later milliseconds a name may move to when another backup already has it.
constexpr int kNameTries = 1000;

// Time, underscore, callsign: "20261209T170512.345Z_DL1ABC-9.img". A temporary file left by a
// backup that was cut short has another ending, and so never counts.
const QRegularExpression& imageName() {
    static const QRegularExpression name(
        QStringLiteral("^(\\d{8}T\\d{6}\\.\\d{3}Z)_([A-Za-z0-9_-]*)\\.img$"));
    return name;
}

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

std::optional<QString> writeWhole(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
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

std::optional<QString> BackupStore::save(std::span<const std::uint8_t> image,
                                         QByteArrayView settings, const QString& callsign,
                                         const QDateTime& time) const {
    std::error_code error;
    // Made with the standard library, not QDir::mkpath, for the system's reason when it fails.
    std::filesystem::create_directories(QDir(folder_).filesystemAbsolutePath(), error);
    if (error)
        return QString::fromLocal8Bit(error.message());

    const QDir dir(folder_);
    QString stem;
    for (int later = 0; later < kNameTries && stem.isEmpty(); ++later) {
        const QString candidate =
            time.toUTC().addMSecs(later).toString(kTimeFormat) + '_' + nameSafe(callsign);
        if (!dir.exists(candidate + kImageSuffix) && !dir.exists(candidate + kSettingsSuffix))
            stem = candidate;
    }
    if (stem.isEmpty())
        return QStringLiteral("no free file name");

    const QString imagePath = dir.filePath(stem + kImageSuffix);
    const QString settingsPath = dir.filePath(stem + kSettingsSuffix);
    if (std::optional<QString> failed = writeWhole(settingsPath, settings))
        return failed;
    const auto bytes = QByteArrayView(image.data(), static_cast<qsizetype>(image.size()));
    if (std::optional<QString> failed = writeWhole(imagePath, bytes)) {
        QFile::remove(settingsPath);
        return failed;
    }
    prune();
    return std::nullopt;
}

std::vector<Backup> BackupStore::list() const {
    const QDir dir(folder_);
    std::vector<Backup> backups;
    for (const QString& name : dir.entryList({QStringLiteral("*") + kImageSuffix}, QDir::Files)) {
        const QRegularExpressionMatch match = imageName().match(name);
        if (!match.hasMatch())
            continue;
        // Read as the UTC it is, never as local time (which may skip the hour it names).
        const QString stamp = match.captured(1);
        const QDateTime time(QDate::fromString(stamp.left(8), QStringLiteral("yyyyMMdd")),
                             QTime::fromString(stamp.mid(9, 10), QStringLiteral("HHmmss.zzz")),
                             QTimeZone::utc());
        const QString stem = name.chopped(static_cast<qsizetype>(std::strlen(kImageSuffix)));
        backups.push_back(
            {time, match.captured(2), dir.filePath(name), dir.filePath(stem + kSettingsSuffix)});
    }
    // The names sort as the times do: newest first.
    std::sort(backups.begin(), backups.end(),
              [](const Backup& a, const Backup& b) { return a.image > b.image; });
    return backups;
}

void BackupStore::prune() const {
    const std::vector<Backup> backups = list();
    for (std::size_t i = kKept; i < backups.size(); ++i) {
        QFile::remove(backups[i].image);
        QFile::remove(backups[i].settings);
    }
}
