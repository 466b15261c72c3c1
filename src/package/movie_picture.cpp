#include "package/movie_picture.h"

#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 90;
constexpr int kStripHeight = 12;  // the perforated film edges at top and bottom
constexpr int kHolePitch = 12;

}  // namespace

Bitmap DrawnMoviePicture() {
  Bitmap frame(kWidth, kHeight, Rgb{40, 40, 48});
  const Rgb hole{200, 200, 200};
  const Rgb picture{70, 90, 130};
  const Rgb play{245, 245, 245};
  for (int y = kStripHeight; y < kHeight - kStripHeight; ++y)
    for (int x = 4; x < kWidth - 4; ++x) frame.SetPixel(x, y, picture);
  for (int x = 3; x + 6 <= kWidth; x += kHolePitch)
    for (int dy = 3; dy < 9; ++dy)
      for (int dx = 0; dx < 6; ++dx) {
        frame.SetPixel(x + dx, dy, hole);
        frame.SetPixel(x + dx, kHeight - 1 - dy, hole);
      }
  // A right-pointing triangle in the middle: each column is shorter the further right it is.
  const int left = kWidth / 2 - 12, centreY = kHeight / 2, halfHeight = 16;
  for (int x = 0; x < 28; ++x) {
    const int reach = halfHeight - x * halfHeight / 28;
    for (int y = centreY - reach; y <= centreY + reach; ++y) frame.SetPixel(left + x, y, play);
  }
  return frame;
}

Bitmap MoviePicture(const std::vector<uint8_t>& jpeg) {
  Bitmap decoded;
  if (DecodeJpeg(jpeg, 0, decoded)) return decoded;
  return DrawnMoviePicture();
}

}  // namespace saverkit
