// Every text the configuration window and the about box put on the screen by themselves:
// captions and messages of the commands, window titles and the About entry.
#pragma once

#include <array>
#include <string_view>

#include "link_messages.h"
#include "translatable.h"

namespace WindowText {

inline constexpr std::string_view kWindowTitle = PELMOX_TR("WindowText", "PelmoxConfig");
inline constexpr std::string_view kApplicationName = "PelmoxConfig";

inline constexpr std::string_view kVersionCaption = PELMOX_TR("WindowText", "CorvennaII Version");
inline constexpr std::string_view kReadCaption = PELMOX_TR("WindowText", "CorvennaII Read");
inline constexpr std::string_view kWriteCaption = PELMOX_TR("WindowText", "CorvennaII Write");
inline constexpr std::string_view kReadFailed = link_message::kImageReadFailed;
inline constexpr std::string_view kReadSuccessful = PELMOX_TR("WindowText", "Read Successful");
inline constexpr std::string_view kWriteSuccessful = PELMOX_TR("WindowText", "Write Successful");
inline constexpr std::string_view kCalibrationWarning =
    PELMOX_TR("WindowText", "New Calibration value should be written before Testing Tones");
inline constexpr std::string_view kCalibrationCaption =
    PELMOX_TR("WindowText", "Calibration not written");

// A tone the window started and could not stop: when closing, with the choice to try again, and
// at its time limit. %1 is the port as the port box names it, %2 the limit in minutes.
inline constexpr std::string_view kToneNotStopped =
    PELMOX_TR("WindowText",
              "The tracker on %1 may still be transmitting: its test tone could not be stopped.");
inline constexpr std::string_view kToneNotStoppedCaption =
    PELMOX_TR("WindowText", "Tone not stopped");
inline constexpr std::string_view kTryAgain = PELMOX_TR("WindowText", "Try Again");
inline constexpr std::string_view kCloseAnyway = PELMOX_TR("WindowText", "Close Anyway");
inline constexpr std::string_view kToneTimedOut = PELMOX_TR(
    "WindowText",
    "The test tone on %1 was stopped after %2 minutes, as a transmitter should not stay keyed "
    "longer. Press the tone button again for another %2 minutes.");
inline constexpr std::string_view kToneTimedOutCaption = PELMOX_TR("WindowText", "Tone stopped");
inline constexpr std::string_view kToneTimeoutFailed = PELMOX_TR(
    "WindowText",
    "The test tone on %1 has been on for %2 minutes and could not be stopped: the tracker may "
    "still be transmitting. Press Stop Sending, or switch the tracker off.");
// The tones switched off before the program paused for Ctrl+Z, or before the computer went to
// sleep, told once it goes on; %1 lists their ports.
inline constexpr std::string_view kTonesStoppedForPause = PELMOX_TR(
    "WindowText",
    "PelmoxConfig was paused (Ctrl+Z). Before it paused, it switched off the test tones on: %1.");
inline constexpr std::string_view kTonesStoppedForSleep =
    PELMOX_TR("WindowText",
              "The computer went to sleep. Before it slept, PelmoxConfig switched off the test "
              "tones on: %1.");
inline constexpr std::string_view kTonesStoppedCaption = PELMOX_TR("WindowText", "Tones stopped");
// On standard error, when a signal ends the program and a tone could not be stopped first.
inline constexpr std::string_view kSignalToneMayBeOn = PELMOX_TR(
    "WindowText",
    "PelmoxConfig: the tracker on %1 may still be transmitting: its test tone could not be "
    "stopped. Switch the tracker off, or stop the tone with: pelmoxctl --port %1 tone stop");

// On Windows' shut-down screen, while a log-off or shut-down waits for a write to be checked.
inline constexpr std::string_view kSessionWaitsForWrite =
    PELMOX_TR("WindowText", "Writing the settings to the tracker and checking them");

// Error boxes carry no caption of their own; this is what the desktop shows in its place.
inline constexpr std::string_view kErrorCaption = PELMOX_TR("WindowText", "Error");

// The About entry of the system menu and the context menu (string IDS_ABOUTBOX).
inline constexpr std::string_view kAboutEntry = PELMOX_TR("WindowText", "&About PelmoxConfig...");
inline constexpr std::string_view kAboutCaption = PELMOX_TR("WindowText", "About PelmoxConfig");
inline constexpr std::string_view kVersionLine =
    PELMOX_TR("WindowText", "PelmoxConfig Version 1.00");

// The box texts above that are filled in before they are shown, for their translation.
inline constexpr std::array kBoxFormats{
    TranslatableFormat{"WindowText", kToneNotStopped},
    TranslatableFormat{"WindowText", kToneTimedOut},
    TranslatableFormat{"WindowText", kToneTimeoutFailed},
    TranslatableFormat{"WindowText", kSignalToneMayBeOn},
    TranslatableFormat{"WindowText", kTonesStoppedForPause},
    TranslatableFormat{"WindowText", kTonesStoppedForSleep},
};

}  // namespace WindowText
