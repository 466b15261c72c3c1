// The music tool bar's pictures, drawn by the program itself: play, pause, stop and save.
#pragma once

#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

inline constexpr int kMusicToolImageSize = 32;

// Image indexes 0 play, 1 pause, 2 stop, 3 save, each 32 x 32 on the button face colour `face`.
std::vector<Bitmap> MusicToolImages(Rgb face);

}  // namespace saverkit
