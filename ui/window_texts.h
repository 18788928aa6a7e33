// Every text the configuration window and the about box put on the screen by themselves:
// captions and messages of the commands, window titles and the About entry.
#pragma once

#include <string_view>

#include "link_messages.h"

namespace WindowText {

inline constexpr std::string_view kWindowTitle = "PelmoxConfig";
inline constexpr std::string_view kApplicationName = "PelmoxConfig";

inline constexpr std::string_view kVersionCaption = "CorvennaII Version";
inline constexpr std::string_view kReadCaption = "CorvennaII Read";
inline constexpr std::string_view kWriteCaption = "CorvennaII Write";
inline constexpr std::string_view kReadFailed = link_message::kImageReadFailed;
inline constexpr std::string_view kReadSuccessful = "Read Successful";
inline constexpr std::string_view kWriteSuccessful = "Write Successful";
inline constexpr std::string_view kCalibrationWarning =
    "New Calibration value should be written before Testing Tones";
inline constexpr std::string_view kCalibrationCaption = "Calibration not written";

// Error boxes carry no caption of their own; this is what the desktop shows in its place.
inline constexpr std::string_view kErrorCaption = "Error";

// The About entry of the system menu and the context menu (string IDS_ABOUTBOX).
inline constexpr std::string_view kAboutEntry = "&About PelmoxConfig...";
inline constexpr std::string_view kAboutCaption = "About PelmoxConfig";
inline constexpr std::string_view kVersionLine = "PelmoxConfig Version 1.00";

}  // namespace WindowText
