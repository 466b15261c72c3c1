// The picture that stands for a Flash movie where a thumbnail is shown.
#pragma once

#include <cstdint>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

// The program's movie picture decoded from `jpeg`; when the program carries none (or it cannot
// be decoded), a drawn film frame of 120 x 90 pixels with a play sign.
Bitmap MoviePicture(const std::vector<uint8_t>& jpeg);

// The drawn film frame itself; the program's "XJPEGXFLASH" resource is made from it.
Bitmap DrawnMoviePicture();

}  // namespace saverkit
