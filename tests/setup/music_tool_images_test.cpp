#include "setup/music_tool_images.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

// A disabled button shows its picture greyed, not a grey square: the face stays where it was,
// every other pixel turns grey and keeps the picture's shape, light parts lighter than ink.
TEST(MusicToolImages, DisabledPicturesAreTheSameShapesInGreyOnTheFace) {
  const Rgb face{212, 208, 200};
  const std::vector<Bitmap> enabled = MusicToolImages(face), disabled = DisabledMusicToolImages(face);
  ASSERT_EQ(disabled.size(), enabled.size());
  for (size_t i = 0; i < enabled.size(); ++i) {
    int shape = 0;
    for (int y = 0; y < kMusicToolImageSize; ++y) {
      for (int x = 0; x < kMusicToolImageSize; ++x) {
        const Rgb before = enabled[i].Pixel(x, y), after = disabled[i].Pixel(x, y);
        if (before == face) {
          ASSERT_EQ(after, face) << i << " at " << x << "," << y;
          continue;
        }
        ++shape;
        ASSERT_TRUE(after.r == after.g && after.g == after.b) << i << " at " << x << "," << y;
        ASSERT_FALSE(after == face) << i << " at " << x << "," << y;
      }
    }
    EXPECT_GT(shape, 100) << "picture " << i << " has no shape to grey";
  }
  // The save picture's light label stays lighter than its ink.
  EXPECT_GT(disabled[3].Pixel(16, 20).r, disabled[3].Pixel(7, 7).r);
}

}  // namespace
}  // namespace saverkit
