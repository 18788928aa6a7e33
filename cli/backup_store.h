// The backups pelmoxctl keeps of what a tracker held just before each write: the image it
// downloaded, as it was, and a settings file beside it when that image decodes, in the user's
// state folder. A backup is whole or absent: each file is written under a temporary name and
// given its own only when no other file has it, the image last, and only an image counts as a
// backup. They are ordered by a number in the name that each backup takes one past the highest
// there, never by the computer's clock; the name also carries the time (UTC) and the callsign
// for people. The newest kKept by that order are kept; older ones go once a new one is saved.
#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

struct Backup {
    std::uint64_t sequence = 0;  // the order they were made in; 0 in names from before it
    QDateTime time;              // UTC, as the computer's clock had it
    QString callsign;            // kNoCallsign for memory that did not decode
    QString image;               // the image file, for write --image
    QString settings;            // the settings file beside it; empty for an image only
};

class BackupStore {
  public:
    static constexpr std::size_t kKept = 100;
    // What a backup cut short left (a temporary file, a settings file without its image) is
    // removed once it is this old, so that a save still under way in another program keeps it.
    static constexpr std::chrono::seconds kLeftoverAge{60};
    // Stands for the callsign in the name of memory that does not decode: longer than any
    // callsign a tracker can hold, so no image that decodes can share its name.
    static constexpr const char* kNoCallsign = "unreadable";

    // $XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups without it), or
    // %LOCALAPPDATA%\pelmoxconfig\backups on Windows.
    static QString defaultFolder();

    explicit BackupStore(QString folder) : folder_(std::move(folder)) {}
    const QString& folder() const { return folder_; }

    struct Saved {
        QString image;                  // the backup's image file
        std::optional<QString> failed;  // why it could not be saved; nothing of it is then left
    };
    // Saves one backup, the settings file only when given, with the clock's time now; then
    // removes the oldest beyond kKept by order (never this one) and leftovers older than
    // kLeftoverAge by now.
    Saved save(std::span<const std::uint8_t> image, std::optional<QByteArrayView> settings,
               const QString& callsign, const QDateTime& now) const;
    // The backups in the folder, newest first; none when there is no folder.
    std::vector<Backup> list() const;

  private:
    void prune(const QString& kept, const QDateTime& now) const;

    QString folder_;
};
