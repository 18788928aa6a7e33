#include "settings_file.h"

#include <toml++/toml.h>
#include <QFile>
#include <cstdint>
#include <sstream>

#include "config_image.h"
#include "digi_path.h"
#include "qt_text.h"
#include "settings_file_messages.h"
#include "settings_keys.h"
#include "station_address.h"
#include "stderr_console.h"
#include "tracker_units.h"

namespace {

namespace Text = SettingsFileText;

enum class Kind {
    Address,  // one station address, at most `most` characters
    Path,     // a digipeater path, at most `most` characters
    Status,   // the status beacon text: at most the room the codec leaves behind the path
    Number,   // a whole number from `least` to `most`
    Station,  // a named kind of station, or a mode byte
};

struct Setting {
    std::string_view name;
    Kind kind;
    std::int64_t least;
    std::int64_t most;
    std::int32_t CTrackerConfig::*number;
    std::string_view (CTrackerConfig::*text)() const;
    void (CTrackerConfig::*setText)(std::string_view);
};

// The limits are what the image holds, as the codec builds it: anything beyond them the codec
// would cut, clamp or narrow, and the tracker would store something nobody asked for.
constexpr std::int64_t kByte = ConfigImage::kMostInOneByte;

// In the order `read` writes them.
constexpr std::array<Setting, SettingsFile::kKeyCount> kSettings{{
    {SettingsKey::kCallsign, Kind::Address, 0, CTrackerConfig::kCallsignSize - 1, nullptr,
     &CTrackerConfig::callsign, &CTrackerConfig::setCallsign},
    {SettingsKey::kDigiPath, Kind::Path, 0, CTrackerConfig::kDigiPathSize - 1, nullptr,
     &CTrackerConfig::digiPath, &CTrackerConfig::setDigiPath},
    {SettingsKey::kStatusText, Kind::Status, 0, CTrackerConfig::kStatusTextSize - 1, nullptr,
     &CTrackerConfig::statusText, &CTrackerConfig::setStatusText},
    {SettingsKey::kStatusEvery, Kind::Number, 0, kByte, &CTrackerConfig::statusEvery, nullptr,
     nullptr},
    {SettingsKey::kStation, Kind::Station, 0, kByte, &CTrackerConfig::stationMode, nullptr,
     nullptr},
    {SettingsKey::kKeyupDelay, Kind::Number, 0, TrackerUnits::kLongestKeyupDelayMs,
     &CTrackerConfig::keyupDelayMs, nullptr, nullptr},
    {SettingsKey::kTransmitInterval, Kind::Number, 0, ConfigImage::kMostInTwoBytes,
     &CTrackerConfig::txIntervalSec, nullptr, nullptr},
    {SettingsKey::kQuietTime, Kind::Number, 0, TrackerUnits::kLongestQuietTimeMs,
     &CTrackerConfig::quietTimeMs, nullptr, nullptr},
    {SettingsKey::kCalibration, Kind::Number, 0, kByte, &CTrackerConfig::calibration, nullptr,
     nullptr},
}};
constexpr std::size_t indexOf(Kind kind) {
    std::size_t i = 0;
    while (i < kSettings.size() && kSettings[i].kind != kind)
        ++i;
    return i;
}
constexpr std::size_t kDigiPathIndex = indexOf(Kind::Path);
constexpr std::size_t kStatusTextIndex = indexOf(Kind::Status);

// Anything longer is not a settings file; refusing it keeps a stray device or huge file from
// being read into memory whole.
constexpr qint64 kMostFileBytes = 64 * 1024;
constexpr char32_t kLastLatin1 = 0xFF;
constexpr int kHexBase = 16;
constexpr int kCodePointDigits = 4;

// Texts are written as plain quoted strings on one line: letters beyond ASCII as they are (the
// file is UTF-8), control characters escaped.
constexpr toml::format_flags kFormat = toml::format_flags::allow_unicode_strings;

QString q(std::string_view text) {
    return toQString(text);
}

QString where(const QString& name, const toml::node& node) {
    return q(Text::kWhereLine).arg(name).arg(node.source().begin.line);
}

QString allKeys() {
    QStringList names;
    for (const Setting& setting : kSettings)
        names << q(setting.name);
    return names.join(q(Text::kKeySeparator));
}

const Setting* settingNamed(std::string_view name) {
    for (const Setting& setting : kSettings) {
        if (setting.name == name)
            return &setting;
    }
    return nullptr;
}

// The Latin-1 bytes of a text from the file, or a report (true) of the first character the
// tracker cannot store. A zero character would end the text early, so it counts as one.
bool latin1Of(const std::string& utf8, const QString& at, const Setting& setting,
              std::string& out) {
    const QString text = QString::fromStdString(utf8);
    for (const char32_t c : text.toUcs4()) {
        if (c == 0 || c > kLastLatin1) {
            const QString code = QString::number(static_cast<uint>(c), kHexBase).toUpper();
            return reportProblem(q(Text::kNotLatin1)
                                     .arg(at, q(setting.name))
                                     .arg(code.rightJustified(kCodePointDigits, QChar('0'))));
        }
    }
    const QByteArray bytes = text.toLatin1();
    out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return false;
}

QString addressRule() {
    return q(Text::kAddressRule).arg(StationAddress::kNameLength).arg(StationAddress::kMaxSsid);
}

// The text as it stands in the file, on one line.
QString shown(std::string_view latin1) {
    return printable(QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size())));
}

// Addresses the tracker would store as something else are refused, as is a path it has no room
// for; a path's length is checked last, as the record holds it.
bool checkAddresses(const Setting& setting, std::string_view latin1, const QString& at) {
    const QString key = q(setting.name);
    if (setting.kind == Kind::Address && !StationAddress::isExact(latin1))
        return reportProblem(q(Text::kNotAnAddress).arg(at, key, shown(latin1), addressRule()));
    if (setting.kind != Kind::Path)
        return false;
    if (const auto inexact = firstInexactAddress(latin1)) {
        return reportProblem(q(Text::kNotAnAddressInPath)
                                 .arg(at, key, shown(latin1), shown(*inexact), addressRule()));
    }
    const std::size_t count = splitDigiPath(latin1).size();
    if (count > ConfigImage::kMaxDigipeaters) {
        return reportProblem(
            q(Text::kTooManyDigipeaters).arg(at, key).arg(count).arg(ConfigImage::kMaxDigipeaters));
    }
    return false;
}

bool takeText(const Setting& setting, const toml::node& node, const QString& at,
              CTrackerConfig& values) {
    const QString key = q(setting.name);
    const auto* value = node.as_string();
    if (value == nullptr)
        return reportProblem(q(Text::kNotText).arg(at, key));
    std::string latin1;
    if (latin1Of(value->get(), at, setting, latin1) || checkAddresses(setting, latin1, at))
        return true;
    // A status text never has more room than behind no path at all; the path it goes with is
    // known only once the whole file, and perhaps the tracker, has been read.
    const std::int64_t most = setting.kind == Kind::Status
                                  ? static_cast<std::int64_t>(ConfigImage::statusRoom(0))
                                  : setting.most;
    if (static_cast<std::int64_t>(latin1.size()) > most)
        return reportProblem(q(Text::kTooLong).arg(at, key).arg(latin1.size()).arg(most));
    (values.*setting.setText)(latin1);
    return false;
}

bool takeNumber(const Setting& setting, const toml::node& node, const QString& at,
                CTrackerConfig& values) {
    const QString key = q(setting.name);
    const auto* value = node.as_integer();
    if (value == nullptr) {
        return reportProblem(
            q(Text::kNotWholeNumber).arg(at, key).arg(setting.least).arg(setting.most));
    }
    if (value->get() < setting.least || value->get() > setting.most) {
        return reportProblem(q(Text::kOutOfRange)
                                 .arg(at, key)
                                 .arg(value->get())
                                 .arg(setting.least)
                                 .arg(setting.most));
    }
    values.*setting.number = static_cast<std::int32_t>(value->get());
    return false;
}

bool takeStation(const Setting& setting, const toml::node& node, const QString& at,
                 CTrackerConfig& values) {
    if (const auto* name = node.as_string()) {
        if (name->get() == SettingsKey::kStationWx200) {
            values.stationMode = CTrackerConfig::kModeWx200;
            return false;
        }
        if (name->get() == SettingsKey::kStationPeet) {
            values.stationMode = CTrackerConfig::kModePeet;
            return false;
        }
    }
    if (const auto* mode = node.as_integer();
        mode != nullptr && mode->get() >= setting.least && mode->get() <= setting.most) {
        values.stationMode = static_cast<std::int32_t>(mode->get());
        return false;
    }
    return reportProblem(
        q(Text::kBadStation)
            .arg(at, q(setting.name), q(SettingsKey::kStationWx200), q(SettingsKey::kStationPeet)));
}

// Checks one value from the file and sets it on the record; the failure mark comes back after
// the problem was reported.
bool take(const Setting& setting, const toml::node& node, const QString& at,
          CTrackerConfig& values) {
    switch (setting.kind) {
        case Kind::Number:
            return takeNumber(setting, node, at, values);
        case Kind::Station:
            return takeStation(setting, node, at, values);
        case Kind::Address:
        case Kind::Path:
        case Kind::Status:
            break;
    }
    return takeText(setting, node, at, values);
}

}  // namespace

std::optional<SettingsFile> SettingsFile::read(const QString& path, BadKey badKey) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportProblem(q(Text::kCannotRead).arg(path, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMostFileBytes + 1);
    if (bytes.size() > kMostFileBytes) {
        reportProblem(q(Text::kTooLarge).arg(path).arg(kMostFileBytes));
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        reportProblem(q(Text::kCannotRead).arg(path, file.errorString()));
        return std::nullopt;
    }
    return parse(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), path,
                 badKey);
}

std::optional<SettingsFile> SettingsFile::parse(std::string_view text, const QString& name,
                                                BadKey badKey) {
    toml::table table;
    // The library reports a malformed file by exception; it goes no further than here.
    try {
        table = toml::parse(text, name.toStdString());
    } catch (const toml::parse_error& error) {
        const QString at = q(Text::kWhereLine).arg(name).arg(error.source().begin.line);
        reportProblem(q(Text::kMalformed).arg(at, q(error.description())));
        return std::nullopt;
    }

    SettingsFile file;
    for (const auto& [key, node] : table) {
        const QString at = where(name, node);
        const Setting* setting = settingNamed(key.str());
        if (setting == nullptr)
            reportProblem(q(Text::kUnknownKey).arg(at, q(key.str()), allKeys()));
        if (setting == nullptr || take(*setting, node, at, file.values_)) {
            if (badKey == BadKey::Refuses)
                return std::nullopt;
            continue;
        }
        file.where_[static_cast<std::size_t>(setting - kSettings.data())] = at;
    }
    // What the file alone tells: its status text behind its own path, or behind none.
    if (file.given(kStatusTextIndex)) {
        CTrackerConfig alone;
        alone.setDigiPath({});
        if (file.applyTo(alone)) {
            if (badKey == BadKey::Refuses)
                return std::nullopt;
            file.where_[kStatusTextIndex].clear();
        }
    }
    return file;
}

bool SettingsFile::complete() const {
    return missingKeys().isEmpty();
}

QStringList SettingsFile::missingKeys() const {
    QStringList missing;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (!given(i))
            missing << q(kSettings[i].name);
    }
    return missing;
}

bool SettingsFile::applyTo(CTrackerConfig& record) const {
    CTrackerConfig applied = record;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        const Setting& setting = kSettings[i];
        if (!given(i))
            continue;
        if (setting.number != nullptr) {
            applied.*setting.number = values_.*setting.number;
        } else {
            (applied.*setting.setText)((values_.*setting.text)());
        }
    }
    if (statusDoesNotFit(applied))
        return true;
    record = applied;
    return false;
}

bool SettingsFile::statusDoesNotFit(const CTrackerConfig& record) const {
    const std::string_view path = record.digiPath();
    const std::size_t room = ConfigImage::statusRoom(splitDigiPath(path).size());
    const std::size_t length = record.statusText().size();
    // A tracker whose own text does not fit its own path is not the file's doing; the codec
    // cuts it as the window would.
    if (length <= room || (!given(kStatusTextIndex) && !given(kDigiPathIndex)))
        return false;
    if (given(kStatusTextIndex)) {
        return reportProblem(q(Text::kStatusTooLong)
                                 .arg(where_[kStatusTextIndex])
                                 .arg(length)
                                 .arg(shown(path))
                                 .arg(room)
                                 .arg(ConfigImage::statusRoom(0))
                                 .arg(StationAddress::kFieldSize));
    }
    return reportProblem(q(Text::kNoRoomForTrackersStatus)
                             .arg(where_[kDigiPathIndex], shown(path))
                             .arg(room)
                             .arg(length));
}

std::vector<SettingsValue> settingsValues(const CTrackerConfig& record) {
    std::vector<SettingsValue> values;
    for (const Setting& setting : kSettings) {
        toml::table line;
        if (setting.number == nullptr) {
            const std::string_view latin1 = (record.*setting.text)();
            line.insert(setting.name,
                        QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()))
                            .toStdString());
        } else if (setting.kind == Kind::Station &&
                   record.stationMode == CTrackerConfig::kModeWx200) {
            line.insert(setting.name, std::string(SettingsKey::kStationWx200));
        } else if (setting.kind == Kind::Station &&
                   record.stationMode == CTrackerConfig::kModePeet) {
            line.insert(setting.name, std::string(SettingsKey::kStationPeet));
        } else {
            line.insert(setting.name, std::int64_t{record.*setting.number});
        }
        std::ostringstream text;
        text << toml::toml_formatter(*line.get(setting.name), kFormat);
        values.push_back({std::string(setting.name), text.str()});
    }
    return values;
}

std::string settingsText(const CTrackerConfig& record, const QString& versionReply) {
    std::string out = q(Text::kVersionComment).arg(versionReply).toStdString() + '\n';
    for (const SettingsValue& setting : settingsValues(record))
        out += setting.key + std::string(Text::kAssignment) + setting.value + '\n';
    return out;
}
