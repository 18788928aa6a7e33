// Every text the image codec shows the user, in one place.
#pragma once

#include <string_view>

namespace CodecMessages {

// Encoding into a buffer smaller than an image.
inline constexpr std::string_view kBadEncodeSize = "Bad EE Size";
// Decoding something that is not exactly one image long; takes the length.
inline constexpr const char* kBadDecodeSizeFormat = "Bad EE Size %d\n";

inline constexpr std::string_view kStatusTruncated =
    "The Status Beacon text is too long and has been tuncated.  To have a longer status beacon "
    "text, use fewer digipeaters.";
inline constexpr std::string_view kStatusTruncatedCaption = "Status Beacon Text Truncated";

// A path the image has no room for; takes the number of digipeaters typed.
inline constexpr const char* kTooManyDigipeatersFormat =
    "The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.";

// A path read from the tracker that is longer than the window can hold; followed by the
// digipeaters left out, comma-separated.
inline constexpr std::string_view kPathShortened =
    "The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in "
    "full. These digipeaters at its end were left out: ";
inline constexpr std::string_view kPathShortenedCaption = "Digi Path Shortened";

// Images whose own offsets point outside the 128 bytes.
inline constexpr std::string_view kHeaderPastEnd =
    "The configuration image is damaged: its station addresses start past its end.";
inline constexpr std::string_view kAddressListUnended =
    "The configuration image is damaged: its list of station addresses has no end.";
inline constexpr std::string_view kStatusPastEnd =
    "The configuration image is damaged: its status text starts past its end.";
inline constexpr std::string_view kStatusUnended =
    "The configuration image is damaged: its status text has no end.";

}  // namespace CodecMessages
