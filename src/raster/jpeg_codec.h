// JPEG decoding and encoding through libjpeg-turbo, into and out of the 24-bit Bitmap.
// Errors never end the process: a corrupt, truncated or oversized picture makes the call fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

// The largest picture decoded, in pixels: a hostile header may claim 65535 x 65535 from a few
// bytes, and decoding must not allocate gigabytes for it.
constexpr uint64_t kMaxJpegPixels = 64ull * 1024 * 1024;

// Decodes `size` bytes at `scale` 0 (full size), 1 (half), 2 (quarter) or 3 (eighth); libjpeg's
// scaled decoding does the reduction, so the eighth decodes only the DC coefficients.
// On failure `out` is left unchanged.
bool DecodeJpeg(const uint8_t* data, size_t size, int scale, Bitmap& out);
inline bool DecodeJpeg(const std::vector<uint8_t>& data, int scale, Bitmap& out) {
  return DecodeJpeg(data.data(), data.size(), scale, out);
}

// Encodes at `quality` 1..100; an empty result means failure (an empty bitmap included).
std::vector<uint8_t> EncodeJpeg(const Bitmap& picture, int quality);

}  // namespace saverkit
