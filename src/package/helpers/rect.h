// The Windows rectangle is the raster layer's; the helpers add a constructor from a corner and a size.
#pragma once

#include "raster/rect.h"

namespace saverkit {

inline Rect RectAt(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

}  // namespace saverkit
