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

// The largest reduction (scale 0..3 as above) at which a picture of `width` x `height` still
// decodes to at least `shownWidth` x `shownHeight`, so that stretching it to the shown size loses
// nothing; 0 when only the full size does, or for no shown size at all.
int ScaleToCover(int width, int height, int shownWidth, int shownHeight);

// Decodes at ScaleToCover of the picture's own size: decoding fewer pixels is the cheaper part
// of showing a large photo on a smaller screen. On failure `out` is left unchanged.
bool DecodeJpegToCover(const uint8_t* data, size_t size, int shownWidth, int shownHeight, Bitmap& out);

// The picture's full size from its frame header, without decoding; false for damaged input.
bool ReadJpegSize(const uint8_t* data, size_t size, int& width, int& height);

// Encodes at `quality` 1..100; an empty result means failure (an empty bitmap included).
std::vector<uint8_t> EncodeJpeg(const Bitmap& picture, int quality);

}  // namespace saverkit
