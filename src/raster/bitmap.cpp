#include "raster/bitmap.h"

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

void Bitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) width = height = 0;
  width_ = width;
  height_ = height;
  stride_ = RowStride(width);
}

void Bitmap::ResetUninitialised(int width, int height) {
  SetSize(width, height);
  pixels_.clear();
  pixels_.resize(stride_ * size_t(height_));
}

void Bitmap::Reset(int width, int height, Rgb fill) {
  SetSize(width, height);
  pixels_.assign(stride_ * size_t(height_), 0);
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
