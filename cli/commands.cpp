#include "commands.h"

#include <QCoreApplication>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "awake_hold.h"
#include "cli_messages.h"
#include "command_bytes.h"
#include "config_image.h"
#include "countdown.h"
#include "exchange_time.h"
#include "image_file.h"
#include "message_box.h"
#include "output_file.h"
#include "port_choice.h"
#include "port_details.h"
#include "port_report.h"
#include "port_selection.h"
#include "progress_display.h"
#include "qt_text.h"
#include "settings_advice.h"
#include "settings_file.h"
#include "stderr_console.h"
#include "stderr_presenter.h"
#include "stop_request.h"
#include "tone_guard.h"
#include "tracker_backup.h"
#include "tracker_config.h"
#include "tracker_link.h"
#include "tracker_memory.h"
#include "tracker_units.h"
#include "upload_guard.h"

namespace {

// The version reply as the window takes it: at most 29 characters and a terminator.
constexpr std::size_t kReplyBufferSize = 32;
using Reply = std::array<char, kReplyBufferSize>;
// A whole image, with room to spare for a tracker that sends more than it should.
using ImageBuffer = std::array<std::uint8_t, exchange_time::kImageBuffer>;

using Step = ProgressDisplay::Step;

Step findingStep() {
    return {toQString(CliText::kFindingTracker), exchange_time::identify(0)};
}
Step readingStep() {
    return {toQString(CliText::kReadingSettings), exchange_time::readVerified()};
}
Step writingStep() {
    return {toQString(CliText::kWritingSettings), exchange_time::writeVerified()};
}

// The version reply as the window shows it, on one line: without the line end a tracker may
// send after it, and with control characters (which a terminal would act on, and a comment line
// may not hold) shown as '?'.
QString versionLine(const Reply& reply) {
    QString line = QString::fromLatin1(reply.data());
    while (!line.isEmpty() && line.back().isSpace())
        line.chop(1);
    return printable(line);
}

bool findTracker(CTrackerLink& link, Reply& reply) {
    return link.findTracker(std::span(reply).first(exchange_time::kReplyCapacity));
}

// Two downloads of 128 bytes that agree, as Read Configuration takes them, and their settings when
// they decode. The failure is an error box, as in the window, so that it is not told after a
// device has gone. Memory that does not decode was read all the same: each command decides.
bool readMemory(CTrackerLink& link, TrackerMemory& memory) {
    ImageBuffer buffer{};
    const std::size_t length = link.readImageVerified(buffer);
    const auto bytes = std::span<const std::uint8_t>(buffer).first(ConfigImage::kSize);
    if (length != ConfigImage::kSize)
        return errorBox(CliText::kReadFailed);
    std::copy(bytes.begin(), bytes.end(), memory.image.begin());
    memory.settings = decodeQuietly(bytes);
    return false;
}

// The tracker found and its memory read, showing the progress of both steps.
bool findAndReadMemory(CTrackerLink& link, Reply& reply, TrackerMemory& memory) {
    // The port stays ours from the search to the second download, so that no other program
    // slips in between the exchanges and talks to the tracker meanwhile.
    const CTrackerLink::PortHold hold = link.holdPort();
    ProgressDisplay progress({findingStep(), readingStep()});
    if (findTracker(link, reply))
        return true;
    progress.advance();
    return readMemory(link, memory);
}

// The same, for the commands that need the settings: memory that holds none (a new or erased
// tracker's) is a failure too, told in one line.
bool findAndReadSettings(CTrackerLink& link, Reply& reply, TrackerMemory& memory) {
    if (findAndReadMemory(link, reply, memory))
        return true;
    if (memory.settings)
        return false;
    reportProblem(noSettingsLine(memory.image));
    return true;
}

// A keyup delay or quiet time as the tracker reports it stores the very step it came from, so
// a backup restores, and a key a partial file lacks stays, exactly as the tracker had it.
void keepReadBackSteps(CTrackerConfig& record) {
    record.keyupDelayMs = TrackerUnits::keyupDelayToStore(record.keyupDelayMs);
    record.quietTimeMs = TrackerUnits::quietTimeToStore(record.quietTimeMs);
}

// The image a write of the file stores over the record (the tracker's settings, or defaults for a
// complete file): the file's keys set on it, and encoded with the codec's checks and notices.
// Failure mark when the file does not fit the record (a status text behind the path) or the
// codec refuses it.
bool encodeForWrite(const SettingsFile& file, CTrackerConfig& record, ImageBuffer& buffer) {
    if (file.applyTo(record))
        return true;
    keepReadBackSteps(record);
    return ConfigImage::encode(record, buffer) != ConfigImage::kSize;
}

// A write that a signal cannot cut short: from the first byte of the upload to the end of its
// check, SIGINT, SIGTERM, SIGHUP and Ctrl+Z (and Ctrl+C and closing the console on Windows)
// wait, for a tracker left with part of an image stores nonsense and may not answer again. A
// signal before the upload ends the program at once, as nothing has been written yet.
class UninterruptedWrite {
  public:
    explicit UninterruptedWrite(bool verbose) : verbose_(verbose) {}

    // The link's verified write, with the signals held while it runs; its failure mark. Sleep
    // waits for it too: the hold is taken before the first byte and let go once the check is
    // over, and logind's delay keeps the computer awake until then (the upload and its check
    // take about 3 s, within the 5 s logind waits by default).
    bool run(CTrackerLink& link, std::span<const std::uint8_t> image) {
        stop_.emplace();
        AwakeHold& awake = awake_.emplace(verbose_);
        const UploadGuard::Listener before =
            UploadGuard::setListener([&awake](bool running) { awake.set(running); });
        bool failed = false;
        {
            const UploadGuard upload;
            failed = link.writeImageVerified(image);
        }
        UploadGuard::setListener(before);
        return failed;
    }
    // Once the progress line is gone: when a signal came during the write, says so and ends as
    // it asked, or pauses and goes on once continued. Without one, nothing.
    void actIfAsked() {
        if (!stop_)
            return;
        if (stop_->requested()) {
            StderrConsole::printLine(toQString(CliText::kWriteFinishedFirst));
            stop_->endAsRequested();
        }
        if (!stop_->pauseRequested())
            return;
        StderrConsole::printLine(toQString(CliText::kWriteFinishedBeforePause));
        stop_->pauseAsRequested();
        if (stop_->requested())
            stop_->endAsRequested();
    }

  private:
    bool verbose_;
    std::optional<StopRequest> stop_;
    std::optional<AwakeHold> awake_;
};

bool printLines(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines)
        text += line.toLocal8Bit() + '\n';
    return OutputFile({}).commit(text);
}

ExitStatus outputStatus(bool failed) {
    return failed ? ExitStatus::BadInput : ExitStatus::Success;
}

ExitStatus version(const Invocation& invocation) {
    CTrackerLink link;
    const LinkFailureLines failureLines(link);
    if (selectPort(link, invocation.port))
        return ExitStatus::BadInput;
    Reply reply{};
    if (findTracker(link, reply))
        return ExitStatus::DeviceFailed;
    return outputStatus(printLines({versionLine(reply)}));
}

ExitStatus read(const Invocation& invocation) {
    CTrackerLink link;
    const LinkFailureLines failureLines(link);
    if (selectPort(link, invocation.port))
        return ExitStatus::BadInput;
    OutputFile settingsOut(invocation.output);
    OutputFile imageOut(invocation.image);
    if (settingsOut.open() || (!invocation.image.isEmpty() && imageOut.open()))
        return ExitStatus::BadInput;

    Reply reply{};
    TrackerMemory memory;
    if (findAndReadSettings(link, reply, memory))
        return ExitStatus::DeviceFailed;
    const ImageBytes& image = memory.image;
    if (!invocation.image.isEmpty() &&
        imageOut.commit(QByteArrayView(image.data(), static_cast<qsizetype>(image.size())))) {
        return ExitStatus::BadInput;
    }
    std::string text = settingsText(*memory.settings, versionLine(reply));
    text.insert(text.find('\n') + 1, headerComment(invocation, image));
    return outputStatus(settingsOut.commit(text));
}

// After a verified write: what the tracker now stores, in the settings file's form; for an image
// that does not decode (written with --force), a line saying so.
ExitStatus printStored(std::span<const std::uint8_t> written, const Reply& reply) {
    const std::optional<CTrackerConfig> stored = decodeQuietly(written);
    if (!stored) {
        StderrConsole::printLine(toQString(CliText::kWroteNoSettings));
        return ExitStatus::Success;
    }
    return outputStatus(OutputFile({}).commit(settingsText(*stored, versionLine(reply))));
}

// The image read equals the one a write would send, byte for byte: nothing is sent (no write
// cycle of the tracker's memory is spent), and what it stores is printed as after a write.
bool alreadyHeld(const Invocation& invocation, const TrackerMemory& held,
                 std::span<const std::uint8_t> toSend) {
    if (invocation.force || !std::equal(toSend.begin(), toSend.end(), held.image.begin()))
        return false;
    StderrConsole::printLine(toQString(CliText::kAlreadyHeld));
    return true;
}

// A tracker that answered but whose memory could not be read twice alike: the write could still
// go through without its backup. A port that failed needs no such line; its own says it all.
void backupReadFailed(const CTrackerLink& link) {
    if (!link.portFailure())
        reportProblem(toQString(CliText::kBackupReadFailed));
}

ExitStatus write(const Invocation& invocation) {
    const std::optional<SettingsFile> file = SettingsFile::read(invocation.file);
    if (!file)
        return ExitStatus::BadInput;
    CTrackerLink link;
    const LinkFailureLines failureLines(link);
    if (selectPort(link, invocation.port))
        return ExitStatus::BadInput;

    // A complete file is encoded before the tracker is asked, so that its problems come first; a
    // partial one needs the tracker's own settings under it first, and is refused before the
    // write when its status text and the tracker's path (or the other way round) do not fit.
    CTrackerConfig record;
    ImageBuffer buffer{};
    const bool partial = !file->complete();
    if (!partial && (encodeForWrite(*file, record, buffer) || refusedAsStrict(invocation, buffer)))
        return ExitStatus::BadInput;

    const auto written = std::span<const std::uint8_t>(buffer).first(ConfigImage::kSize);
    const bool reads = partial || invocation.backup;
    Reply reply{};
    UninterruptedWrite uninterrupted(invocation.verbose);
    bool failed = false;
    {
        // From the search to the end of the check the port stays ours: another program taking it
        // between the exchanges could change the tracker between the find, the upload and the
        // check, or keep the check from reading what was stored.
        const CTrackerLink::PortHold hold = link.holdPort();
        ProgressDisplay progress(reads ? std::vector{findingStep(), readingStep(), writingStep()}
                                       : std::vector{findingStep(), writingStep()});
        if (findTracker(link, reply))
            return ExitStatus::DeviceFailed;
        progress.advance();
        if (reads) {
            TrackerMemory held;
            if (readMemory(link, held)) {
                // A file that names every setting needs the read only for its backup.
                if (!partial)
                    backupReadFailed(link);
                return ExitStatus::DeviceFailed;
            }
            progress.advance();
            if (partial) {
                if (!held.settings) {
                    reportProblem(toQString(CliText::kPartialOnNoSettings).arg(invocation.file));
                    return ExitStatus::BadInput;
                }
                record = *held.settings;
                if (encodeForWrite(*file, record, buffer) || refusedAsStrict(invocation, buffer))
                    return ExitStatus::BadInput;
            }
            if (alreadyHeld(invocation, held, written))
                return printStored(written, reply);
            if (invocation.backup && keepBackup(held, versionLine(reply)))
                return ExitStatus::BadInput;
        }
        warnBeforeUpload(invocation, written);
        failed = uninterrupted.run(link, written);
    }
    uninterrupted.actIfAsked();
    if (failed)
        return ExitStatus::DeviceFailed;
    if (partial && !invocation.quiet) {
        StderrConsole::printLine(
            toQString(CliText::kKeptKeys)
                .arg(invocation.file, file->missingKeys().join(toQString(CliText::kKeySeparator))));
    }
    return invocation.quiet ? ExitStatus::Success : printStored(written, reply);
}

ExitStatus writeImage(const Invocation& invocation) {
    ImageBytes image{};
    if (readImageFile(invocation.image, image))
        return ExitStatus::BadInput;
    // An image that does not decode would leave the tracker without settings; only a backup
    // (memory kept as a tracker held it) or --force sends one.
    CTrackerConfig check;
    if (!invocation.force && !isKeptBackup(invocation.image) && ConfigImage::decode(check, image)) {
        reportProblem(toQString(CliText::kImageFileDamaged).arg(invocation.image));
        return ExitStatus::BadInput;
    }
    if (refusedAsStrict(invocation, image))
        return ExitStatus::BadInput;
    CTrackerLink link;
    const LinkFailureLines failureLines(link);
    if (selectPort(link, invocation.port))
        return ExitStatus::BadInput;

    Reply reply{};
    UninterruptedWrite uninterrupted(invocation.verbose);
    bool failed = false;
    {
        // The port stays ours from the search to the end of the check, as for a settings file.
        const CTrackerLink::PortHold hold = link.holdPort();
        // The backup costs one more read of the tracker, as it holds what the image replaces.
        ProgressDisplay progress(invocation.backup
                                     ? std::vector{findingStep(), readingStep(), writingStep()}
                                     : std::vector{findingStep(), writingStep()});
        if (findTracker(link, reply))
            return ExitStatus::DeviceFailed;
        progress.advance();
        if (invocation.backup) {
            TrackerMemory held;
            if (readMemory(link, held)) {
                backupReadFailed(link);
                return ExitStatus::DeviceFailed;
            }
            progress.advance();
            if (alreadyHeld(invocation, held, image))
                return printStored(image, reply);
            if (keepBackup(held, versionLine(reply)))
                return ExitStatus::BadInput;
        }
        warnBeforeUpload(invocation, image);
        failed = uninterrupted.run(link, image);
    }
    uninterrupted.actIfAsked();
    if (failed)
        return ExitStatus::DeviceFailed;
    return invocation.quiet ? ExitStatus::Success : printStored(image, reply);
}

// Memory without settings differs from every file; a complete file is still checked as a write
// would encode it, so that its problems come first.
ExitStatus differsFromNoSettings(const SettingsFile& file, std::span<const std::uint8_t> image) {
    CTrackerConfig record;
    ImageBuffer buffer{};
    if (file.complete() && encodeForWrite(file, record, buffer))
        return ExitStatus::BadInput;
    return printLines({noSettingsLine(image)}) ? ExitStatus::BadInput : ExitStatus::Differs;
}

// The tracker's settings against a file's, as a write of the file would store them: the same
// checks and rounding, nothing sent but the read. Only the keys the file gives are compared.
ExitStatus diff(const Invocation& invocation) {
    const std::optional<SettingsFile> file = SettingsFile::read(invocation.file);
    if (!file)
        return ExitStatus::BadInput;
    CTrackerLink link;
    const LinkFailureLines failureLines(link);
    if (selectPort(link, invocation.port))
        return ExitStatus::BadInput;

    Reply reply{};
    TrackerMemory memory;
    if (findAndReadMemory(link, reply, memory))
        return ExitStatus::DeviceFailed;
    if (!memory.settings)
        return differsFromNoSettings(*file, memory.image);
    const CTrackerConfig& tracker = *memory.settings;
    CTrackerConfig written = tracker;
    ImageBuffer buffer{};
    CTrackerConfig stored;
    if (encodeForWrite(*file, written, buffer) ||
        ConfigImage::decode(stored, std::span(buffer).first(ConfigImage::kSize))) {
        return ExitStatus::BadInput;
    }

    const QStringList notGiven = file->missingKeys();
    const std::vector<SettingsValue> has = settingsValues(tracker);
    const std::vector<SettingsValue> wants = settingsValues(stored);
    QStringList differences;
    for (std::size_t i = 0; i < has.size(); ++i) {
        const QString key = QString::fromStdString(has[i].key);
        if (notGiven.contains(key) || has[i].value == wants[i].value)
            continue;
        differences << toQString(CliText::kDifference)
                           .arg(key, QString::fromStdString(has[i].value),
                                QString::fromStdString(wants[i].value));
    }
    if (differences.isEmpty())
        return ExitStatus::Success;
    return printLines(differences) ? ExitStatus::BadInput : ExitStatus::Differs;
}

// The tracker's settings against what the APRS network asks, or a file's (settings_advice.h).
ExitStatus check(const Invocation& invocation) {
    if (!invocation.file.isEmpty())
        return checkFile(invocation.file);
    CTrackerLink link;
    const LinkFailureLines failureLines(link);
    if (selectPort(link, invocation.port))
        return ExitStatus::BadInput;
    Reply reply{};
    TrackerMemory memory;
    // Memory without settings is told as read tells it: there is nothing to hold against rules.
    if (findAndReadSettings(link, reply, memory))
        return ExitStatus::DeviceFailed;
    return printAdvice(memory.image);
}

// How a timed tone ended while the port was held: the exit status, the line to print once the
// port is given back, and whether the program then ends or pauses as a stop asked.
struct ToneEnd {
    enum class Then { Return, EndAsAsked, Pause };
    ExitStatus status = ExitStatus::Success;
    std::string_view line = {};
    Then then = Then::Return;
};

// A tone left on keys the transmitter after the program has ended: it blocks the channel for
// everyone and may overheat the radio. So the time is waited out here, and the tone is switched
// off at its end or as soon as a stop or pause is asked for; a stop asked for while the tracker
// is still being looked for ends the program before any tone is sent, and a pause then pauses
// it before the tone. The computer going to sleep switches it off too, before sleep goes on (a
// tracker left transmitting would transmit for the whole sleep), and it stays off after waking.
ToneEnd toneWhileHeld(CTrackerLink& link, char code, std::chrono::seconds time, StopRequest& stop,
                      bool verbose) {
    // Sleep waits while a tone is on: the hold is taken as the tone is recorded, before its code
    // goes out, and let go once its stop has got through.
    AwakeHold awake(verbose);
    ToneGuard guard;
    guard.setKeyedListener([&awake](bool keyed) { awake.set(keyed); });
    const ToneGuard::InUse inUse(guard, link);
    // The port stays ours from the search to the stop, so that another program cannot take it
    // in between and keep the stop from getting through.
    const CTrackerLink::PortHold hold = link.holdPort();
    Reply reply{};
    if (findTracker(link, reply))
        return {ExitStatus::DeviceFailed};
    stop.pauseAsRequested();
    if (stop.requested())
        return {ExitStatus::Success, CliText::kToneNotStarted, ToneEnd::Then::EndAsAsked};
    // The tracker's tone command switches any tone off before it starts the new one, so a start
    // that failed before its code went out leaves none on. One that failed after it (its close)
    // may have left the tone on: it is stopped at once, and counts as a failed stop when that
    // does not get through either.
    const CTrackerLink::ToneSent sent = guard.start(link, code);
    if (sent.failed && !sent.codeSent)
        return {ExitStatus::DeviceFailed};
    // Delivered during the countdown only, between exchanges: the stop goes out through the
    // port held, at the tone's speed, and the hold on sleep goes once it has got through. A stop
    // that does not is tried again on waking, as any tone still recorded is.
    bool sleepStopFailed = false;
    QObject::connect(&awake.watch(), &SleepWatch::aboutToSleep, [&] {
        for (const unsigned start : guard.tones().starts())
            sleepStopFailed = guard.stop(start) || sleepStopFailed;
    });
    CountdownEnd waited = CountdownEnd::TimeUp;
    if (!sent.failed)
        waited = countDown(time, toQString(CliText::kToneCountdown), stop, awake.watch());
    bool mayBeOn = false;
    for (const unsigned start : guard.tones().starts())
        mayBeOn = guard.stop(start) || mayBeOn;
    if (mayBeOn) {
        const QString device = QString::fromStdString(portText(portOf(link)));
        StderrConsole::printLine(toQString(CliText::kToneMayBeOn).arg(device));
        return {ExitStatus::ToneMayBeOn};
    }
    if (sent.failed)
        return {ExitStatus::DeviceFailed};
    if (stop.requested())
        return {ExitStatus::Success, CliText::kToneStoppedEarly, ToneEnd::Then::EndAsAsked};
    if (stop.pauseRequested()) {
        return {static_cast<ExitStatus>(StopRequest::pausedExitStatus()),
                CliText::kToneStoppedForPause, ToneEnd::Then::Pause};
    }
    if (waited == CountdownEnd::Slept) {
        return {ExitStatus::ToneStoppedForSleep,
                sleepStopFailed ? CliText::kToneStoppedAfterSleep : CliText::kToneStoppedForSleep};
    }
    return {};
}

ExitStatus toneFor(CTrackerLink& link, char code, std::chrono::seconds time, bool verbose) {
    StopRequest stop;
    const ToneEnd end = toneWhileHeld(link, code, time, stop, verbose);
    // Only once the hold has given the port back: a port still open when the signal ends the
    // program keeps its exclusive mode while the far end holds the line (a pseudo-terminal's
    // simulator, a network serial server), and nobody but root could open it again; nor is it
    // kept from other programs while this one is stopped.
    if (!end.line.empty())
        StderrConsole::printLine(toQString(end.line));
    if (end.then == ToneEnd::Then::Return)
        return end.status;
    if (end.then == ToneEnd::Then::Pause) {
        stop.pauseAsRequested();
        if (!stop.requested())
            return end.status;
    }
    stop.endAsRequested();
}

// A new process knows no speed yet: the tracker is found first, and its tones go out at the
// speed it answered at.
ExitStatus tone(const Invocation& invocation) {
    CTrackerLink link;
    const LinkFailureLines failureLines(link);
    if (selectPort(link, invocation.port))
        return ExitStatus::BadInput;
    if (invocation.toneSeconds > 0)
        return toneFor(link, invocation.toneCode, std::chrono::seconds(invocation.toneSeconds),
                       invocation.verbose);
    Reply reply{};
    if (findTracker(link, reply))
        return ExitStatus::DeviceFailed;
    if (invocation.toneCode == command_bytes::kToneOff)
        return link.tone(invocation.toneCode) ? ExitStatus::DeviceFailed : ExitStatus::Success;
    // Left on when the program ends, as asked; started the one way every tone is.
    ToneGuard guard;
    if (guard.start(link, invocation.toneCode).failed)
        return ExitStatus::DeviceFailed;
    StderrConsole::printLine(toQString(CliText::kToneStaysOn));
    return ExitStatus::Success;
}

}  // namespace

ExitStatus runCommand(const Invocation& invocation) {
    switch (invocation.command) {
        case Command::Help:
            return outputStatus(printLines({invocation.text}));
        case Command::ShowVersion:
            return outputStatus(printLines({QCoreApplication::applicationName() + ' ' +
                                            QCoreApplication::applicationVersion()}));
        case Command::Invalid:
            reportProblem(invocation.text);
            StderrConsole::printLine(toQString(CliText::kTryHelp));
            return ExitStatus::BadInput;
        case Command::Version:
            return version(invocation);
        case Command::Read:
            return read(invocation);
        case Command::Write:
            return invocation.image.isEmpty() ? write(invocation) : writeImage(invocation);
        case Command::Tone:
            return tone(invocation);
        case Command::Diff:
            return diff(invocation);
        case Command::Check:
            return check(invocation);
        case Command::Ports:
            return outputStatus(printLines(portListing(systemPortDetails())));
        case Command::Backups:
            return listBackups();
    }
    return ExitStatus::BadInput;
}
