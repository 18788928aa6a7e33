#include "settings_advice.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "aprs_advice.h"
#include "beacon_header.h"
#include "cli_messages.h"
#include "config_image.h"
#include "output_file.h"
#include "qt_text.h"
#include "settings_file.h"
#include "settings_keys.h"
#include "stderr_console.h"
#include "tracker_config.h"
#include "tracker_memory.h"
#include "tracker_units.h"

namespace {

using AprsAdvice::Level;
using AprsAdvice::Setting;

struct SettingKey {
    Setting setting;
    std::string_view key;
};
constexpr std::array kSettingKeys{
    SettingKey{Setting::Callsign, SettingsKey::kCallsign},
    SettingKey{Setting::DigiPath, SettingsKey::kDigiPath},
    SettingKey{Setting::StatusText, SettingsKey::kStatusText},
    SettingKey{Setting::StatusEvery, SettingsKey::kStatusEvery},
    SettingKey{Setting::Station, SettingsKey::kStation},
    SettingKey{Setting::KeyupDelay, SettingsKey::kKeyupDelay},
    SettingKey{Setting::TxInterval, SettingsKey::kTransmitInterval},
};

struct LevelName {
    Level level;
    std::string_view name;
};
constexpr std::array kLevelNames{
    LevelName{Level::Note, CliText::kNote},
    LevelName{Level::Warning, CliText::kWarning},
    LevelName{Level::Error, CliText::kError},
};

std::string_view keyOf(Setting setting) {
    for (const SettingKey& row : kSettingKeys) {
        if (row.setting == setting)
            return row.key;
    }
    return {};
}

std::string_view nameOf(Level level) {
    for (const LevelName& row : kLevelNames) {
        if (row.level == level)
            return row.name;
    }
    return {};
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// What is wrong, what to use instead and why, in the user's language: the finding's format with
// its values, a number of hops in the plural form its number takes there.
QString findingText(const AprsAdvice::Finding& finding) {
    QStringList values;
    for (const AprsAdvice::Value& value : finding.values) {
        const std::optional<QString> hops =
            value.hops ? translatedCount(AprsAdvice::kHops, *value.hops) : std::nullopt;
        values << hops.value_or(latin1(value.text));
    }
    return translatedText(finding.format, values);
}

// The settings the image holds. Only write --force sends an image without any (a restore of
// memory kept as it was): there is nothing in it to hold against the network's rules.
std::optional<CTrackerConfig> settingsOf(std::span<const std::uint8_t> image) {
    return decodeQuietly(image.first(ConfigImage::kSize));
}

// One line per finding of at least the given level, the setting shown as the settings file
// writes it.
QStringList findingLines(const CTrackerConfig& record,
                         const std::vector<AprsAdvice::Finding>& found, Level least) {
    const std::vector<SettingsValue> values = settingsValues(record);
    QStringList lines;
    for (const AprsAdvice::Finding& finding : found) {
        if (finding.level < least)
            continue;
        const std::string_view key = keyOf(finding.setting);
        const auto value = std::find_if(values.begin(), values.end(),
                                        [key](const SettingsValue& v) { return v.key == key; });
        lines << toQString(CliText::kFinding)
                     .arg(toQString(nameOf(finding.level)), toQString(key),
                          value == values.end() ? QString() : QString::fromStdString(value->value),
                          findingText(finding));
    }
    return lines;
}

std::optional<QString> headerLine(std::span<const std::uint8_t> image) {
    const std::optional<std::string> line =
        BeaconHeader::monitorLine(image.first(ConfigImage::kSize));
    if (!line)
        return std::nullopt;
    return printable(QString::fromLatin1(line->data(), static_cast<qsizetype>(line->size())));
}

void printOnStderr(const QStringList& lines) {
    for (const QString& line : lines)
        StderrConsole::printLine(line);
}

}  // namespace

ExitStatus checkFile(const QString& path) {
    CTrackerConfig record;
    QStringList refused;
    QStringList notes;
    {
        ProblemCapture capture;
        const std::optional<SettingsFile> file =
            SettingsFile::read(path, SettingsFile::BadKey::IsLeftOut);
        refused = capture.take();
        if (!file) {
            printOnStderr(refused);
            return ExitStatus::BadInput;
        }
        // The tracker's own status text with no room behind the file's path is refused too;
        // the defaults are then checked as they are.
        if (file->applyTo(record))
            refused << capture.take();
        if (!file->complete()) {
            notes << toQString(CliText::kCheckedAtDefaults)
                         .arg(path, file->missingKeys().join(toQString(CliText::kKeySeparator)));
        }
    }
    // As a write stores them: a time read back from a tracker keeps its step.
    record.keyupDelayMs = TrackerUnits::keyupDelayToStore(record.keyupDelayMs);
    record.quietTimeMs = TrackerUnits::quietTimeToStore(record.quietTimeMs);
    std::array<std::uint8_t, ConfigImage::kSize> image{};
    if (ConfigImage::encode(record, image) != ConfigImage::kSize)
        return ExitStatus::BadInput;
    return printAdvice(image, refused, notes);
}

ExitStatus printAdvice(std::span<const std::uint8_t> image, const QStringList& refused,
                       const QStringList& notes) {
    const CTrackerConfig record = settingsOf(image).value_or(CTrackerConfig{});
    const std::vector<AprsAdvice::Finding> found = AprsAdvice::check(record);
    QByteArray text;
    const auto add = [&text](const QString& line) { text += line.toLocal8Bit() + '\n'; };
    if (const std::optional<QString> header = headerLine(image))
        add(*header);
    for (const QString& problem : refused)
        add(toQString(CliText::kRefusedValue).arg(problem));
    for (const QString& line : notes + findingLines(record, found, Level::Note))
        add(line);
    if (OutputFile({}).commit(text))
        return ExitStatus::BadInput;
    const Level worst = refused.isEmpty() ? AprsAdvice::worst(found) : Level::Error;
    return worst == Level::Error     ? ExitStatus::BadInput
           : worst == Level::Warning ? ExitStatus::Warned
                                     : ExitStatus::Success;
}

bool refusedAsStrict(const Invocation& invocation, std::span<const std::uint8_t> image) {
    const std::optional<CTrackerConfig> settings = settingsOf(image);
    if (!invocation.strict || !settings)
        return false;
    const CTrackerConfig& record = *settings;
    const std::vector<AprsAdvice::Finding> found = AprsAdvice::check(record);
    if (AprsAdvice::worst(found) != Level::Error)
        return false;
    printOnStderr(findingLines(record, found, Level::Warning));
    return reportProblem(toQString(CliText::kStrictRefused));
}

void warnBeforeUpload(const Invocation& invocation, std::span<const std::uint8_t> image) {
    const std::optional<CTrackerConfig> settings = settingsOf(image);
    if (invocation.quiet || !settings)
        return;
    const CTrackerConfig& record = *settings;
    printOnStderr(findingLines(record, AprsAdvice::check(record), Level::Warning));
}

std::string headerComment(const Invocation& invocation, std::span<const std::uint8_t> image) {
    const std::optional<QString> header = invocation.showHeader ? headerLine(image) : std::nullopt;
    return header ? toQString(CliText::kHeaderComment).arg(*header).toStdString() + '\n'
                  : std::string();
}
