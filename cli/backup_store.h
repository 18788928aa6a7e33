// The backups pelmoxctl keeps of what a tracker held just before each write: the image it
// downloaded, and a settings file beside it, named with the time and the callsign the tracker
// held, in the user's state folder. A backup is whole or absent: each file is written under a
// temporary name and renamed into place, the image last, and only an image counts as a backup.
// The newest kKept are kept; older ones go once a new one is saved.
#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct Backup {
    QDateTime time;  // UTC
    QString callsign;
    QString image;     // the image file, for write --image
    QString settings;  // the settings file beside it
};

class BackupStore {
  public:
    static constexpr std::size_t kKept = 100;

    // $XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups without it), or
    // %LOCALAPPDATA%\pelmoxconfig\backups on Windows.
    static QString defaultFolder();

    explicit BackupStore(QString folder) : folder_(std::move(folder)) {}
    const QString& folder() const { return folder_; }

    // Saves one backup, then removes the oldest beyond kKept. Nothing when it is saved; else
    // why not (the system's reason), and nothing of it is left in the folder.
    std::optional<QString> save(std::span<const std::uint8_t> image, QByteArrayView settings,
                                const QString& callsign, const QDateTime& time) const;
    // The backups in the folder, newest first; none when there is no folder.
    std::vector<Backup> list() const;

  private:
    void prune() const;

    QString folder_;
};
