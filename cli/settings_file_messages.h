// Every text the settings file shows: its problems (each names the file, usually with the line,
// the key and what is allowed) and the comment it starts with.
// Texts with %1, %2... are filled in with QString::arg; %1 is always where the problem is.
#pragma once

#include <string_view>

#include "translatable.h"

namespace SettingsFileText {

// Where: the file and a line ("backup.toml:3"), or the file alone.
inline constexpr std::string_view kWhereLine = "%1:%2";

inline constexpr std::string_view kCannotRead =
    PELMOX_TR("SettingsFileText", "%1: cannot read the settings file: %2");
inline constexpr std::string_view kTooLarge =
    PELMOX_TR("SettingsFileText", "%1: too large for a settings file (more than %2 bytes)");
inline constexpr std::string_view kMalformed =
    PELMOX_TR("SettingsFileText", "%1: not a valid settings file: %2");
inline constexpr std::string_view kUnknownKey =
    PELMOX_TR("SettingsFileText", "%1: unknown key '%2'; the keys are %3");
inline constexpr std::string_view kKeySeparator = ", ";
inline constexpr std::string_view kNotText =
    PELMOX_TR("SettingsFileText", "%1: %2 must be text in double quotes");
inline constexpr std::string_view kNotWholeNumber =
    PELMOX_TR("SettingsFileText", "%1: %2 must be a whole number from %3 to %4");
inline constexpr std::string_view kOutOfRange =
    PELMOX_TR("SettingsFileText", "%1: %2 = %3 is out of range: it must be from %4 to %5");
inline constexpr std::string_view kNotLatin1 = PELMOX_TR(
    "SettingsFileText",
    "%1: %2 holds the character U+%3, which the tracker cannot store: text may use Latin-1 "
    "characters only (U+0001 to U+00FF)");
inline constexpr std::string_view kTooLong = PELMOX_TR(
    "SettingsFileText", "%1: %2 is %3 characters long, but the tracker's settings hold at most %4");
inline constexpr std::string_view kTooManyDigipeaters =
    PELMOX_TR("SettingsFileText", "%1: %2 has %3 digipeaters, but the tracker holds at most %4");
// An address the tracker would store as something else: the value, then the rule.
inline constexpr std::string_view kNotAnAddress = PELMOX_TR(
    "SettingsFileText", "%1: %2 = \"%3\" is not a station address the tracker can store (%4)");
inline constexpr std::string_view kNotAnAddressInPath = PELMOX_TR(
    "SettingsFileText",
    "%1: %2 = \"%3\" holds \"%4\", which is not a station address the tracker can store (%5)");
inline constexpr std::string_view kAddressRule = PELMOX_TR(
    "SettingsFileText", "up to %1 letters or digits, then optionally - and an SSID from 0 to %2");
// A status text that would be cut: where it stands, its length, the path, the room behind it,
// the room behind no path and what each digipeater takes of it.
inline constexpr std::string_view kStatusTooLong = PELMOX_TR(
    "SettingsFileText",
    "%1: status_text is %2 characters long, but behind digi_path = \"%3\" the tracker has room "
    "for %4 (%5 characters, %6 fewer per digipeater)");
// A file's path behind which the tracker's own status text would be cut.
inline constexpr std::string_view kNoRoomForTrackersStatus = PELMOX_TR(
    "SettingsFileText",
    "%1: digi_path = \"%2\" leaves room for %3 characters of status text, but the tracker's own "
    "status_text is %4 characters long: give a shorter status_text too");
inline constexpr std::string_view kBadStation =
    PELMOX_TR("SettingsFileText", "%1: %2 must be \"%3\", \"%4\" or a mode byte from 0 to 255");

// The first line of a file that `read` writes, and what stands between each key and its value.
inline constexpr std::string_view kVersionComment = "# Tracker version: %1";
inline constexpr std::string_view kAssignment = " = ";

}  // namespace SettingsFileText
