// The cross-fade and the rotations through the frame composer.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "pictrans/frame_composer.h"
#include "pictrans/frame_pictures.h"
#include "pictrans/transition_drawing.h"

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

TEST(CrossFade, EveryWeightAndEveryPairOfValuesTruncatesEachTerm) {
  // All 65536 pairs of old and new channel values in one picture, across every progress.
  Bitmap old(256, 86), fresh(256, 86);
  for (int y = 0; y < 86; ++y)
    for (int x = 0; x < 256; ++x) {
      const int pair = y * 256 * 3 + x * 3;
      old.Row(y)[x * 3] = uint8_t(pair / 256), old.Row(y)[x * 3 + 1] = uint8_t((pair + 1) / 256),
      old.Row(y)[x * 3 + 2] = uint8_t((pair + 2) / 256);
      fresh.Row(y)[x * 3] = uint8_t(pair), fresh.Row(y)[x * 3 + 1] = uint8_t(pair + 1),
      fresh.Row(y)[x * 3 + 2] = uint8_t(pair + 2);
    }
  for (int alpha = 0; alpha <= 100; ++alpha) {
    Bitmap blended = old.Clone();
    MergeTransparent(blended, fresh, alpha);
    int wrong = 0;
    for (int y = 0; y < 86; ++y)
      for (int i = 0; i < 256 * 3; ++i)
        wrong += blended.Row(y)[i] != old.Row(y)[i] * (100 - alpha) / 100 + alpha * fresh.Row(y)[i] / 100;
    EXPECT_EQ(wrong, 0) << "alpha " << alpha;
  }
}

// The rotation written out pixel by pixel.
void ReferenceRotate(Bitmap& dst, const Bitmap& src, int px, int py, double angle) {
  const double s = std::sin(angle), c = std::cos(angle);
  for (int row = 0; row < dst.Height(); ++row)
    for (int col = 0; col < dst.Width(); ++col) {
      const double u = col - px, v = row - py;
      const double sx = px + std::nearbyint(u * c - v * s), sy = py + std::nearbyint(u * s + v * c);
      if (sx >= 0 && sy >= 0 && sx < src.Width() && sy < src.Height()) dst.SetPixel(col, row, src.Pixel(int(sx), int(sy)));
    }
}

TEST(FrameComposer, FrameIsTheSameWhetherTheCallerOrTheComposerRestoresTheOldPicture) {
  // The cross-fade and the rotations read the old picture directly instead of a restored frame;
  // every other style gets the frame restored. Either way the frame must be the one composed
  // over a restored frame, whatever the frame held before.
  const int w = 45, h = 31;
  const Bitmap pic = CoordinatePicture(w, h);
  Bitmap old(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) old.SetPixel(x, y, Rgb{uint8_t(x * 5), uint8_t(y * 7), 40});
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignore = [](const Rect&) {};
  for (const int style : {5, 60, 117, 118, 119, 120, 121, 122, 200})
    for (const int p : {0, 1, 50, 99, 100}) {
      Bitmap restored = old.Clone(), stale(w, h, Rgb{1, 2, 3});
      EffectRandom random1(7), random2(7);
      ComposeFrame(FrameRequest{pic, restored, style, p, 4, false, random1, noCustomDraw, ignore});
      ComposeFrame(FrameRequest{pic, stale, style, p, 4, false, random2, noCustomDraw, ignore, &old});
      EXPECT_TRUE(stale.SamePixels(restored)) << "style " << style << " at " << p;
    }
}

TEST(Rotations, TakeTheSourcePixelRoundedToEvenAtAnyAngle) {
  const Bitmap pic = CoordinatePicture(150, 97);
  const struct {
    int px, py;
  } pivots[] = {{-1, -1}, {150, 97}, {-1, 97}, {150, -1}, {75, 48}, {0, 0}};
  for (const auto& pivot : pivots)
    for (double angle : {0.0, 0.25, M_PI / 4, M_PI / 2 - 0.01, M_PI / 2, 2.0, -0.7, 3 * M_PI / 2}) {
      Bitmap expected(150, 97, kOldColour), actual(150, 97, kOldColour);
      ReferenceRotate(expected, pic, pivot.px, pivot.py, angle);
      MergeRotate(actual, pic, pivot.px, pivot.py, angle);
      EXPECT_TRUE(actual.SamePixels(expected)) << pivot.px << "," << pivot.py << " by " << angle;
    }
}

TEST(Rotations, EveryProgressAndCornerMatchesThePlainFormulaAtOddAndFullSizes) {
  // The rotation copies only a run of columns per row, found from the turned picture's edges,
  // and moves pixels 4 bytes at a time: sizes whose rows have no padding (width a multiple of 4),
  // a single pixel, thin strips and the full screen check both against the formula, with the
  // pixels outside taken from the frame itself or from a separate old picture.
  const struct {
    int width, height;
    std::vector<int> progresses;
  } cases[] = {
      {1, 1, {}}, {2, 3, {}}, {64, 48, {}}, {61, 37, {}}, {7, 200, {}}, {300, 5, {}}, {1920, 1080, {25, 50, 75}},
  };
  for (const auto& c : cases) {
    std::vector<int> progresses = c.progresses;
    if (progresses.empty())
      for (int p = 1; p < 100; ++p) progresses.push_back(p);
    const Bitmap pic = CoordinatePicture(c.width, c.height);
    const Bitmap old(c.width, c.height, kOldColour);
    for (const int p : progresses)
      for (const int px : {-1, c.width})
        for (const int py : {-1, c.height}) {
          const double angle = (100 - p) * M_PI / 200;
          Bitmap expected = old.Clone(), inPlace = old.Clone(), fromOld(c.width, c.height, Rgb{1, 2, 3});
          ReferenceRotate(expected, pic, px, py, angle);
          MergeRotate(inPlace, pic, px, py, angle);
          MergeRotate(fromOld, old, pic, px, py, angle);
          ASSERT_TRUE(inPlace.SamePixels(expected)) << c.width << "x" << c.height << " p " << p << " about " << px << "," << py;
          ASSERT_TRUE(fromOld.SamePixels(expected)) << c.width << "x" << c.height << " p " << p << " about " << px << "," << py;
        }
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
