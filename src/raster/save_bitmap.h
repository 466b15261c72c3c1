// Saves a picture to a file in the format its extension names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

// ".bmp" writes a 24-bit Windows bitmap; ".jpg", ".jpeg" and ".jpe" a JPEG of `quality` (1..100);
// the extension is compared in lower case. Any other extension, an empty picture, a failed
// encoding or a failed write gives false; a partly written file is removed.
bool SaveBitmapAs(const Bitmap& picture, const std::string& fileName, int quality);

// The bytes of a 24-bit bottom-up Windows bitmap file; empty for an empty picture.
std::vector<uint8_t> EncodeBmp(const Bitmap& picture);

}  // namespace saverkit
