// Effects 58 to 127 through the frame composer, and the region a region effect builds.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "pictrans/effect_frame.h"
#include "pictrans/frame_composer.h"
#include "pictrans/frame_pictures.h"
#include "pictrans/region_printing.h"
#include "pictrans/region_shapes.h"
#include "pictrans/transition_drawing.h"
#include "raster/muldiv.h"
#include "raster/region.h"

namespace saverkit {
namespace {

constexpr int kFirst = 58, kLast = 127;
bool IsPixelEffect(int style) { return style >= 118 && style <= 122; }

Bitmap Compose(int style, int width, int height, int progress, uint32_t seed = 3, int step = 4) {
  const Bitmap pic = CoordinatePicture(width, height);
  Bitmap frame(width, height, kOldColour);
  EffectRandom random(seed);
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignore = [](const Rect&) {};
  ComposeFrame(FrameRequest{pic, frame, style, progress, step, false, random, noCustomDraw, ignore});
  return frame;
}

// The clipping region a region effect builds for one frame.
Region RegionOf(int style, int width, int height, int progress, uint32_t seed = 3, int step = 4) {
  const Bitmap pic(width, height);
  Bitmap screen(width, height);
  EffectRandom random(seed);
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignore = [](const Rect&) {};
  EffectFrame f(pic, screen, progress, step, false, random, noCustomDraw, ignore);
  LookupEffect(style)(f);
  EXPECT_EQ(f.finish, FrameFinish::kRegion) << style;
  return f.region;
}

// The pixels of the frame that show the new picture.
Region NewPixels(const Bitmap& frame) {
  std::vector<Rect> pixels;
  for (int y = 0; y < frame.Height(); ++y)
    for (int x = 0; x < frame.Width(); ++x)
      if (IsNew(frame.Pixel(x, y))) pixels.push_back(Rect{x, y, x + 1, y + 1});
  return Region::FromRects(pixels);
}

struct Size {
  int width, height;
};
constexpr Size kSizes[] = {{120, 80}, {64, 90}, {50, 50}, {7, 5}, {1, 1}};

TEST(RegionAndPixelEffects, StartAtTheOldPictureAndEndAtTheNewOne) {
  for (const Size& s : kSizes)
    for (int style = kFirst; style <= kLast; ++style) {
      EXPECT_TRUE(Compose(style, s.width, s.height, 0).SamePixels(Bitmap(s.width, s.height, kOldColour)))
          << "effect " << style << " on " << s.width << "x" << s.height;
      EXPECT_TRUE(Compose(style, s.width, s.height, 100).SamePixels(CoordinatePicture(s.width, s.height)))
          << "effect " << style << " on " << s.width << "x" << s.height;
    }
}

TEST(RegionAndPixelEffects, RegionEffectsShowTheNewPictureInPlaceAndOnlyWithinTheirRegion) {
  for (int style = kFirst; style <= kLast; ++style) {
    if (IsPixelEffect(style)) continue;
    for (int p : {20, 50, 80}) {
      const Bitmap frame = Compose(style, 120, 80, p);
      const Region inPicture = Region::Combine(RegionOf(style, 120, 80, p), Region::FromRect(Rect{0, 0, 120, 80}),
                                               Region::Op::kIntersect);
      EXPECT_EQ(NewPixels(frame), inPicture) << "effect " << style << " at " << p;
      bool inPlace = true;
      for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x)
          if (IsNew(frame.Pixel(x, y))) inPlace &= frame.Pixel(x, y) == (Rgb{uint8_t(x), uint8_t(y), 200});
      EXPECT_TRUE(inPlace) << "effect " << style << " at " << p;
      // Half-way, every effect shows some of each picture.
      if (p == 50) {
        EXPECT_FALSE(inPicture.IsEmpty()) << "effect " << style;
        EXPECT_NE(inPicture, Region::FromRect(Rect{0, 0, 120, 80})) << "effect " << style;
      }
    }
  }
}

TEST(RegionAndPixelEffects, EveryNumberHasAnEffectOfItsOwn) {
  // Some combs agree while their even bands fill and others once the odd ones do, so each
  // effect is known by a frame of each phase.
  struct Signature {
    Bitmap early, late;
  };
  std::vector<Signature> signatures;
  for (int style = kFirst; style <= kLast; ++style)
    signatures.push_back(Signature{Compose(style, 60, 40, 37), Compose(style, 60, 40, 75)});
  for (size_t i = 0; i < signatures.size(); ++i)
    for (size_t j = i + 1; j < signatures.size(); ++j)
      EXPECT_FALSE(signatures[i].early.SamePixels(signatures[j].early) &&
                   signatures[i].late.SamePixels(signatures[j].late))
          << "effects " << kFirst + i << " and " << kFirst + j;
}

TEST(CombEffects, RowCombSnapsWithinTheStepDistance) {
  // 100 x 50 with Step 4: J = MulDiv(100, 4, 90) = 4.
  const struct {
    int p;
    std::vector<Rect> rows;  // inside the picture
  } cases[] = {
      // 2dx = 96; 96 + 4 is not beyond 100, so the even bands stop at 4.
      {48, {{4, 0, 100, 5}, {4, 10, 100, 15}, {4, 20, 100, 25}, {4, 30, 100, 35}, {4, 40, 100, 45}}},
      // 2dx = 98 comes within J of the width: the even bands are whole.
      {49, {{0, 0, 100, 5}, {0, 10, 100, 15}, {0, 20, 100, 25}, {0, 30, 100, 35}, {0, 40, 100, 45}}},
      // Past the width the odd bands come in from the right: 2W - 2dx = 98.
      {51,
       {{0, 0, 100, 5}, {98, 5, 100, 10}, {0, 10, 100, 15}, {98, 15, 100, 20}, {0, 20, 100, 25}, {98, 25, 100, 30},
        {0, 30, 100, 35}, {98, 35, 100, 40}, {0, 40, 100, 45}, {98, 45, 100, 50}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NewPixels(Compose(60, 100, 50, c.p, 3, 4)), Region::FromRects(c.rows)) << "p = " << c.p;
}

TEST(CrossedCombs, AreTheCommonPartOfTheFarAndNearCombs) {
  for (int p : {10, 40, 60, 90}) {
    const Region far = RegionOf(86, 90, 60, p), near = RegionOf(89, 90, 60, p);
    EXPECT_EQ(RegionOf(99, 90, 60, p), Region::Combine(far, near, Region::Op::kIntersect)) << p;
  }
}

TEST(RandomEdgeEffects, RepeatWithTheSeedAndChangeFromFrameToFrame) {
  for (int style : {65, 67, 76, 79, 100, 109, 123, 126, 127}) {
    EXPECT_EQ(RegionOf(style, 140, 100, 45, 17), RegionOf(style, 140, 100, 45, 17)) << style;
    EXPECT_NE(RegionOf(style, 140, 100, 45, 17), RegionOf(style, 140, 100, 45, 18)) << style;
  }
}

TEST(RandomEdgeEffects, RaggedAndFringedEdgesAreStraightOnceTheAdvanceIsComplete) {
  const Region picture = Region::FromRect(Rect{0, 0, 140, 100});
  for (int style : {65, 66, 67, 68, 76, 77, 78, 79, 100, 104, 108, 109, 123, 124, 125, 126})
    for (uint32_t seed : {1u, 2u, 3u}) {
      const Region end = Region::Combine(RegionOf(style, 140, 100, 100, seed), picture, Region::Op::kIntersect);
      EXPECT_EQ(end, picture) << "effect " << style;
    }
  // One step before the end the edge is still ragged: frames with other numbers differ.
  EXPECT_NE(RegionOf(65, 140, 100, 96, 1), RegionOf(65, 140, 100, 96, 2));
}

TEST(DissolveEffect, EndsWholeAndMayChooseNoSquareAtAll) {
  EXPECT_TRUE(Compose(127, 30, 20, 100).SamePixels(CoordinatePicture(30, 20)));
  // At 1 % on a small picture many frames choose no square: such a frame is the old picture.
  uint32_t seed = 1;
  for (;; ++seed) {
    EffectRandom random(seed);
    if (CreateDissolveRgn(10, 10, 1, random).IsEmpty()) break;
    ASSERT_LT(seed, 1000u);
  }
  EXPECT_TRUE(Compose(127, 10, 10, 1, seed).SamePixels(Bitmap(10, 10, kOldColour)));
  // ... and with another seed some squares do show.
  uint32_t other = seed + 1;
  for (;; ++other) {
    EffectRandom random(other);
    if (!CreateDissolveRgn(10, 10, 1, random).IsEmpty()) break;
  }
  EXPECT_FALSE(NewPixels(Compose(127, 10, 10, 1, other)).IsEmpty());
}

TEST(IrisEffects, ClosingIrisCoversNothingAtTheStartAndEverythingAtTheEnd) {
  const Region picture = Region::FromRect(Rect{0, 0, 90, 60});
  EXPECT_TRUE(Region::Combine(RegionOf(85, 90, 60, 0), picture, Region::Op::kIntersect).IsEmpty());
  // At the end the rounded rectangle's box is empty; like GDI's, such a box still leaves the one
  // pixel before its corner, which the finished frame covers anyway.
  const Region end = Region::Combine(RegionOf(85, 90, 60, 100), picture, Region::Op::kIntersect);
  EXPECT_EQ(Region::Combine(picture, end, Region::Op::kDiff), Region::FromRect(Rect{44, 29, 45, 30}));
  // The opening iris is centred and grows.
  const Region opening = RegionOf(84, 90, 60, 40);
  EXPECT_TRUE(opening.Contains(45, 30));
  EXPECT_FALSE(opening.Contains(2, 2));
  EXPECT_LT(opening.PixelCount(), RegionOf(84, 90, 60, 60).PixelCount());
}

TEST(CurvedWipes, BottomRightCornerIsACircleOfTheHeight) {
  // 200 x 100 at 50 %: effect 83's box starts at (0, 0) with a circle of radius 100 as its corner,
  // which leaves (110, 2) inside; effect 80's mirrored corner, an ellipse 400 x 200, does not.
  EXPECT_TRUE(RegionOf(83, 200, 100, 50).Contains(110, 2));
  EXPECT_FALSE(RegionOf(80, 200, 100, 50).Contains(198 - 110, 98 - 2));
  // 81 and 82 mirror 80 exactly, about the middle of the box rather than of the picture: a
  // rounded rectangle leaves out the last column and row of its box.
  const Region topLeft = RegionOf(80, 200, 100, 50);
  const Region topRight = RegionOf(81, 200, 100, 50), bottomLeft = RegionOf(82, 200, 100, 50);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x) {
      ASSERT_EQ(topLeft.Contains(x, y), topRight.Contains(198 - x, y)) << x << "," << y;
      ASSERT_EQ(topLeft.Contains(x, y), bottomLeft.Contains(x, 98 - y)) << x << "," << y;
    }
}

TEST(TriangleEffects, GridOfTrianglesGrowsFromEachCellCorner) {
  // 100 x 50 at 50 %: sides of dx div 5 = 10 across and MulDiv(10, 50, 100) = 5 down.
  const Region grid = RegionOf(117, 100, 50, 50);
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j < 10; ++j) {
      const int x = 10 * i, y = 5 * j;
      EXPECT_TRUE(grid.Contains(x, y)) << i << "," << j;
      EXPECT_TRUE(grid.Contains(x + 8, y)) << i << "," << j;
      EXPECT_FALSE(grid.Contains(x + 8, y + 3)) << i << "," << j;
    }
  EXPECT_EQ(grid.PixelCount(), 100u * CreateTriangleRgn(0, 0, 10, 0, 0, 5).PixelCount());

  // The grid is the union of its hundred triangles, overlapping ones and tiny pictures included.
  const Size sizes[] = {{100, 50}, {61, 97}, {33, 33}, {9, 4}};
  for (const Size& s : sizes)
    for (int p : {1, 30, 50, 51, 77, 99}) {
      const int w = s.width, h = s.height;
      const int dx = h > w ? MulDiv(MulDiv(h, p, 100), w, h) : MulDiv(w, p, 100);
      const int side = dx / 5, a = MulDiv(side, h, w);
      Region expected;
      for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j) {
          const int x = w * i / 10, y = h * j / 10;
          expected.Unite(CreateTriangleRgn(x, y, x + side, y, x, y + a));
        }
      EXPECT_EQ(RegionOf(117, w, h, p), expected) << w << "x" << h << " at " << p;
    }
}

}  // namespace
}  // namespace saverkit
