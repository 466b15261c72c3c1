// Where an item goes and how large it is, in pixels of the show area.
#pragma once

#include <cstdint>

#include "base/rect.h"

namespace saverkit {

class RandomSource;

struct ItemSize {
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const ItemSize& o) const { return width == o.width && height == o.height; }
};

// The rectangle of `size` at (x, y); edges beyond the i32 range stop at its end.
Rect PlacedRect(int32_t x, int32_t y, int64_t width, int64_t height);

// Product of a package value and a scale, cut toward zero and kept inside i32 whatever the record says.
int32_t ScaledPixels(double value, double scale);

// random(n) for a range: 0 when the range holds no pixel to choose from.
int32_t RandomOffset(int64_t range, RandomSource& random);

// Shrinks a size larger than half the show area (on either axis) to fit into that half, keeping
// its proportions; a size that fits stays as it is.
ItemSize FitIntoHalfArea(ItemSize size, int32_t areaWidth, int32_t areaHeight);

// The largest picture the show puts on screen, in pixels. Sizes come from the package; this keeps
// a damaged record from asking for gigabytes. Larger sizes are reduced keeping their proportions.
inline constexpr int64_t kMaxItemPixels = 64ll * 1024 * 1024;
ItemSize LimitItemPixels(ItemSize size);

}  // namespace saverkit
