// PNG pictures decoded with libpng into a 24-bit bitmap: palettes, grey and 16-bit samples are
// expanded, transparency is laid over the show's background colour (the runtime has no alpha).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

// False with `error` set when the bytes are not a PNG that decodes, or it is larger than 64 megapixels.
bool DecodePng(const std::vector<uint8_t>& png, Rgb background, Bitmap& out, std::string& error);

}  // namespace saverkit
