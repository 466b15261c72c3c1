// The cross-fade and the rotations through the frame composer.
#include <gtest/gtest.h>

#include <functional>

#include "pictrans/frame_composer.h"
#include "pictrans/frame_pictures.h"

namespace saverkit {
namespace {

Bitmap Compose(int style, const Bitmap& pic, Rgb old, int progress) {
  Bitmap frame(pic.Width(), pic.Height(), old);
  EffectRandom random(1);
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignore = [](const Rect&) {};
  ComposeFrame(FrameRequest{pic, frame, style, progress, 4, false, random, noCustomDraw, ignore});
  return frame;
}

TEST(CrossFade, BlendsEachChannelByProgress) {
  const Bitmap pic(9, 4, Rgb{200, 200, 0});
  const struct {
    int p;
    Rgb expected;  // over an old picture of (100, 0, 255)
  } cases[] = {
      {50, {150, 100, 127}},  // 100 * 50 div 100 + 50 * 200 div 100 = 150
      {1, {101, 2, 252}},     // 99 * 100 div 100 + 200 div 100 = 101, 99 * 255 div 100 = 252
      {99, {199, 198, 2}},
  };
  for (const auto& c : cases) {
    const Bitmap frame = Compose(118, pic, Rgb{100, 0, 255}, c.p);
    EXPECT_EQ(frame.Pixel(0, 0), c.expected) << c.p;
    EXPECT_EQ(frame.Pixel(8, 3), c.expected) << c.p;
  }
}

TEST(Rotations, TurnAboutAPointJustOutsideTheirCorner) {
  const int w = 40, h = 30;
  const Bitmap pic = CoordinatePicture(w, h);
  const struct {
    int style;
    int nearX, nearY;  // the picture's pixel next to the pivot
    int farX, farY;    // the opposite corner
  } cases[] = {
      {119, 0, 0, w - 1, h - 1},
      {120, 0, h - 1, w - 1, 0},
      {121, w - 1, 0, 0, h - 1},
      {122, w - 1, h - 1, 0, 0},
  };
  for (const auto& c : cases) {
    // A small turn leaves the pixel beside the pivot in place and moves the far corner.
    const Bitmap frame = Compose(c.style, pic, kOldColour, 90);
    EXPECT_EQ(frame.Pixel(c.nearX, c.nearY), pic.Pixel(c.nearX, c.nearY)) << c.style;
    EXPECT_NE(frame.Pixel(c.farX, c.farY), pic.Pixel(c.farX, c.farY)) << c.style;
    // Half-way the new picture has turned partly into view: some of each picture shows, and
    // what shows of the new one is whole pixels of it.
    const Bitmap half = Compose(c.style, pic, kOldColour, 50);
    int fresh = 0, old = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const Rgb p = half.Pixel(x, y);
        if (IsNew(p)) {
          ++fresh;
          ASSERT_LT(p.r, w);
          ASSERT_LT(p.g, h);
        } else {
          ++old;
          ASSERT_EQ(p, kOldColour);
        }
      }
    EXPECT_GT(fresh, 0) << c.style;
    EXPECT_GT(old, 0) << c.style;
  }
}

}  // namespace
}  // namespace saverkit
