// Reads Windows bitmap files: uncompressed 24- and 32-bit pictures, bottom-up or top-down.
// The file is untrusted: every size and offset is checked before use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

// On failure (not a bitmap, a depth or compression not read, truncated, too large) `out` is left
// unchanged and the result is false.
bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out);
inline bool DecodeBmp(const std::vector<uint8_t>& data, Bitmap& out) { return DecodeBmp(data.data(), data.size(), out); }

}  // namespace saverkit
