// Every text the image codec shows the user, in one place.
#pragma once

#include <array>
#include <string_view>

#include "translatable.h"

namespace CodecMessages {

// Encoding into a buffer smaller than an image.
inline constexpr std::string_view kBadEncodeSize = PELMOX_TR("CodecMessages", "Bad EE Size");
// Decoding something that is not exactly one image long; takes the length.
inline constexpr const char* kBadDecodeSizeFormat = PELMOX_TR("CodecMessages", "Bad EE Size %d\n");

inline constexpr std::string_view kStatusTruncated = PELMOX_TR(
    "CodecMessages",
    "The Status Beacon text is too long and has been tuncated.  To have a longer status beacon "
    "text, use fewer digipeaters.");
inline constexpr std::string_view kStatusTruncatedCaption =
    PELMOX_TR("CodecMessages", "Status Beacon Text Truncated");

// A path the image has no room for; takes the number of digipeaters typed.
inline constexpr const char* kTooManyDigipeatersFormat = PELMOX_TR(
    "CodecMessages",
    "The tracker holds at most 14 digipeaters, but the Digi Path has %zu. Shorten the Digi Path.");

// A path read from the tracker that is longer than the window can hold; followed by the
// digipeaters left out, comma-separated.
inline constexpr std::string_view kPathShortened = PELMOX_TR(
    "CodecMessages",
    "The Digi Path stored in the tracker is longer than 99 characters and cannot be shown in "
    "full. These digipeaters at its end were left out: ");
inline constexpr std::string_view kPathShortenedCaption =
    PELMOX_TR("CodecMessages", "Digi Path Shortened");

// Images whose own offsets point outside the 128 bytes.
inline constexpr std::string_view kHeaderPastEnd =
    PELMOX_TR("CodecMessages",
              "The configuration image is damaged: its station addresses start past its end.");
inline constexpr std::string_view kAddressListUnended =
    PELMOX_TR("CodecMessages",
              "The configuration image is damaged: its list of station addresses has no end.");
inline constexpr std::string_view kStatusPastEnd = PELMOX_TR(
    "CodecMessages", "The configuration image is damaged: its status text starts past its end.");
inline constexpr std::string_view kStatusUnended =
    PELMOX_TR("CodecMessages", "The configuration image is damaged: its status text has no end.");

// The texts above that are filled in before they are shown, for their translation.
inline constexpr std::array kBoxFormats{
    TranslatableFormat{"CodecMessages", kBadDecodeSizeFormat},
    TranslatableFormat{"CodecMessages", kTooManyDigipeatersFormat},
    TranslatableFormat{"CodecMessages", kPathShortened, true},
};

}  // namespace CodecMessages
