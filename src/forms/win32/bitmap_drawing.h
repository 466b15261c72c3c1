// Presents the raster layer's bitmaps (24-bit, top-down rows padded to 4 bytes) on a device context.
#pragma once

#include <windows.h>

#include "raster/bitmap.h"
#include "raster/rect.h"
#include "raster/region.h"

namespace saverkit {

void DrawBitmap(HDC dc, const Bitmap& bitmap, int x, int y);
// Half-tone stretch onto `target`.
void StretchDrawBitmap(HDC dc, const Bitmap& bitmap, const Rect& target);

// The Windows region of the same pixels; null when Windows cannot make it. The caller owns it.
HRGN RegionToHrgn(const Region& region);

}  // namespace saverkit
