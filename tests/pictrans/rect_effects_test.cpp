#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "pictrans/effect_frame.h"
#include "pictrans/frame_composer.h"
#include "pictrans/frame_pictures.h"
#include "raster/region.h"

namespace saverkit {
namespace {

struct Composed {
  Bitmap frame;
  std::vector<Rect> invalidated;
  FrameOutcome outcome;
};

Composed Compose(int style, int width, int height, int progress, int step = 4) {
  const Bitmap pic = CoordinatePicture(width, height);
  Composed c{Bitmap(width, height, kOldColour), {}, {}};
  EffectRandom random(3);
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> record = [&c](const Rect& r) { c.invalidated.push_back(r); };
  c.outcome = ComposeFrame(FrameRequest{pic, c.frame, style, progress, step, false, random, noCustomDraw, record});
  return c;
}

// The pixels of the frame that show the new picture.
Region NewPixels(const Bitmap& frame) {
  std::vector<Rect> rows;
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x)
      if (IsNew(frame.Pixel(x, y))) rows.push_back(Rect{x, y, x + 1, y + 1});
  return Region::FromRects(rows);
}

struct Size {
  int width, height;
};
constexpr Size kSizes[] = {{200, 100}, {90, 160}, {120, 120}, {7, 5}};

TEST(RectangleEffects, FullProgressShowsTheWholeNewPictureExactly) {
  for (const Size& size : kSizes)
    for (int style = 0; style <= 57; ++style) {
      const Composed c = Compose(style, size.width, size.height, 100);
      EXPECT_TRUE(c.frame.SamePixels(CoordinatePicture(size.width, size.height)))
          << "effect " << style << " on " << size.width << "x" << size.height;
    }
}

TEST(RectangleEffects, ZeroProgressKeepsTheOldPictureExceptForThePieces) {
  const int w = 40, h = 30, hx = 20, hy = 15;
  // The pieces some effects still draw at progress 0; every other effect leaves the old picture.
  const struct {
    int style;
    std::vector<Rect> newPixels;
  } withPieces[] = {
      {12, {{0, 0, 1, h}}},
      {13, {{0, 0, 1, h}}},
      {29, {{0, 0, w, 1}}},
      {30, {{0, 0, w, 1}}},
      {55, {{0, 0, 1, 1}, {0, h - 1, 1, h}, {w - 1, h - 1, w, h}}},
      {56, {{0, 0, 1, 1}}},
      {57, {{0, 0, 1, hy + 1}, {hx - 1, 0, w, 1}}},
  };
  for (int style = 1; style <= 57; ++style) {
    std::vector<Rect> expected;
    for (const auto& e : withPieces)
      if (e.style == style) expected = e.newPixels;
    const Composed c = Compose(style, w, h, 0);
    EXPECT_EQ(NewPixels(c.frame), Region::FromRects(expected)) << "effect " << style;
  }
}

TEST(RectangleEffects, PiecesAtZeroShowTheRightPartOfTheNewPicture) {
  // Effect 13 squeezes the left half into its one-pixel column; effect 12 copies column 0 as is.
  EXPECT_EQ(Compose(12, 40, 30, 0).frame.Pixel(0, 7), (Rgb{0, 7, 200}));
  EXPECT_EQ(Compose(13, 40, 30, 0).frame.Pixel(0, 7), (Rgb{10, 7, 200}));
}

TEST(RectangleEffects, DefaultZoomAtHalfShowsTheMiddleEnlarged) {
  // 200 x 100 at p = 50: dx = 100, dy = 50, D = (-100, -50, 300, 150), S = (50, 25, 150, 75).
  const Composed c = Compose(51, 200, 100, 50);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x)
      ASSERT_EQ(c.frame.Pixel(x, y), (Rgb{uint8_t(50 + (x + 100) / 4), uint8_t(25 + (y + 50) / 4), 200}))
          << x << "," << y;
  ASSERT_FALSE(c.invalidated.empty());
  EXPECT_EQ(c.invalidated.back(), (Rect{-100, -50, 300, 150}));
}

TEST(RectangleEffects, ExtentsKeepTheAspectRatio) {
  // Wipes at p = 50 show exactly the advance dx (from the left) or dy (from the top); a portrait
  // picture derives dx from dy, a square one takes the landscape branch.
  const struct {
    int style, width, height, progress;
    Rect expected;
  } cases[] = {
      {5, 200, 100, 50, {0, 0, 100, 100}},  {22, 200, 100, 50, {0, 0, 200, 50}},
      {5, 100, 200, 50, {0, 0, 50, 200}},   {22, 100, 200, 50, {0, 0, 100, 100}},
      {22, 120, 120, 25, {0, 0, 120, 30}},  {5, 30, 70, 33, {0, 0, 10, 70}},  // dy = 23, dx = MulDiv(23, 30, 70) = 10
      {43, 200, 100, 25, {0, 0, 50, 25}},   {6, 200, 100, 10, {180, 0, 200, 100}},
      {53, 200, 100, 50, {50, 25, 150, 75}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NewPixels(Compose(c.style, c.width, c.height, c.progress).frame), Region::FromRect(c.expected))
        << "effect " << c.style << " " << c.width << "x" << c.height << " p " << c.progress;
}

TEST(RectangleEffects, SlidesShiftTheWholePicture) {
  // Effect 3 at p = 25 on 200 x 100: D = (150, 0, 250, 100) unstretched, so frame x shows x - 150.
  const Composed c = Compose(3, 200, 100, 25);
  EXPECT_EQ(c.frame.Pixel(150, 40), (Rgb{0, 40, 200}));
  EXPECT_EQ(c.frame.Pixel(199, 40), (Rgb{49, 40, 200}));
  EXPECT_EQ(c.frame.Pixel(149, 40), kOldColour);
}

TEST(RectangleEffects, FoldShowsTheNextBandMirrored) {
  // Effect 14 at p = 50 on 200 x 100: dx = 100, band W div 10 = 20: columns 100..119 show
  // columns 139..120 of the new picture; columns from 120 on stay old.
  const Composed c = Compose(14, 200, 100, 50);
  for (int x = 0; x < 100; ++x) ASSERT_EQ(c.frame.Pixel(x, 9), (Rgb{uint8_t(x), 9, 200}));
  for (int x = 100; x < 120; ++x) ASSERT_EQ(c.frame.Pixel(x, 9), (Rgb{uint8_t(239 - x), 9, 200})) << x;
  EXPECT_EQ(c.frame.Pixel(120, 9), kOldColour);
  // The same fold from the bottom (32): Ky = 50, band 10, rows 40..49 show rows 30..39 flipped.
  const Composed v = Compose(32, 200, 100, 50);
  for (int y = 40; y < 50; ++y) ASSERT_EQ(v.frame.Pixel(3, y), (Rgb{3, uint8_t(79 - y), 200})) << y;
  EXPECT_EQ(v.frame.Pixel(3, 39), kOldColour);
  EXPECT_EQ(v.frame.Pixel(3, 50), (Rgb{3, 50, 200}));
}

TEST(RectangleEffects, FoldWithoutAdvanceDrawsNothing) {
  // 40 px wide at p = 1: dx = MulDiv(40, 1, 100) = 0, so the band is empty even though p > 0.
  EXPECT_TRUE(NewPixels(Compose(14, 40, 30, 1).frame).IsEmpty());
  EXPECT_TRUE(NewPixels(Compose(14, 40, 30, 0).frame).IsEmpty());
}

TEST(RectangleEffects, SmearStretchesOneStripOverTheRest) {
  // Effect 16 at p = 50 on 200 x 100: the strip 100..109 covers 100..199.
  const Composed c = Compose(16, 200, 100, 50);
  EXPECT_EQ(c.frame.Pixel(99, 5), (Rgb{99, 5, 200}));
  EXPECT_EQ(c.frame.Pixel(100, 5), (Rgb{100, 5, 200}));
  EXPECT_EQ(c.frame.Pixel(199, 5), (Rgb{109, 5, 200}));
  // Effect 34 from the bottom: rows 0..49 show the strip 45..49.
  const Composed v = Compose(34, 200, 100, 50);
  EXPECT_EQ(v.frame.Pixel(5, 0), (Rgb{5, 45, 200}));
  EXPECT_EQ(v.frame.Pixel(5, 49), (Rgb{5, 49, 200}));
  EXPECT_EQ(v.frame.Pixel(5, 50), (Rgb{5, 50, 200}));
}

TEST(RectangleEffects, QuartersMeetAtTheEnd) {
  // Effects 55 and 56 at p = 90 cover everything but a cross through the centre.
  for (int style : {55, 56}) {
    const Region shown = NewPixels(Compose(style, 200, 100, 90).frame);
    EXPECT_TRUE(shown.Contains(0, 0) && shown.Contains(199, 0) && shown.Contains(0, 99) && shown.Contains(199, 99))
        << style;
    EXPECT_FALSE(shown.Contains(100, 50)) << style;
  }
}

TEST(EffectTable, EveryStyleUpTo127HasItsOwnEffectAndNoneAbove) {
  for (int style = 0; style < 256; ++style) EXPECT_EQ(LookupEffect(style) != nullptr, style <= 127) << style;
}

TEST(RectangleEffects, StyleAboveTheTableDrawsAndInvalidatesNothing) {
  for (int style : {128, 200, 255}) {
    const Composed c = Compose(style, 50, 40, 60);
    EXPECT_FALSE(c.outcome.drawn);
    EXPECT_TRUE(c.invalidated.empty());
    EXPECT_TRUE(NewPixels(c.frame).IsEmpty());
  }
}

TEST(RectangleEffects, InstantChangeJumpsToTheEndOfTheRun) {
  const Composed c = Compose(0, 50, 40, 4);
  EXPECT_EQ(c.outcome.progress, 100);
  EXPECT_TRUE(c.frame.SamePixels(CoordinatePicture(50, 40)));
}

TEST(RectangleEffects, EveryEffectStaysInsideTheFrameAtAnyProgress) {
  // Odd and tiny sizes exercise the negative and out-of-picture rectangles; a write outside the
  // frame would be caught by the sanitizers, a wrong clip by the size check.
  for (const Size& size : {Size{1, 1}, Size{3, 2}, Size{2, 9}, Size{33, 17}})
    for (int style = 0; style <= 57; ++style)
      for (int p : {1, 25, 50, 75, 99}) {
        const Composed c = Compose(style, size.width, size.height, p, 100);
        ASSERT_EQ(c.frame.Width(), size.width);
      }
}

}  // namespace
}  // namespace saverkit
