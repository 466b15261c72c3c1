#include "setup/music_tool_images.h"

#include <cstdlib>

namespace saverkit {
namespace {

constexpr Rgb kInk{40, 70, 140};
constexpr Rgb kLight{230, 235, 245};

void FillBox(Bitmap& picture, int left, int top, int right, int bottom, Rgb colour) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) picture.SetPixel(x, y, colour);
  }
}

Bitmap Play(Rgb face) {
  Bitmap picture(kMusicToolImageSize, kMusicToolImageSize, face);
  // A triangle pointing right: each row is as long as its distance from the nearer tip edge.
  for (int y = 6; y < 26; ++y) {
    const int half = 10 - std::abs(y - 16 + (y >= 16 ? 1 : 0));
    FillBox(picture, 9, y, 9 + 2 * half + 2, y + 1, kInk);
  }
  return picture;
}

Bitmap Pause(Rgb face) {
  Bitmap picture(kMusicToolImageSize, kMusicToolImageSize, face);
  FillBox(picture, 9, 7, 14, 25, kInk);
  FillBox(picture, 18, 7, 23, 25, kInk);
  return picture;
}

Bitmap Stop(Rgb face) {
  Bitmap picture(kMusicToolImageSize, kMusicToolImageSize, face);
  FillBox(picture, 8, 8, 24, 24, kInk);
  return picture;
}

Bitmap Save(Rgb face) {
  Bitmap picture(kMusicToolImageSize, kMusicToolImageSize, face);
  FillBox(picture, 6, 6, 26, 26, kInk);     // the disk
  FillBox(picture, 10, 6, 22, 13, kLight);  // its shutter
  FillBox(picture, 18, 7, 21, 12, kInk);
  FillBox(picture, 9, 16, 23, 26, kLight);  // its label
  return picture;
}

int Brightness(Rgb colour) { return (colour.r + colour.g + colour.b) / 3; }

}  // namespace

std::vector<Bitmap> DisabledMusicToolImages(Rgb face) {
  std::vector<Bitmap> images = MusicToolImages(face);
  for (Bitmap& picture : images) {
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) {
        const Rgb colour = picture.Pixel(x, y);
        if (colour == face) continue;
        const auto grey = uint8_t((Brightness(colour) + Brightness(face)) / 2);
        picture.SetPixel(x, y, Rgb{grey, grey, grey});
      }
    }
  }
  return images;
}

std::vector<Bitmap> MusicToolImages(Rgb face) {
  std::vector<Bitmap> images;
  images.push_back(Play(face));
  images.push_back(Pause(face));
  images.push_back(Stop(face));
  images.push_back(Save(face));
  return images;
}

}  // namespace saverkit
