// Files that hold a tracker's configuration image: exactly its 128 bytes, nothing around them.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "config_image.h"

using ImageBytes = std::array<std::uint8_t, ConfigImage::kSize>;

// Reads an image file; a file that cannot be read or is not exactly 128 bytes long is reported
// (naming the file) and gives the failure mark.
bool readImageFile(const QString& path, ImageBytes& image);
