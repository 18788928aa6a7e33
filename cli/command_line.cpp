#include "command_line.h"

#include <QCommandLineParser>
#include <array>
#include <string_view>

#include "cli_messages.h"
#include "command_bytes.h"
#include "qt_text.h"
#include "tone_stop.h"

namespace {

// What each command takes besides the port.
struct CommandForm {
    std::string_view name;
    Command command;
    std::string_view synopsis;
    bool takesPort;
    bool takesOutput;
    bool takesImage;
    qsizetype minArguments;
    qsizetype maxArguments;
};
constexpr std::array kCommands{
    CommandForm{"version", Command::Version, CliText::kVersionSynopsis, true, false, false, 0, 0},
    CommandForm{"read", Command::Read, CliText::kReadSynopsis, true, true, true, 0, 0},
    CommandForm{"write", Command::Write, CliText::kWriteSynopsis, true, false, true, 0, 1},
    CommandForm{"diff", Command::Diff, CliText::kDiffSynopsis, true, false, false, 1, 1},
    CommandForm{"check", Command::Check, CliText::kCheckSynopsis, true, false, false, 0, 1},
    CommandForm{"tone", Command::Tone, CliText::kToneSynopsis, true, false, false, 1, 1},
    CommandForm{"ports", Command::Ports, CliText::kPortsSynopsis, false, false, false, 0, 0},
    CommandForm{"backups", Command::Backups, CliText::kBackupsSynopsis, false, false, false, 0, 0},
};

struct ToneName {
    std::string_view name;
    char code;
};
constexpr std::array kToneNames{
    ToneName{"1200", command_bytes::kTone1200},
    ToneName{"2200", command_bytes::kTone2200},
    ToneName{"both", command_bytes::kToneBoth},
    ToneName{"stop", command_bytes::kToneOff},
};

constexpr int kMostToneSeconds = static_cast<int>(tone_stop::kLongestTimedTone.count());

Invocation invalid(const QString& problem) {
    Invocation invocation;
    invocation.text = problem;
    return invocation;
}

Invocation usageOf(const CommandForm& form) {
    return invalid(toQString(CliText::kUsage).arg(toQString(form.synopsis)));
}

char toneCode(const QString& name) {
    for (const ToneName& tone : kToneNames) {
        if (name == toQString(tone.name))
            return tone.code;
    }
    return 0;
}

}  // namespace

Invocation parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(toQString(CliText::kDescription)
                                         .arg(kMostToneSeconds)
                                         .arg(tone_stop::kWindowToneLimit.count()));
    // Our own help and version options: Qt's help would offer Qt's own options too.
    const QCommandLineOption help({"h", "help"}, toQString(CliText::kHelpHelp));
    const QCommandLineOption version({"v", "version"}, toQString(CliText::kVersionHelp));
    const QCommandLineOption port({"p", "port"}, toQString(CliText::kPortHelp),
                                  toQString(CliText::kDeviceValue));
    const QCommandLineOption output({"o", "output"}, toQString(CliText::kOutputHelp),
                                    toQString(CliText::kFileValue));
    const QCommandLineOption image({"i", "image"}, toQString(CliText::kImageHelp),
                                   toQString(CliText::kFileValue));
    const QCommandLineOption toneFor("for", toQString(CliText::kForHelp),
                                     toQString(CliText::kSecondsValue));
    const QCommandLineOption noBackup("no-backup", toQString(CliText::kNoBackupHelp));
    const QCommandLineOption strict("strict", toQString(CliText::kStrictHelp));
    const QCommandLineOption quiet({"q", "quiet"}, toQString(CliText::kQuietHelp));
    const QCommandLineOption showHeader("show-header", toQString(CliText::kShowHeaderHelp));
    const QCommandLineOption force("force", toQString(CliText::kForceHelp));
    const QCommandLineOption verbose("verbose", toQString(CliText::kVerboseHelp));
    parser.addOptions({help, version, port, output, image, noBackup, strict, quiet, showHeader,
                       force, toneFor, verbose});
    parser.addPositionalArgument(toQString(CliText::kCommandArgument),
                                 toQString(CliText::kCommandArgumentHelp),
                                 toQString(CliText::kCommandArgumentSyntax));

    if (!parser.parse(arguments))
        return invalid(parser.errorText());
    if (parser.isSet(help)) {
        Invocation invocation;
        invocation.command = Command::Help;
        invocation.text = parser.helpText();
        return invocation;
    }
    if (parser.isSet(version)) {
        Invocation invocation;
        invocation.command = Command::ShowVersion;
        return invocation;
    }

    QStringList words = parser.positionalArguments();
    if (words.isEmpty())
        return invalid(toQString(CliText::kNoCommand));
    const QString name = words.takeFirst();
    const CommandForm* form = nullptr;
    for (const CommandForm& candidate : kCommands) {
        if (name == toQString(candidate.name))
            form = &candidate;
    }
    if (form == nullptr)
        return invalid(toQString(CliText::kUnknownCommand).arg(name));

    // Options given more than once, or to a command that has no use for them, are mistakes
    // worth pointing out rather than ignoring.
    const auto misused = [&](const QCommandLineOption& option, bool takes) {
        const qsizetype count = parser.values(option).size();
        return count > 1 || (count == 1 && !takes);
    };
    if (misused(port, form->takesPort) || misused(output, form->takesOutput) ||
        misused(image, form->takesImage) || misused(toneFor, form->command == Command::Tone) ||
        ((parser.isSet(noBackup) || parser.isSet(strict) || parser.isSet(quiet) ||
          parser.isSet(force)) &&
         form->command != Command::Write) ||
        (parser.isSet(showHeader) && form->command != Command::Read) ||
        words.size() < form->minArguments || words.size() > form->maxArguments) {
        return usageOf(*form);
    }

    Invocation invocation;
    invocation.command = form->command;
    if (parser.isSet(port))
        invocation.port = parser.value(port);
    invocation.output = parser.value(output);
    invocation.image = parser.value(image);
    invocation.backup = !parser.isSet(noBackup);
    invocation.strict = parser.isSet(strict);
    invocation.quiet = parser.isSet(quiet);
    invocation.showHeader = parser.isSet(showHeader);
    invocation.force = parser.isSet(force);
    invocation.verbose = parser.isSet(verbose);
    switch (form->command) {
        case Command::Write:
            // A settings file or an image, never both, never neither.
            if (words.isEmpty() == invocation.image.isEmpty())
                return usageOf(*form);
            if (!words.isEmpty())
                invocation.file = words.front();
            break;
        case Command::Diff:
            invocation.file = words.front();
            break;
        case Command::Check:
            // A file is checked on its own: a port would go unused.
            if (!words.isEmpty() && parser.isSet(port))
                return usageOf(*form);
            invocation.file = words.value(0);
            break;
        case Command::Tone:
            invocation.toneCode = toneCode(words.front());
            if (invocation.toneCode == 0 ||
                (invocation.toneCode == command_bytes::kToneOff && parser.isSet(toneFor))) {
                return usageOf(*form);
            }
            if (parser.isSet(toneFor)) {
                bool whole = false;
                invocation.toneSeconds = parser.value(toneFor).toInt(&whole);
                if (!whole || invocation.toneSeconds < 1 ||
                    invocation.toneSeconds > kMostToneSeconds) {
                    return invalid(toQString(CliText::kBadSeconds)
                                       .arg(parser.value(toneFor))
                                       .arg(kMostToneSeconds));
                }
            }
            break;
        default:
            break;
    }
    return invocation;
}
