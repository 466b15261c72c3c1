#include "raster/stretch.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "raster/muldiv.h"

namespace saverkit {
namespace {

// Pixel (x, y) is (x, y, 77).
Bitmap Coordinates(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, Rgb{uint8_t(x), uint8_t(y), 77});
  return b;
}

TEST(MulDiv, RoundsHalvesAwayFromZeroAndFailsAsWindowsDoes) {
  const struct {
    int a, b, c, expected;
  } cases[] = {
      {200, 50, 100, 100}, {5, 1, 2, 3},     {-5, 1, 2, -3},   {5, -1, 2, -3},  {7, 1, 3, 2},
      {8, 1, 3, 3},        {-8, 1, -3, 3},   {40, 1, 100, 0},  {50, 1, 100, 1}, {1, 1, 0, -1},
      {0x7FFFFFFF, 2, 1, -1}, {0x40000000, 4, 2, -1}, {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF},
      {-0x7FFFFFFF - 1, 1, 1, -0x7FFFFFFF - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(StretchCopy, SameSizeCopiesAndClipsToTheTarget) {
  const Bitmap source = Coordinates(10, 8);
  Bitmap target(6, 6, Rgb{1, 1, 1});
  StretchCopy(source, Rect{2, 2, 8, 8}, target, Rect{-1, 3, 5, 9});
  EXPECT_EQ(target.Pixel(0, 3), (Rgb{3, 2, 77}));
  EXPECT_EQ(target.Pixel(4, 5), (Rgb{7, 4, 77}));
  EXPECT_EQ(target.Pixel(5, 3), (Rgb{1, 1, 1}));
  EXPECT_EQ(target.Pixel(0, 2), (Rgb{1, 1, 1}));
}

TEST(StretchCopy, EnlargesShrinksAndMirrorsOnNegativeExtents) {
  const Bitmap source = Coordinates(4, 2);
  Bitmap doubled(8, 4);
  StretchCopy(source, Rect{0, 0, 4, 2}, doubled, Rect{0, 0, 8, 4});
  for (int x = 0; x < 8; ++x) EXPECT_EQ(doubled.Pixel(x, 3), (Rgb{uint8_t(x / 2), 1, 77}));

  Bitmap halved(2, 1);
  StretchCopy(Coordinates(4, 2), Rect{0, 0, 4, 2}, halved, Rect{0, 0, 2, 1});
  EXPECT_EQ(halved.Pixel(0, 0), (Rgb{1, 1, 77}));
  EXPECT_EQ(halved.Pixel(1, 0), (Rgb{3, 1, 77}));

  // A negative target width from x = 4 covers columns 0..3, mirrored; a negative source height
  // from y = 2 covers rows 0..1, mirrored: both flips at once.
  Bitmap flipped(4, 2);
  StretchCopy(source, SignedArea{0, 2, 4, -2}, flipped, SignedArea{4, 0, -4, 2});
  EXPECT_EQ(flipped.Pixel(0, 0), (Rgb{3, 1, 77}));
  EXPECT_EQ(flipped.Pixel(3, 1), (Rgb{0, 0, 77}));
}

// Pixels move several bytes at a time: nothing next to the target area may change, and the
// reads of the source's last row and column (pictures without row padding included) stay inside.
TEST(StretchCopy, WideCopiesTouchOnlyTheTargetArea) {
  const Rgb sentinel{9, 9, 9};
  const struct { int sourceWidth, sourceHeight; SignedArea from, to; } cases[] = {
      {4, 3, {0, 0, 4, 3}, {2, 1, 9, 6}},     // enlarging a picture without row padding
      {8, 4, {0, 0, 8, 4}, {3, 2, 5, 3}},     // shrinking
      {4, 4, {0, 0, 4, 4}, {11, 1, -9, 6}},   // mirrored left to right
      {5, 2, {0, 2, 5, -2}, {1, 0, 13, 9}},   // upside down, odd width
  };
  for (const auto& c : cases) {
    const Bitmap source = Coordinates(c.sourceWidth, c.sourceHeight);
    Bitmap target(16, 10, sentinel);
    StretchCopy(source, c.from, target, c.to);
    const int left = std::min(c.to.x, c.to.x + c.to.width), right = std::max(c.to.x, c.to.x + c.to.width);
    const int top = std::min(c.to.y, c.to.y + c.to.height), bottom = std::max(c.to.y, c.to.y + c.to.height);
    for (int y = 0; y < target.Height(); ++y)
      for (int x = 0; x < target.Width(); ++x) {
        const Rgb p = target.Pixel(x, y);
        if (x >= left && x < right && y >= top && y < bottom)
          EXPECT_TRUE(p.b == 77 && p.r < c.sourceWidth && p.g < c.sourceHeight) << x << "," << y;
        else
          EXPECT_EQ(p, sentinel) << x << "," << y;
      }
    // The area's corners show the source's corners, flipped where an extent is negative.
    const bool mirrorX = (c.from.width < 0) != (c.to.width < 0), mirrorY = (c.from.height < 0) != (c.to.height < 0);
    EXPECT_EQ(target.Pixel(mirrorX ? right - 1 : left, mirrorY ? bottom - 1 : top).r, 0);
    EXPECT_EQ(target.Pixel(mirrorX ? left : right - 1, mirrorY ? top : bottom - 1).g, c.sourceHeight - 1);
  }
}

TEST(StretchCopy, SourceOutsideTheBitmapLeavesTargetPixels) {
  const Bitmap source = Coordinates(4, 4);
  Bitmap target(4, 4, Rgb{9, 9, 9});
  StretchCopy(source, Rect{2, 0, 6, 4}, target, Rect{0, 0, 4, 4});
  EXPECT_EQ(target.Pixel(1, 0), (Rgb{3, 0, 77}));
  EXPECT_EQ(target.Pixel(2, 0), (Rgb{9, 9, 9}));
  // Empty rectangles and empty bitmaps draw nothing.
  StretchCopy(source, Rect{0, 0, 0, 4}, target, Rect{0, 0, 4, 4});
  StretchCopy(Bitmap(), Rect{0, 0, 4, 4}, target, Rect{0, 0, 4, 4});
  EXPECT_EQ(target.Pixel(3, 3), (Rgb{9, 9, 9}));
}

TEST(HalftoneStretch, AveragesTheAreaEachPixelCovers) {
  Bitmap stripes(4, 2);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 2; ++y) stripes.SetPixel(x, y, x % 2 ? Rgb{200, 0, 100} : Rgb{0, 100, 0});
  const Bitmap half = HalftoneStretch(stripes, 2, 1);
  ASSERT_EQ(half.Width(), 2);
  EXPECT_EQ(half.Pixel(0, 0), (Rgb{100, 50, 50}));
  // Three source columns onto two: each target pixel takes one and a half columns.
  Bitmap three(3, 1);
  three.SetPixel(0, 0, Rgb{90, 0, 0});
  three.SetPixel(1, 0, Rgb{30, 0, 0});
  three.SetPixel(2, 0, Rgb{0, 0, 0});
  const Bitmap two = HalftoneStretch(three, 2, 1);
  EXPECT_EQ(two.Pixel(0, 0).r, 70);  // (90 + 30 / 2) / 1.5
  EXPECT_EQ(two.Pixel(1, 0).r, 10);
  // Enlarging a flat picture keeps it flat; bad sizes give nothing.
  EXPECT_TRUE(HalftoneStretch(Bitmap(3, 2, Rgb{5, 6, 7}), 30, 20).SamePixels(Bitmap(30, 20, Rgb{5, 6, 7})));
  EXPECT_TRUE(HalftoneStretch(three, 0, 5).Empty());
  EXPECT_TRUE(HalftoneStretch(Bitmap(), 5, 5).Empty());
}

// A stripe picture whose averages are easy to predict.
Bitmap Stripes(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, (x / 10) % 2 ? Rgb{200, 100, 0} : Rgb{0, 100, 200});
  return b;
}

TEST(StretchBitmap, ResizesToTheAskedSizeOrLeavesThePictureAlone) {
  struct Case { int fromW, fromH, w, h, expectW, expectH; bool ok; } cases[] = {
      {400, 300, 120, 90, 120, 90, true},   // shrink
      {40, 30, 120, 90, 120, 90, true},     // enlarge
      {40, 30, 40, 90, 40, 90, true},       // one side only
      {40, 30, 40, 30, 40, 30, true},       // same size: nothing
      {40, 30, 0, 90, 40, 30, true},        // non-positive sizes: nothing
      {40, 30, 120, -1, 40, 30, true},
      {40, 30, Bitmap::kMaxSide + 1, 10, 40, 30, false},  // too large: refused, picture kept
  };
  for (const Case& c : cases) {
    Bitmap picture = Stripes(c.fromW, c.fromH);
    const Bitmap original = picture.Clone();
    EXPECT_EQ(StretchBitmap(picture, c.w, c.h), c.ok) << c.w << "x" << c.h;
    EXPECT_EQ(picture.Width(), c.expectW);
    EXPECT_EQ(picture.Height(), c.expectH);
    if (c.expectW == c.fromW && c.expectH == c.fromH) {
      EXPECT_TRUE(picture.SamePixels(original));
    }
  }
}

TEST(StretchBitmap, ShrinkingAveragesInsteadOfDroppingColumns) {
  Bitmap picture = Stripes(400, 300);  // stripes 10 wide: 40 of them
  ASSERT_TRUE(StretchBitmap(picture, 20, 15));  // each target pixel covers one pair of stripes
  for (int x = 0; x < 20; ++x) {
    const Rgb p = picture.Pixel(x, 7);
    EXPECT_NEAR(p.r, 100, 2) << x;
    EXPECT_NEAR(p.b, 100, 2) << x;
  }
}

}  // namespace
}  // namespace saverkit
