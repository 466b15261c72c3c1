// Covers a rectangle with copies of a picture, left to right and top to bottom from the
// rectangle's top-left corner; the last column and row are cut to what remains.
#pragma once

#include <functional>

#include "package/helpers/rect.h"
#include "raster/bitmap.h"

namespace saverkit {

// Calls `place` once per copy with the destination rectangle; the copy always starts at the
// tile's origin. Nothing is placed for a tile or an area smaller than one pixel.
void ForEachTile(const Rect& area, int tileWidth, int tileHeight, const std::function<void(const Rect&)>& place);

// Tiles `tile` over `area` of `canvas`; the parts outside the canvas are clipped.
void TileBitmap(Bitmap& canvas, const Rect& area, const Bitmap& tile);

}  // namespace saverkit
