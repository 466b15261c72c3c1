// Pictures kept among the program's resources: JPEGs of the raw-data type (RT_RCDATA, 10) and
// bitmaps (RT_BITMAP), decoded into the raster layer's bitmaps.
#pragma once

#include <windows.h>

#include "raster/bitmap.h"

namespace saverkit {

// Decodes a raw-data resource as a JPEG at `scale` 0..3 into `picture`; false when the resource
// does not exist or is not a picture (then `picture` is unchanged).
bool LoadResourceJpeg(HMODULE module, const char* name, Bitmap& picture, int scale);

// Decodes a bitmap resource (RT_BITMAP, 24 or 32 bits) into `picture`; false when it does not
// exist or cannot be read (then `picture` is unchanged).
bool LoadResourceBitmap(HMODULE module, const char* name, Bitmap& picture);

}  // namespace saverkit
