// Presents the raster layer's bitmaps (24-bit, top-down rows padded to 4 bytes) on a device context.
#pragma once

#include <windows.h>

#include "raster/bitmap.h"
#include "base/rect.h"

namespace saverkit {

// The one place a bitmap reaches a device context: as a top-down DIB, its rows as they are.
// Draws the whole bitmap with its top-left corner at (x, y) of `dc`.
void DrawBitmap(const Bitmap& bitmap, int x, int y, HDC dc);
// Half-tone stretch onto `target` of `dc`.
void StretchDrawBitmap(const Bitmap& bitmap, HDC dc, const Rect& target);

}  // namespace saverkit
