// What a verified read found in the tracker's memory: its 128 bytes as they are, and the settings
// they decode to when they do. A new or erased memory (all 0xFF) or one of zeros holds none; it
// can still be kept as a backup, compared and written over.
#pragma once

#include <QString>
#include <optional>
#include <span>

#include "config_image.h"
#include "image_file.h"
#include "tracker_config.h"

struct TrackerMemory {
    ImageBytes image{};
    std::optional<CTrackerConfig> settings;  // none when the image does not decode
};

// The settings of an image, or none, without the codec's boxes about a damaged image: memory that
// holds no settings gets one line of its own (noSettingsLine). The boxes of an image that does
// decode (a path shortened) are shown.
std::optional<CTrackerConfig> decodeQuietly(std::span<const std::uint8_t> image);

// "the tracker's memory holds no readable settings", naming what it holds when that is all one
// byte, as a new or erased memory is.
QString noSettingsLine(std::span<const std::uint8_t> image);
