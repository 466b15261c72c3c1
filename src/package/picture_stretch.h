// Resizing a picture by area averaging: every target pixel is the mean of the source area it
// covers, the portable counterpart of GDI's HALFTONE stretching used for thumbnails and exports.
#pragma once

#include "raster/bitmap.h"

namespace saverkit {

// Resizes `picture` to w x h in place. Nothing happens when w or h is 0 or less, when the picture
// already has that size, or when it is empty. Returns false, leaving the picture unchanged, when
// the target is larger than a Bitmap may be.
bool StretchPicture(Bitmap& picture, int w, int h);

}  // namespace saverkit
