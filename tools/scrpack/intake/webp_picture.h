// WebP pictures decoded with libwebp into a 24-bit bitmap; transparency is laid over the show's
// background colour (the runtime has no alpha). Animated WebP files are refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

bool DecodeWebp(const std::vector<uint8_t>& webp, Rgb background, Bitmap& out, std::string& error);

}  // namespace saverkit
