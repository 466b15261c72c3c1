#include "show/item_placement.h"

#include <cmath>
#include <limits>

#include "raster/saturating.h"
#include "base/random_source.h"

namespace saverkit {

int32_t ScaledPixels(double value, double scale) { return TruncToI32(value * scale); }

Rect PlacedRect(int32_t x, int32_t y, int64_t width, int64_t height) {
  return Rect{x, y, ClampToI32(int64_t(x) + width), ClampToI32(int64_t(y) + height)};
}

int32_t RandomOffset(int64_t range, RandomSource& random) {
  if (range < 1) return 0;
  return int32_t(random.Next() % uint64_t(range));
}

ItemSize FitIntoHalfArea(ItemSize size, int32_t areaWidth, int32_t areaHeight) {
  const int32_t halfWidth = areaWidth / 2;
  const int32_t halfHeight = areaHeight / 2;
  if (size.width <= halfWidth && size.height <= halfHeight) return size;
  if (halfWidth <= 0 || halfHeight <= 0) return {};
  const double targetRatio = double(halfWidth) / double(halfHeight);
  const double itemRatio = size.height == 0 ? std::numeric_limits<double>::infinity()
                                            : double(size.width) / double(size.height);
  if (targetRatio >= itemRatio) {
    return {int32_t(int64_t(size.width) * halfHeight / size.height), halfHeight};
  }
  return {halfWidth, int32_t(int64_t(size.height) * halfWidth / size.width)};
}

ItemSize LimitItemPixels(ItemSize size) {
  if (size.width <= 0 || size.height <= 0) return size;
  const int64_t pixels = int64_t(size.width) * size.height;
  if (pixels <= kMaxItemPixels) return size;
  const double shrink = std::sqrt(double(kMaxItemPixels) / double(pixels));
  ItemSize limited{int32_t(size.width * shrink), int32_t(size.height * shrink)};
  if (limited.width < 1) limited.width = 1;
  if (limited.height < 1) limited.height = 1;
  // A very thin size loses its proportions rather than the limit.
  if (int64_t(limited.width) * limited.height > kMaxItemPixels) {
    if (limited.width >= limited.height) {
      limited.width = int32_t(kMaxItemPixels / limited.height);
    } else {
      limited.height = int32_t(kMaxItemPixels / limited.width);
    }
  }
  return limited;
}

}  // namespace saverkit
