// The settings file: a tracker's settings as TOML text in UTF-8, written by `read` for backups and
// read by `write` to restore them or to clone them into another tracker. A file may give only
// some of the keys; the others are then the tracker's own.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracker_config.h"

class SettingsFile {
  public:
    static constexpr std::size_t kKeyCount = 9;

    // What a key the file cannot give does to the reading (an unknown key, a value of the wrong
    // type, a text or address the tracker cannot store, a number it cannot hold, a status text
    // with no room behind the path): it ends it, or (for check) the key is left out and the
    // reading goes on. Either way the problem is reported.
    enum class BadKey { Refuses, IsLeftOut };

    // Reads and checks a file. On a problem (the file cannot be read, is no TOML, or a bad key
    // that refuses it) reports it, naming the file, the key and what is allowed, and returns
    // nothing.
    static std::optional<SettingsFile> read(const QString& path, BadKey badKey = BadKey::Refuses);
    // The same for text already read; name stands for the file in messages.
    static std::optional<SettingsFile> parse(std::string_view text, const QString& name,
                                             BadKey badKey = BadKey::Refuses);

    bool complete() const;
    // The keys the file lacks, in the order a full file has them.
    QStringList missingKeys() const;
    // Sets the keys the file gives on the record and leaves the rest of it as it is. When the
    // status text would then not fit behind the path (a partial file on the tracker's own
    // settings) it reports that, leaves the record as it was and returns the failure mark.
    [[nodiscard]] bool applyTo(CTrackerConfig& record) const;

  private:
    SettingsFile() = default;

    bool given(std::size_t key) const { return !where_[key].isEmpty(); }
    bool statusDoesNotFit(const CTrackerConfig& record) const;

    CTrackerConfig values_;
    // Where each key stands in the file ("backup.toml:3"); empty for a key the file lacks.
    std::array<QString, kKeyCount> where_{};
};

// One key of a settings file with its value as the file writes it: "callsign" and "\"N0CALL\"".
struct SettingsValue {
    std::string key;
    std::string value;

    friend bool operator==(const SettingsValue&, const SettingsValue&) = default;
};

// Every key for the record, with its value, in a fixed order. Station modes 128 and 64 are
// named, any other is given as its number.
std::vector<SettingsValue> settingsValues(const CTrackerConfig& record);

// A whole settings file for the record: a comment naming the tracker's version reply, then every
// key of settingsValues as "key = value".
std::string settingsText(const CTrackerConfig& record, const QString& versionReply);
