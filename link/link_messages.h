// Every text the link shows to the user, exactly as the user sees it (odd spelling included).
#pragma once

#include <string_view>

namespace link_message {

inline constexpr std::string_view kInvalidPortNumber = "Invalid Com Port Number";
inline constexpr std::string_view kCannotAcquirePort = "Count not aquire Com Port";
inline constexpr std::string_view kGetStateFailed = "GetCommState failed";
inline constexpr std::string_view kSetStateFailed = "SetCommState failed";
// QSerialPort has no separate timeout record to refuse, so nothing raises this one; the text is
// kept so the table stays complete should a platform ever need it.
inline constexpr std::string_view kSetTimeoutsFailed = "SetCommTimeouts failed";
inline constexpr std::string_view kPortInvalid = "ComPort Invalid";
inline constexpr std::string_view kWriteFailed = "ComPort write failed";
inline constexpr std::string_view kWriteMismatch = "ComPort write mismatch";
inline constexpr std::string_view kReadFailed = "ComPort read failed";
inline constexpr std::string_view kCloseFailed = "ComPort Close failed";

inline constexpr std::string_view kTrackerNotFound = "Pelmox Not Found";
// What the programs on the link say when a verified read brings no usable image (the link
// itself says nothing then).
inline constexpr std::string_view kImageReadFailed = "Read Failed";
// printf-style: the expected length, then the count that came back.
inline constexpr const char* kWriteLengthFormat = "Write Failed (code %d %d)";
inline constexpr std::string_view kWriteContentsDiffer = "Write Failed";

// Why the computer may go to sleep with a tone on or during an upload (SleepWatch). The ones
// with %1 take the system's own reason.
inline constexpr const char* kNoSystemBus =
    "No sleep watch: there is no system bus (%1); the computer may sleep with a tone on.";
inline constexpr const char* kNoLogind =
    "No sleep watch: logind does not answer on the system bus; the computer may sleep with a "
    "tone on.";
inline constexpr const char* kInhibitorRefused =
    "No sleep watch: logind refused to let sleep wait (%1); the computer may sleep with a tone "
    "on.";
inline constexpr const char* kNoPowerWindow =
    "No sleep watch: no window for the power messages; the computer may sleep with a tone on.";
inline constexpr const char* kNoSleepWatchHere =
    "No sleep watch on this system; the computer may sleep with a tone on.";

}  // namespace link_message
