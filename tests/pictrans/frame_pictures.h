// Pictures for frame tests: the new picture's pixels name their own coordinates, so a frame
// pixel tells where in the new picture it came from; the old picture is one flat colour.
#pragma once

#include "raster/bitmap.h"

namespace saverkit {

constexpr Rgb kOldColour{10, 10, 10};

// Pixel (x, y) is (x mod 256, y mod 256, 200).
inline Bitmap CoordinatePicture(int width, int height) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, Rgb{uint8_t(x & 255), uint8_t(y & 255), 200});
  return picture;
}

inline bool IsNew(Rgb pixel) { return pixel.b == 200; }

}  // namespace saverkit
