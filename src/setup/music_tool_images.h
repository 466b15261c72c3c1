// The music tool bar's pictures, drawn by the program itself: play, pause, stop and save.
#pragma once

#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

inline constexpr int kMusicToolImageSize = 32;

// Image indexes 0 play, 1 pause, 2 stop, 3 save, each 32 x 32 on the button face colour `face`.
std::vector<Bitmap> MusicToolImages(Rgb face);
// The same pictures greyed, for buttons that cannot be pressed: every pixel of a picture turns to
// the grey halfway between its own brightness and the face's; the face stays as it is.
std::vector<Bitmap> DisabledMusicToolImages(Rgb face);

}  // namespace saverkit
