// Pictures made at test time the way cameras and other programs write them: JPEGs carrying an
// EXIF block (orientation, date) written with libexif, PNG and WebP files, and a picture whose
// four quadrants have four colours, so that turning it shows in its pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit::testing {

// Top-left red, top-right green, bottom-left blue, bottom-right white.
Bitmap Quadrants(int width, int height);
// True when `picture` shows the four quadrants in that order (within JPEG's tolerance).
bool ShowsQuadrants(const Bitmap& picture);

// The picture turned by `quarterTurns` times 90 degrees clockwise.
Bitmap TurnClockwise(const Bitmap& picture, int quarterTurns);

// What a camera held at `orientation` (1, 3, 6 or 8) stores so that a viewer applying the
// orientation shows `upright`.
Bitmap StoredForOrientation(const Bitmap& upright, int orientation);

// A JPEG of `picture` with an EXIF block holding the orientation and, when not empty, the date
// ("YYYY:MM:DD HH:MM:SS" as DateTimeOriginal).
std::vector<uint8_t> JpegWithExif(const Bitmap& picture, int orientation, const std::string& date = "");

std::vector<uint8_t> PngOf(const Bitmap& picture, bool transparentTopLeft = false);
std::vector<uint8_t> WebpOf(const Bitmap& picture);

}  // namespace saverkit::testing
