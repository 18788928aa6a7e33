#include "tracker_backup.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "backup_store.h"
#include "cli_messages.h"
#include "output_file.h"
#include "qt_text.h"
#include "settings_file.h"
#include "stderr_console.h"

namespace {

// The longest name part, "unreadable" (callsigns have at most 9 characters, "ABCDEF-15"): the
// file names line up below each other.
constexpr int kCallsignWidth = 10;
// The time of a backup in the user's own time zone, to the second.
constexpr const char* kTimeShown = "yyyy-MM-dd HH:mm:ss";

}  // namespace

bool keepBackup(const TrackerMemory& held, const QString& versionReply) {
    const BackupStore store(BackupStore::defaultFolder());
    std::string settings;
    std::optional<QByteArrayView> settingsBytes;
    if (held.settings) {
        settings = settingsText(*held.settings, versionReply);
        settingsBytes = QByteArrayView(settings.data(), static_cast<qsizetype>(settings.size()));
    }
    const QString callsign = held.settings ? toQString(held.settings->callsign())
                                           : QString::fromLatin1(BackupStore::kNoCallsign);
    const BackupStore::Saved saved =
        store.save(held.image, settingsBytes, callsign, QDateTime::currentDateTimeUtc());
    if (!saved.failed)
        return false;
    return reportProblem(toQString(CliText::kBackupFailed)
                             .arg(QDir::toNativeSeparators(store.folder()), *saved.failed));
}

bool isKeptBackup(const QString& image) {
    const QString wanted = QFileInfo(image).canonicalFilePath();
    if (wanted.isEmpty())
        return false;
    const std::vector<Backup> backups = BackupStore(BackupStore::defaultFolder()).list();
    return std::any_of(backups.begin(), backups.end(), [&wanted](const Backup& backup) {
        return QFileInfo(backup.image).canonicalFilePath() == wanted;
    });
}

ExitStatus listBackups() {
    const BackupStore store(BackupStore::defaultFolder());
    const std::vector<Backup> backups = store.list();
    if (backups.empty()) {
        StderrConsole::printLine(
            toQString(CliText::kNoBackups).arg(QDir::toNativeSeparators(store.folder())));
        return ExitStatus::Success;
    }
    QByteArray text;
    for (std::size_t i = 0; i < backups.size(); ++i) {
        const Backup& backup = backups[i];
        QString line = toQString(CliText::kBackupLine)
                           .arg(backup.time.toLocalTime().toString(kTimeShown),
                                backup.callsign.leftJustified(kCallsignWidth),
                                QDir::toNativeSeparators(backup.image));
        QStringList notes;
        if (backup.settings.isEmpty())
            notes << toQString(CliText::kImageOnlyNote);
        // The order is the one they were made in; a clock that was behind, or had jumped ahead
        // before, shows as a time earlier than that of the backup made before it.
        if (i + 1 < backups.size() && backup.time < backups[i + 1].time)
            notes << toQString(CliText::kClockNote);
        if (!notes.isEmpty())
            line += toQString(CliText::kBackupNotes)
                        .arg(notes.join(toQString(CliText::kNoteSeparator)));
        text += line.toLocal8Bit() + '\n';
    }
    return OutputFile({}).commit(text) ? ExitStatus::BadInput : ExitStatus::Success;
}
