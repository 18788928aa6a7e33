// Every text pelmoxctl itself puts on the terminal: usage, help, its own messages and the labels
// of its progress line. The tracker's and the link's messages come from their own tables.
// Texts with %1, %2... are filled in with QString::arg.
#pragma once

#include <string_view>

#include "link_messages.h"
#include "translatable.h"

namespace CliText {

inline constexpr std::string_view kProgramName = "pelmoxctl";
// Put in front of every line on standard error, as other command-line tools do.
inline constexpr std::string_view kLinePrefix = "pelmoxctl: ";

// %1 is the longest --for, in seconds; %2 the window's limit for a tone, in minutes.
inline constexpr std::string_view kDescription = PELMOX_TR(
    "CliText",
    "Reads, writes and checks the settings of a Pelmox APRS weather tracker on a serial port.\n"
    "\n"
    "Commands:\n"
    "  version                    ask the tracker who it is\n"
    "  read [--output FILE] [--image FILE]\n"
    "                             print its settings (or save them to FILE), and save the\n"
    "                             128-byte image\n"
    "  write FILE                 store the settings of FILE; keys FILE lacks keep the\n"
    "                             tracker's values\n"
    "  write --image FILE         store the image from FILE in the tracker\n"
    "  backups                    list the backups that write keeps, newest first: time,\n"
    "                             callsign and image file (restore one with write --image)\n"
    "  diff FILE                  compare the tracker's settings with FILE's; exit status 3\n"
    "                             when they differ or the tracker holds none\n"
    "  check [FILE]               hold the tracker's settings (or FILE's) against what the\n"
    "                             APRS network asks of a fixed weather station: the beacon\n"
    "                             header, then one line per error, warning or note\n"
    "  tone 1200|2200|both [--for SECONDS]\n"
    "                             send a test tone, for SECONDS (1 to %1) or until\n"
    "                             'tone stop'\n"
    "  tone stop                  stop the test tones\n"
    "  ports                      list the system's serial ports, one a line, with what the\n"
    "                             system knows of each\n"
    "\n"
    "Before it sends anything, write keeps what the tracker held: its image as it was, and a\n"
    "settings file beside it when the image holds settings, named with a number that gives\n"
    "their order (never the clock), the time and the callsign, in\n"
    "$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups; on Windows\n"
    "%LOCALAPPDATA%\\pelmoxconfig\\backups). The newest 100 are kept, older ones are removed.\n"
    "For this, write --image and a write of a complete FILE read the tracker first, about\n"
    "1.6 s more. When the backup cannot be saved nothing is sent; --no-backup writes without\n"
    "one. When the tracker already holds what write would send, nothing is sent (exit status\n"
    "0); --force sends it all the same, and lets write --image send an image that holds no\n"
    "settings. Memory that holds none (a new or erased tracker) is kept as an image only;\n"
    "read fails on it, diff says it differs, and only a complete FILE or an image is written.\n"
    "\n"
    "Before the upload write prints check's errors and warnings for what it sends, and goes\n"
    "on; --strict sends nothing when there is an error, --quiet prints only what fails.\n"
    "\n"
    "DEVICE is COM1 to COM4 (as in the window) or any device name; without --port the\n"
    "environment variable PELMOX_PORT names it. Exit status: 0 done, 1 the port or the tracker\n"
    "failed, 2 usage or file error (check: errors found), 3 diff found differences (check:\n"
    "warnings found), 4 a timed tone could not be stopped (the transmitter may still be keyed),\n"
    "5 a timed tone was stopped before its time because the computer went to sleep.\n"
    "\n"
    "A test tone keys the transmitter. pelmoxctl stops one only with --for: after the SECONDS\n"
    "you name (at most %1) or at Ctrl+C. The window stops the tones it started after %2 minutes.\n"
    "Ctrl+Z stops the tone first (exit status 148 after fg) and lets a write and its check\n"
    "finish before pelmoxctl pauses. When the computer goes to sleep, the tone is stopped first\n"
    "and stays off after waking (exit status 5), and a write and its check finish first where\n"
    "logind makes sleep wait (Linux); --verbose says when sleep cannot wait.");
inline constexpr std::string_view kCommandArgument = "command";
inline constexpr std::string_view kCommandArgumentHelp =
    PELMOX_TR("CliText", "version, read, write, diff, check, tone, ports or backups.");
inline constexpr std::string_view kCommandArgumentSyntax = "<command> [args]";
inline constexpr std::string_view kHelpHelp = PELMOX_TR("CliText", "Show this help.");
inline constexpr std::string_view kVersionHelp =
    PELMOX_TR("CliText", "Show the program's version.");
inline constexpr std::string_view kPortHelp =
    PELMOX_TR("CliText", "The serial port of the tracker.");
inline constexpr std::string_view kOutputHelp =
    PELMOX_TR("CliText", "read: save the settings to FILE.");
inline constexpr std::string_view kImageHelp =
    PELMOX_TR("CliText", "read: also save the image; write: store it.");
inline constexpr std::string_view kNoBackupHelp =
    PELMOX_TR("CliText", "write: send without keeping a backup of what the tracker held.");
inline constexpr std::string_view kStrictHelp =
    PELMOX_TR("CliText", "write: send nothing when check finds an error in it.");
inline constexpr std::string_view kQuietHelp = PELMOX_TR(
    "CliText", "write: print only what fails, not check's warnings or the settings stored.");
inline constexpr std::string_view kShowHeaderHelp =
    PELMOX_TR("CliText", "read: add the beacon header the tracker sends, as a comment.");
inline constexpr std::string_view kForceHelp =
    PELMOX_TR("CliText",
              "write: send even what the tracker already holds, or an image that does not decode.");
inline constexpr std::string_view kForHelp =
    PELMOX_TR("CliText", "tone: keep the tone on SECONDS, then stop it.");
inline constexpr std::string_view kVerboseHelp =
    PELMOX_TR("CliText", "Say when sleep cannot wait for a tone's stop or a write to finish.");
inline constexpr std::string_view kDeviceValue = "DEVICE";
inline constexpr std::string_view kFileValue = "FILE";
inline constexpr std::string_view kSecondsValue = "SECONDS";

inline constexpr std::string_view kVersionSynopsis = "pelmoxctl [--port DEVICE] version";
inline constexpr std::string_view kReadSynopsis =
    "pelmoxctl [--port DEVICE] read [--output FILE] [--image FILE] [--show-header]";
inline constexpr std::string_view kWriteSynopsis =
    "pelmoxctl [--port DEVICE] write [--no-backup] [--force] [--strict] [--quiet] FILE | write "
    "[...] "
    "--image FILE";
inline constexpr std::string_view kDiffSynopsis = "pelmoxctl [--port DEVICE] diff FILE";
inline constexpr std::string_view kCheckSynopsis = "pelmoxctl [--port DEVICE] check | check FILE";
inline constexpr std::string_view kToneSynopsis =
    "pelmoxctl [--port DEVICE] tone 1200|2200|both [--for SECONDS] | tone stop";
inline constexpr std::string_view kPortsSynopsis = "pelmoxctl ports";
inline constexpr std::string_view kBackupsSynopsis = "pelmoxctl backups";

inline constexpr std::string_view kNoCommand = PELMOX_TR("CliText", "no command given");
inline constexpr std::string_view kUnknownCommand = PELMOX_TR("CliText", "unknown command '%1'");
inline constexpr std::string_view kUsage = PELMOX_TR("CliText", "usage: %1");
inline constexpr std::string_view kTryHelp =
    PELMOX_TR("CliText", "Try 'pelmoxctl --help' for more.");
// tone --for: whole seconds from 1 to the most, given as %2.
inline constexpr std::string_view kBadSeconds =
    PELMOX_TR("CliText", "--for takes whole seconds from 1 to %2, not '%1'");

// Without --port and PELMOX_PORT.
inline constexpr std::string_view kPortVariable = "PELMOX_PORT";
inline constexpr std::string_view kNoPort = PELMOX_TR(
    "CliText",
    "no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)");
inline constexpr std::string_view kSystemPorts =
    PELMOX_TR("CliText", "the system's serial ports: %1");
inline constexpr std::string_view kNoSystemPorts =
    PELMOX_TR("CliText", "the system reports no serial ports");
inline constexpr std::string_view kPortSeparator = ", ";

// A port the link could not have, or lost: the device, the window's text, then why (when the
// system says).
inline constexpr std::string_view kPortFailure = "%1: %2: %3";
inline constexpr std::string_view kPortFailureWithoutReason = "%1: %2";
inline constexpr std::string_view kNoSuchDevice =
    PELMOX_TR("CliText", "no such device (not plugged in, or a wrong name?)");
inline constexpr std::string_view kNoHardware = PELMOX_TR("CliText", "no serial port behind %1");
inline constexpr std::string_view kNotSerialPort = PELMOX_TR("CliText", "%1 is not a serial port");
inline constexpr std::string_view kDeviceGone =
    PELMOX_TR("CliText", "the device is gone (unplugged?)");
inline constexpr std::string_view kInUseBy = PELMOX_TR("CliText", "in use by %1");
// A hold that does not say whose it is (an exclusive open), with the system's words.
inline constexpr std::string_view kInUseSaying = PELMOX_TR("CliText", "in use by %1 (%2)");
inline constexpr std::string_view kNamedHolder = "%1 (pid %2)";
inline constexpr std::string_view kUnnamedHolder = "process %1";
inline constexpr std::string_view kUnknownHolder = "another program";
// After the system's "Permission denied", when the device's group may open it.
inline constexpr std::string_view kJoinGroup =
    PELMOX_TR("CliText", "%1 (add your user to the %2 group, then log in again)");

// pelmoxctl ports: the name, then what is known, each as key="value" (text in double quotes,
// with \" and \\ inside it) or key=value (numbers and ids).
inline constexpr std::string_view kPortField = " %1=%2";
inline constexpr std::string_view kPortDescription = "description";
inline constexpr std::string_view kPortManufacturer = "manufacturer";
inline constexpr std::string_view kPortUsbIds = "usb";
inline constexpr std::string_view kPortUsbIdsValue = "%1:%2";
inline constexpr std::string_view kPortSerialNumber = "serial";
inline constexpr std::string_view kPortStablePath = "by-id";
inline constexpr std::string_view kPortHolder = "in-use-by";

// pelmoxctl diff: one line a key whose values differ.
inline constexpr std::string_view kDifference = PELMOX_TR("CliText", "%1: tracker %2, file %3");

// check, and write before its upload: one line per finding, its level, the setting with its
// value, and what is wrong, what to use instead and why. A value the tracker cannot hold is an
// error with the settings file's own words.
inline constexpr std::string_view kFinding = "%1: %2 = %3: %4";
inline constexpr std::string_view kNote = PELMOX_TR("CliText", "note");
inline constexpr std::string_view kWarning = PELMOX_TR("CliText", "warning");
inline constexpr std::string_view kError = PELMOX_TR("CliText", "error");
inline constexpr std::string_view kRefusedValue = PELMOX_TR("CliText", "error: %1");
// check FILE of a partial file: %1 the file, %2 the keys it lacks.
inline constexpr std::string_view kCheckedAtDefaults = PELMOX_TR(
    "CliText",
    "note: %1 does not give %2: checked at the tracker's defaults (a write of the file keeps the "
    "tracker's own)");
inline constexpr std::string_view kStrictRefused =
    PELMOX_TR("CliText", "what would be written has errors; nothing was sent (--strict)");
// read --show-header: the beacon header, a comment that leaves the file a settings file.
inline constexpr std::string_view kHeaderComment = "# Beacon: %1";

// The window's text when a read brings no usable image.
inline constexpr std::string_view kReadFailed = link_message::kImageReadFailed;
// A partial settings file: the file, then the keys it lacks.
inline constexpr std::string_view kKeptKeys =
    PELMOX_TR("CliText", "kept the tracker's own %2 (not in %1)");
inline constexpr std::string_view kKeySeparator = ", ";

inline constexpr std::string_view kImageFileSize =
    PELMOX_TR("CliText", "%1: an image file holds exactly 128 bytes, this one has %2");
inline constexpr std::string_view kImageFileDamaged =
    PELMOX_TR("CliText",
              "%1: not a configuration image the tracker can use; nothing was sent (--force sends "
              "it as it is)");
// Memory that does not decode (a new or erased tracker's): what read and diff say, and write
// after it has stored such an image (--force). The fills that name what it holds follow it.
inline constexpr std::string_view kNoSettingsHeld =
    PELMOX_TR("CliText", "the tracker's memory holds no readable settings");
inline constexpr std::string_view kMemoryErased =
    PELMOX_TR("CliText", " (all 128 bytes are 0xFF, as in a new or erased memory)");
inline constexpr std::string_view kMemoryZeroed = PELMOX_TR("CliText", " (all 128 bytes are zero)");
inline constexpr std::string_view kWroteNoSettings = PELMOX_TR(
    "CliText", "stored the image as it is; the tracker's memory holds no readable settings");
// A partial file, %1, needs the tracker's own settings for the keys it lacks.
inline constexpr std::string_view kPartialOnNoSettings =
    PELMOX_TR("CliText",
              "%1 gives only some settings, and the tracker's memory holds no readable settings "
              "to keep for the others; nothing was sent (write a complete file)");
// write, when the image it read equals the one it would send, byte for byte.
inline constexpr std::string_view kAlreadyHeld = PELMOX_TR(
    "CliText", "the tracker already holds these settings; nothing written (--force writes anyway)");
inline constexpr std::string_view kCannotRead = PELMOX_TR("CliText", "%1: cannot read it: %2");
inline constexpr std::string_view kCannotWrite = PELMOX_TR("CliText", "%1: cannot write it: %2");
inline constexpr std::string_view kStandardOutput = PELMOX_TR("CliText", "standard output");

// A tone started without --for, and the status line while one with it is on. A stop asked for
// (Ctrl+C, a signal) ends it early.
inline constexpr std::string_view kToneStaysOn =
    PELMOX_TR("CliText", "the tone stays on until 'pelmoxctl tone stop' (or use --for SECONDS)");
inline constexpr std::string_view kToneCountdown =
    PELMOX_TR("CliText", "Tone on, %1 s left (Ctrl+C stops it)");
inline constexpr std::string_view kToneStoppedEarly =
    PELMOX_TR("CliText", "stopped the tone early, as asked");
// A stop asked for while the tracker was still being looked for: no tone was sent.
inline constexpr std::string_view kToneNotStarted =
    PELMOX_TR("CliText", "stopped before the tone was started, as asked");
// Ctrl+Z while a timed tone is on: the tone goes off before the program pauses, and once it is
// continued (fg) it ends with 128 + SIGTSTP, as the shell reported it while it was stopped.
inline constexpr std::string_view kToneStoppedForPause =
    PELMOX_TR("CliText", "stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg");
// The computer went to sleep while a timed tone was on: the tone went off before it slept, and
// once it is awake the program ends (exit status 5) without keying the transmitter again.
inline constexpr std::string_view kToneStoppedForSleep =
    PELMOX_TR("CliText", "stopped the tone before the computer went to sleep; it stays off");
// ...and when no stop got through before it slept, but one did once it woke: the tracker may have
// transmitted while the computer slept.
inline constexpr std::string_view kToneStoppedAfterSleep = PELMOX_TR(
    "CliText",
    "could not stop the tone before the computer went to sleep, so it may have been on meanwhile; "
    "stopped it on waking");
// The last line when no stop got through: the device, as given.
inline constexpr std::string_view kToneMayBeOn = PELMOX_TR(
    "CliText",
    "the tracker on %1 may still be transmitting: stop it with 'pelmoxctl --port %1 tone stop' "
    "or by switching the tracker off");

// A stop asked for during a write waits for the write and its check to end, so the tracker is not
// left with part of an image; then the program ends as asked.
inline constexpr std::string_view kWriteFinishedFirst =
    PELMOX_TR("CliText", "finished the write and its check before stopping, as asked");
// Ctrl+Z during a write: the same, then the program pauses, and after fg it goes on.
inline constexpr std::string_view kWriteFinishedBeforePause =
    PELMOX_TR("CliText", "finished the write and its check before pausing, as Ctrl+Z asked");

// The backup a write keeps first: the folder, then why it could not be saved.
inline constexpr std::string_view kBackupFailed = PELMOX_TR(
    "CliText", "cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)");
// Why, when other programs saving at once took every name the backup could move on to.
inline constexpr std::string_view kNoFreeBackupName = PELMOX_TR("CliText", "no free file name");
// The read a backup needs failed (its own message came first): the way past it.
inline constexpr std::string_view kBackupReadFailed =
    PELMOX_TR("CliText",
              "the tracker could not be read for a backup; nothing was sent (--no-backup writes "
              "without one)");
// pelmoxctl backups: time, callsign, image file; and the line when there are none.
inline constexpr std::string_view kBackupLine = "%1  %2  %3";
// Behind the line, in brackets: an image without a settings file, and a time that disagrees
// with the order the backups were made in.
inline constexpr std::string_view kBackupNotes = "  (%1)";
inline constexpr std::string_view kNoteSeparator = "; ";
inline constexpr std::string_view kImageOnlyNote = "memory does not decode: image only";
inline constexpr std::string_view kClockNote =
    "dated before the backup made before it: the computer's clock was behind, or had been ahead";
inline constexpr std::string_view kNoBackups = PELMOX_TR("CliText", "no backups in %1 yet");

// The steps of the progress line.
inline constexpr std::string_view kFindingTracker = PELMOX_TR("CliText", "Finding the tracker");
inline constexpr std::string_view kReadingSettings = PELMOX_TR("CliText", "Reading its settings");
inline constexpr std::string_view kWritingSettings = PELMOX_TR("CliText", "Writing and checking");

}  // namespace CliText
