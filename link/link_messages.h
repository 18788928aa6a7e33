// Every text the link shows to the user, exactly as the user sees it (odd spelling included).
#pragma once

#include <array>
#include <string_view>

#include "translatable.h"

namespace link_message {

inline constexpr std::string_view kInvalidPortNumber =
    PELMOX_TR("link_message", "Invalid Com Port Number");
inline constexpr std::string_view kCannotAcquirePort =
    PELMOX_TR("link_message", "Count not aquire Com Port");
inline constexpr std::string_view kGetStateFailed =
    PELMOX_TR("link_message", "GetCommState failed");
inline constexpr std::string_view kSetStateFailed =
    PELMOX_TR("link_message", "SetCommState failed");
// QSerialPort has no separate timeout record to refuse, so nothing raises this one; the text is
// kept so the table stays complete should a platform ever need it.
inline constexpr std::string_view kSetTimeoutsFailed =
    PELMOX_TR("link_message", "SetCommTimeouts failed");
inline constexpr std::string_view kPortInvalid = PELMOX_TR("link_message", "ComPort Invalid");
inline constexpr std::string_view kWriteFailed = PELMOX_TR("link_message", "ComPort write failed");
inline constexpr std::string_view kWriteMismatch =
    PELMOX_TR("link_message", "ComPort write mismatch");
inline constexpr std::string_view kReadFailed = PELMOX_TR("link_message", "ComPort read failed");
inline constexpr std::string_view kCloseFailed = PELMOX_TR("link_message", "ComPort Close failed");

inline constexpr std::string_view kTrackerNotFound = PELMOX_TR("link_message", "Pelmox Not Found");
// What the programs on the link say when a verified read brings no usable image (the link
// itself says nothing then).
inline constexpr std::string_view kImageReadFailed = PELMOX_TR("link_message", "Read Failed");
// printf-style: the expected length, then the count that came back.
inline constexpr const char* kWriteLengthFormat =
    PELMOX_TR("link_message", "Write Failed (code %d %d)");
inline constexpr std::string_view kWriteContentsDiffer = PELMOX_TR("link_message", "Write Failed");

// The texts above that are filled in before they are shown, for their translation.
inline constexpr std::array kBoxFormats{
    TranslatableFormat{"link_message", kWriteLengthFormat},
};

// Why the computer may go to sleep with a tone on or during an upload (SleepWatch). The ones
// with %1 take the system's own reason.
inline constexpr const char* kNoSystemBus =
    PELMOX_TR("link_message",
              "No sleep watch: there is no system bus (%1); the computer may sleep while a tone is "
              "on or a write runs.");
inline constexpr const char* kNoLogind =
    PELMOX_TR("link_message",
              "No sleep watch: logind does not answer on the system bus; the computer may sleep "
              "while a tone is on or a write runs.");
inline constexpr const char* kInhibitorRefused =
    PELMOX_TR("link_message",
              "No sleep watch: logind refused to let sleep wait (%1); the computer may sleep while "
              "a tone is on or a write runs.");
inline constexpr const char* kNoPowerWindow =
    PELMOX_TR("link_message",
              "No sleep watch: no window for the power messages; the computer may sleep while a "
              "tone is on or a write runs.");
inline constexpr const char* kNoSleepWatchHere = PELMOX_TR(
    "link_message",
    "No sleep watch on this system; the computer may sleep while a tone is on or a write runs.");
// Why sleep waits for the programs, as `systemd-inhibit --list` shows it.
inline constexpr const char* kWhySleepWaits =
    PELMOX_TR("link_message", "A tone to stop or an upload to finish on the tracker");

}  // namespace link_message
