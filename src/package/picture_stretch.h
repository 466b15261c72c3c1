// Resizing a picture in place with the raster layer's half-tone stretch, as thumbnails and
// exported pictures need it, guarded against sizes that come from a hostile package.
#pragma once

#include "raster/bitmap.h"

namespace saverkit {

// Resizes `picture` to w x h. Nothing happens when w or h is 0 or less, when the picture already
// has that size, or when it is empty. Returns false, leaving the picture unchanged, when the target
// is larger than a decoded picture may be.
bool StretchPicture(Bitmap& picture, int w, int h);

}  // namespace saverkit
