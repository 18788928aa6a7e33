#include "tracker_backup.h"

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <vector>

#include "backup_store.h"
#include "cli_messages.h"
#include "output_file.h"
#include "qt_text.h"
#include "settings_file.h"
#include "stderr_console.h"

namespace {

// The longest callsign a tracker holds, "ABCDEF-15": the file names line up below each other.
constexpr int kCallsignWidth = 9;
// The time of a backup in the user's own time zone, to the second.
constexpr const char* kTimeShown = "yyyy-MM-dd HH:mm:ss";

}  // namespace

bool keepBackup(std::span<const std::uint8_t> image, const CTrackerConfig& record,
                const QString& versionReply) {
    const BackupStore store(BackupStore::defaultFolder());
    const std::string settings = settingsText(record, versionReply);
    const std::optional<QString> failed =
        store.save(image, QByteArrayView(settings.data(), static_cast<qsizetype>(settings.size())),
                   toQString(record.callsign()), QDateTime::currentDateTimeUtc());
    if (!failed)
        return false;
    return reportProblem(
        toQString(CliText::kBackupFailed).arg(QDir::toNativeSeparators(store.folder()), *failed));
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
    for (const Backup& backup : backups) {
        const QString line = toQString(CliText::kBackupLine)
                                 .arg(backup.time.toLocalTime().toString(kTimeShown),
                                      backup.callsign.leftJustified(kCallsignWidth),
                                      QDir::toNativeSeparators(backup.image));
        text += line.toLocal8Bit() + '\n';
    }
    return OutputFile({}).commit(text) ? ExitStatus::BadInput : ExitStatus::Success;
}
