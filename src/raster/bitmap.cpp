#include "raster/bitmap.h"

#include <cassert>
#include <cstring>

namespace saverkit {

Bitmap::Bitmap(int width, int height, Rgb fill) { Reset(width, height, fill); }

Bitmap Bitmap::Clone() const {
  Bitmap copy;
  copy.width_ = width_;
  copy.height_ = height_;
  copy.stride_ = stride_;
  copy.pixels_ = pixels_;
  return copy;
}

std::optional<size_t> Bitmap::PixelBytes(int width, int height, size_t addressable) {
  if (width <= 0 || height <= 0) return std::nullopt;
  // The stride is width * 3 rounded up to a multiple of 4, then stride * height: each step is
  // checked, so that no intermediate wraps round to a small, plausible size.
  size_t padded = 0, bytes = 0;
  if (__builtin_mul_overflow(size_t(width), size_t(3), &padded) || __builtin_add_overflow(padded, size_t(3), &padded))
    return std::nullopt;
  if (__builtin_mul_overflow(padded & ~size_t(3), size_t(height), &bytes) || bytes > addressable) return std::nullopt;
  return bytes;
}

void Bitmap::SetSize(int width, int height, bool zeroed) {
  std::optional<size_t> bytes;
  if (width <= kMaxSide && height <= kMaxSide) bytes = PixelBytes(width, height);
  // Empty until the bytes are there: a failed allocation leaves the defined empty bitmap, never a
  // size without the pixels behind it. Clearing keeps the capacity for a picture of the same size.
  width_ = height_ = 0;
  stride_ = 0;
  pixels_.clear();
  if (!bytes) return;
  if (zeroed) pixels_.assign(*bytes, 0);
  else pixels_.resize(*bytes);
  width_ = width;
  height_ = height;
  stride_ = RowStride(width);
  assert(stride_ * size_t(height_) == pixels_.size());
}

void Bitmap::ResetUninitialised(int width, int height) { SetSize(width, height, false); }

void Bitmap::Reset(int width, int height, Rgb fill) {
  SetSize(width, height, true);
  // assign already made every pixel black; a second pass over a 12-megapixel picture is measurable.
  if (fill != Rgb{}) Fill(fill);
}

void Bitmap::Fill(Rgb colour) {
  if (Empty()) return;
  uint8_t* first = Row(0);
  for (int x = 0; x < width_; ++x) {
    first[x * 3] = colour.b;
    first[x * 3 + 1] = colour.g;
    first[x * 3 + 2] = colour.r;
  }
  for (int y = 1; y < height_; ++y) std::memcpy(Row(y), first, stride_);
}

Rgb Bitmap::Pixel(int x, int y) const {
  if (!Contains(x, y)) return {};
  const uint8_t* p = Row(y) + size_t(x) * 3;
  return Rgb{p[2], p[1], p[0]};
}

void Bitmap::SetPixel(int x, int y, Rgb colour) {
  if (!Contains(x, y)) return;
  uint8_t* p = Row(y) + size_t(x) * 3;
  p[0] = colour.b;
  p[1] = colour.g;
  p[2] = colour.r;
}

bool Bitmap::SamePixels(const Bitmap& other) const {
  if (width_ != other.width_ || height_ != other.height_) return false;
  for (int y = 0; y < height_; ++y)
    if (std::memcmp(Row(y), other.Row(y), size_t(width_) * 3) != 0) return false;
  return true;
}

}  // namespace saverkit
