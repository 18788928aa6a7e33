// Every text pelmoxctl itself puts on the terminal: usage, help, its own messages and the labels
// of its progress line. The tracker's and the link's messages come from their own tables.
// Texts with %1, %2... are filled in with QString::arg.
#pragma once

#include <string_view>

#include "link_messages.h"

namespace CliText {

inline constexpr std::string_view kProgramName = "pelmoxctl";
// Put in front of every line on standard error, as other command-line tools do.
inline constexpr std::string_view kLinePrefix = "pelmoxctl: ";

// %1 is the longest --for, in seconds; %2 the window's limit for a tone, in minutes.
inline constexpr std::string_view kDescription =
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
    "                             when they differ\n"
    "  tone 1200|2200|both [--for SECONDS]\n"
    "                             send a test tone, for SECONDS (1 to %1) or until\n"
    "                             'tone stop'\n"
    "  tone stop                  stop the test tones\n"
    "  ports                      list the system's serial ports, one a line, with what the\n"
    "                             system knows of each\n"
    "\n"
    "Before it sends anything, write keeps what the tracker held: its image, and a settings\n"
    "file beside it, named with the time and the callsign, in\n"
    "$XDG_STATE_HOME/pelmoxconfig/backups (~/.local/state/pelmoxconfig/backups; on Windows\n"
    "%LOCALAPPDATA%\\pelmoxconfig\\backups). The newest 100 are kept, older ones are removed.\n"
    "For this, write --image and a write of a complete FILE read the tracker first, about\n"
    "1.6 s more. When the backup cannot be saved nothing is sent; --no-backup writes without\n"
    "one.\n"
    "\n"
    "DEVICE is COM1 to COM4 (as in the window) or any device name; without --port the\n"
    "environment variable PELMOX_PORT names it. Exit status: 0 done, 1 the port or the tracker\n"
    "failed, 2 usage or file error, 3 diff found differences, 4 a timed tone could not be\n"
    "stopped (the transmitter may still be keyed).\n"
    "\n"
    "A test tone keys the transmitter. pelmoxctl stops one only with --for: after the SECONDS\n"
    "you name (at most %1) or at Ctrl+C. The window stops the tones it started after %2 minutes.\n"
    "Ctrl+Z stops the tone first (exit status 148 after fg) and lets a write and its check\n"
    "finish before pelmoxctl pauses.";
inline constexpr std::string_view kCommandArgument = "command";
inline constexpr std::string_view kCommandArgumentHelp =
    "version, read, write, diff, tone, ports or backups.";
inline constexpr std::string_view kCommandArgumentSyntax = "<command> [args]";
inline constexpr std::string_view kHelpHelp = "Show this help.";
inline constexpr std::string_view kVersionHelp = "Show the program's version.";
inline constexpr std::string_view kPortHelp = "The serial port of the tracker.";
inline constexpr std::string_view kOutputHelp = "read: save the settings to FILE.";
inline constexpr std::string_view kImageHelp = "read: also save the image; write: store it.";
inline constexpr std::string_view kNoBackupHelp =
    "write: send without keeping a backup of what the tracker held.";
inline constexpr std::string_view kForHelp = "tone: keep the tone on SECONDS, then stop it.";
inline constexpr std::string_view kDeviceValue = "DEVICE";
inline constexpr std::string_view kFileValue = "FILE";
inline constexpr std::string_view kSecondsValue = "SECONDS";

inline constexpr std::string_view kVersionSynopsis = "pelmoxctl [--port DEVICE] version";
inline constexpr std::string_view kReadSynopsis =
    "pelmoxctl [--port DEVICE] read [--output FILE] [--image FILE]";
inline constexpr std::string_view kWriteSynopsis =
    "pelmoxctl [--port DEVICE] write [--no-backup] FILE | write [--no-backup] --image FILE";
inline constexpr std::string_view kDiffSynopsis = "pelmoxctl [--port DEVICE] diff FILE";
inline constexpr std::string_view kToneSynopsis =
    "pelmoxctl [--port DEVICE] tone 1200|2200|both [--for SECONDS] | tone stop";
inline constexpr std::string_view kPortsSynopsis = "pelmoxctl ports";
inline constexpr std::string_view kBackupsSynopsis = "pelmoxctl backups";

inline constexpr std::string_view kNoCommand = "no command given";
inline constexpr std::string_view kUnknownCommand = "unknown command '%1'";
inline constexpr std::string_view kUsage = "usage: %1";
inline constexpr std::string_view kTryHelp = "Try 'pelmoxctl --help' for more.";
// tone --for: whole seconds from 1 to the most, given as %2.
inline constexpr std::string_view kBadSeconds = "--for takes whole seconds from 1 to %2, not '%1'";

// Without --port and PELMOX_PORT.
inline constexpr std::string_view kPortVariable = "PELMOX_PORT";
inline constexpr std::string_view kNoPort =
    "no serial port chosen: give --port DEVICE or set PELMOX_PORT (COM1 to COM4 or a device name)";
inline constexpr std::string_view kSystemPorts = "the system's serial ports: %1";
inline constexpr std::string_view kNoSystemPorts = "the system reports no serial ports";
inline constexpr std::string_view kPortSeparator = ", ";

// A port the link could not have, or lost: the device, the window's text, then why (when the
// system says).
inline constexpr std::string_view kPortFailure = "%1: %2: %3";
inline constexpr std::string_view kPortFailureWithoutReason = "%1: %2";
inline constexpr std::string_view kNoSuchDevice =
    "no such device (not plugged in, or a wrong name?)";
inline constexpr std::string_view kNoHardware = "no serial port behind %1";
inline constexpr std::string_view kNotSerialPort = "%1 is not a serial port";
inline constexpr std::string_view kDeviceGone = "the device is gone (unplugged?)";
inline constexpr std::string_view kInUseBy = "in use by %1";
// A hold that does not say whose it is (an exclusive open), with the system's words.
inline constexpr std::string_view kInUseSaying = "in use by %1 (%2)";
inline constexpr std::string_view kNamedHolder = "%1 (pid %2)";
inline constexpr std::string_view kUnnamedHolder = "process %1";
inline constexpr std::string_view kUnknownHolder = "another program";
// After the system's "Permission denied", when the device's group may open it.
inline constexpr std::string_view kJoinGroup =
    "%1 (add your user to the %2 group, then log in again)";

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
inline constexpr std::string_view kDifference = "%1: tracker %2, file %3";

// The window's text when a read brings no usable image.
inline constexpr std::string_view kReadFailed = link_message::kImageReadFailed;
// A partial settings file: the file, then the keys it lacks.
inline constexpr std::string_view kKeptKeys = "kept the tracker's own %2 (not in %1)";
inline constexpr std::string_view kKeySeparator = ", ";

inline constexpr std::string_view kImageFileSize =
    "%1: an image file holds exactly 128 bytes, this one has %2";
inline constexpr std::string_view kImageFileDamaged =
    "%1: not a configuration image the tracker can use; nothing was sent";
inline constexpr std::string_view kCannotRead = "%1: cannot read it: %2";
inline constexpr std::string_view kCannotWrite = "%1: cannot write it: %2";
inline constexpr std::string_view kStandardOutput = "standard output";

// A tone started without --for, and the status line while one with it is on. A stop asked for
// (Ctrl+C, a signal) ends it early.
inline constexpr std::string_view kToneStaysOn =
    "the tone stays on until 'pelmoxctl tone stop' (or use --for SECONDS)";
inline constexpr std::string_view kToneCountdown = "Tone on, %1 s left (Ctrl+C stops it)";
inline constexpr std::string_view kToneStoppedEarly = "stopped the tone early, as asked";
// A stop asked for while the tracker was still being looked for: no tone was sent.
inline constexpr std::string_view kToneNotStarted = "stopped before the tone was started, as asked";
// Ctrl+Z while a timed tone is on: the tone goes off before the program pauses, and once it is
// continued (fg) it ends with 128 + SIGTSTP, as the shell reported it while it was stopped.
inline constexpr std::string_view kToneStoppedForPause =
    "stopped the tone before pausing, as Ctrl+Z asked; it stays off after fg";
// The last line when no stop got through: the device, as given.
inline constexpr std::string_view kToneMayBeOn =
    "the tracker on %1 may still be transmitting: stop it with 'pelmoxctl --port %1 tone stop' "
    "or by switching the tracker off";

// A stop asked for during a write waits for the write and its check to end, so the tracker is not
// left with part of an image; then the program ends as asked.
inline constexpr std::string_view kWriteFinishedFirst =
    "finished the write and its check before stopping, as asked";
// Ctrl+Z during a write: the same, then the program pauses, and after fg it goes on.
inline constexpr std::string_view kWriteFinishedBeforePause =
    "finished the write and its check before pausing, as Ctrl+Z asked";

// The backup a write keeps first: the folder, then why it could not be saved.
inline constexpr std::string_view kBackupFailed =
    "cannot keep a backup in %1: %2; nothing was sent (--no-backup writes without one)";
// The read a backup needs failed (its own message came first): the way past it.
inline constexpr std::string_view kBackupReadFailed =
    "the tracker could not be read for a backup; nothing was sent (--no-backup writes without one)";
// pelmoxctl backups: time, callsign, image file; and the line when there are none.
inline constexpr std::string_view kBackupLine = "%1  %2  %3";
inline constexpr std::string_view kNoBackups = "no backups in %1 yet";

// The steps of the progress line.
inline constexpr std::string_view kFindingTracker = "Finding the tracker";
inline constexpr std::string_view kReadingSettings = "Reading its settings";
inline constexpr std::string_view kWritingSettings = "Writing and checking";

}  // namespace CliText
