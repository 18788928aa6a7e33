// Every text the settings file shows: its problems (each names the file, usually with the line,
// the key and what is allowed) and the comment it starts with.
// Texts with %1, %2... are filled in with QString::arg; %1 is always where the problem is.
#pragma once

#include <string_view>

namespace SettingsFileText {

// Where: the file and a line ("backup.toml:3"), or the file alone.
inline constexpr std::string_view kWhereLine = "%1:%2";

inline constexpr std::string_view kCannotRead = "%1: cannot read the settings file: %2";
inline constexpr std::string_view kTooLarge =
    "%1: too large for a settings file (more than %2 bytes)";
inline constexpr std::string_view kMalformed = "%1: not a valid settings file: %2";
inline constexpr std::string_view kUnknownKey = "%1: unknown key '%2'; the keys are %3";
inline constexpr std::string_view kKeySeparator = ", ";
inline constexpr std::string_view kNotText = "%1: %2 must be text in double quotes";
inline constexpr std::string_view kNotWholeNumber = "%1: %2 must be a whole number from %3 to %4";
inline constexpr std::string_view kOutOfRange =
    "%1: %2 = %3 is out of range: it must be from %4 to %5";
inline constexpr std::string_view kNotLatin1 =
    "%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 "
    "characters only (U+0001 to U+00FF)";
inline constexpr std::string_view kTooLong =
    "%1: %2 is %3 characters long, but the tracker's settings hold at most %4";
inline constexpr std::string_view kTooManyDigipeaters =
    "%1: %2 has %3 digipeaters, but the tracker holds at most %4";
inline constexpr std::string_view kBadStation =
    "%1: %2 must be \"%3\", \"%4\" or a mode byte from 0 to 255";

// The first line of a file that `read` writes, and what stands between each key and its value.
inline constexpr std::string_view kVersionComment = "# Tracker version: %1";
inline constexpr std::string_view kAssignment = " = ";

}  // namespace SettingsFileText
