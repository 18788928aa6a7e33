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

}  // namespace link_message
