// Covers a rectangle with copies of a picture, left to right and top to bottom from the
// rectangle's top-left corner; the last column and row are cut to what remains. The show's
// background and the transition control's tiled background both draw through it.
#pragma once

#include "raster/bitmap.h"
#include "base/rect.h"

namespace saverkit {

// Tiles `tile` over `area` of `canvas`; the parts outside the canvas are clipped. Nothing is
// drawn for an empty tile or an area without pixels.
void TileBitmap(const Bitmap& tile, const Rect& area, Bitmap& canvas);

}  // namespace saverkit
