#include "raster/tile_bitmap.h"

#include <algorithm>
#include <cstring>

namespace saverkit {

void TileBitmap(const Bitmap& tile, const Rect& area, Bitmap& canvas) {
  // Only the part of the area on the canvas is visited, so a huge area costs no more than the canvas.
  const Rect visible{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, canvas.Width()),
                     std::min(area.bottom, canvas.Height())};
  if (tile.Empty() || visible.Width() < 1 || visible.Height() < 1) return;
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int tileY = int((int64_t(y) - area.top) % tile.Height());
    const uint8_t* source = tile.Row(tileY);
    uint8_t* target = canvas.Row(y);
    int x = visible.left;
    while (x < visible.right) {
      const int tileX = int((int64_t(x) - area.left) % tile.Width());
      const int run = std::min(tile.Width() - tileX, visible.right - x);
      std::memcpy(target + size_t(x) * 3, source + size_t(tileX) * 3, size_t(run) * 3);
      x += run;
    }
  }
}

}  // namespace saverkit
