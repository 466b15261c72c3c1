#include "raster/bmp_decoder.h"

#include <utility>



namespace saverkit {
namespace {

uint32_t U32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kMinInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0, kBiBitfields = 3;

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out) {
  if (size < kFileHeaderSize + kMinInfoHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t pixelOffset = U32(data + 10);
  const uint8_t* info = data + kFileHeaderSize;
  const uint32_t infoSize = U32(info);
  if (infoSize < kMinInfoHeaderSize || infoSize > size - kFileHeaderSize) return false;
  const int32_t width = int32_t(U32(info + 4));
  const int32_t signedHeight = int32_t(U32(info + 8));
  const uint16_t bits = U16(info + 14);
  const uint32_t compression = U32(info + 16);
  if (width <= 0 || signedHeight == 0 || signedHeight == INT32_MIN) return false;
  if (bits != 24 && bits != 32) return false;
  // 32-bit pictures may name their channel masks; only the usual BGRX layout is read.
  if (compression != kBiRgb && !(bits == 32 && compression == kBiBitfields)) return false;
  const bool topDown = signedHeight < 0;
  const int32_t height = topDown ? -signedHeight : signedHeight;
  if (width > Bitmap::kMaxSide || height > Bitmap::kMaxSide) return false;
  const uint64_t stride = (uint64_t(width) * bits / 8 + 3) & ~uint64_t(3);
  if (pixelOffset > size || stride * uint64_t(height) > size - pixelOffset) return false;

  Bitmap picture(width, height);
  if (picture.Empty()) return false;
  const size_t bytesPerPixel = bits / 8;
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* in = data + pixelOffset + stride * uint64_t(topDown ? y : height - 1 - y);
    uint8_t* row = picture.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      row[x * 3] = in[size_t(x) * bytesPerPixel];
      row[x * 3 + 1] = in[size_t(x) * bytesPerPixel + 1];
      row[x * 3 + 2] = in[size_t(x) * bytesPerPixel + 2];
    }
  }
  out = std::move(picture);
  return true;
}

}  // namespace saverkit
