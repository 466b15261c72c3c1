#include "pictrans/transition_drawing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pictrans/frame_pictures.h"

namespace saverkit {
namespace {

TEST(TransitionDrawing, ScaleImageToRectFitsAndCentres) {
  const struct {
    Rect r, target, expected;
  } cases[] = {
      {{0, 0, 200, 100}, {0, 0, 100, 100}, {0, 25, 100, 75}},
      {{0, 0, 100, 200}, {10, 10, 110, 110}, {35, 10, 85, 110}},
      {{0, 0, 40, 30}, {0, 0, 400, 300}, {0, 0, 400, 300}},
      {{0, 0, 0, 30}, {5, 5, 50, 50}, {5, 5, 5, 5}},  // no aspect ratio: empty, no division by zero
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleImageToRect(c.r, c.target), c.expected);
}

TEST(TransitionDrawing, MirrorCopyRectFlipsIntoExactlyTheDestination) {
  const Bitmap source = CoordinatePicture(20, 10);
  Bitmap target(20, 10, kOldColour);
  MirrorCopyRect(source, Rect{10, 0, 14, 4}, target, Rect{5, 2, 9, 6}, true, true);
  EXPECT_EQ(target.Pixel(5, 2), (Rgb{13, 3, 200}));
  EXPECT_EQ(target.Pixel(8, 5), (Rgb{10, 0, 200}));
  EXPECT_EQ(target.Pixel(4, 2), kOldColour);
  EXPECT_EQ(target.Pixel(9, 2), kOldColour);
  EXPECT_EQ(target.Pixel(5, 6), kOldColour);
  // A source reaching outside the bitmap is clipped to it first.
  Bitmap clipped(20, 10, kOldColour);
  MirrorCopyRect(source, Rect{18, 0, 26, 1}, clipped, Rect{0, 0, 4, 1}, true, false);
  EXPECT_EQ(clipped.Pixel(0, 0), (Rgb{19, 0, 200}));
  EXPECT_EQ(clipped.Pixel(3, 0), (Rgb{18, 0, 200}));
}

TEST(TransitionDrawing, MergeTransparentTruncatesEachTermSeparately) {
  Bitmap dst(2, 1, Rgb{255, 101, 0});
  const Bitmap src(2, 1, Rgb{0, 99, 255});
  MergeTransparent(dst, src, 33);
  // 255 * 67 div 100 = 170, 101 * 67 div 100 + 33 * 99 div 100 = 67 + 32, 33 * 255 div 100 = 84.
  EXPECT_EQ(dst.Pixel(1, 0), (Rgb{170, 99, 84}));
}

TEST(TransitionDrawing, MergeRotateTakesRotatedSourcePixelsInsideOnly) {
  const Bitmap src = CoordinatePicture(9, 9);
  Bitmap dst(9, 9, kOldColour);
  MergeRotate(dst, src, 0, 0, M_PI / 2);
  // A quarter turn about (0, 0): pixel (col, row) takes source (-row, col), inside only for row 0.
  EXPECT_EQ(dst.Pixel(4, 0), (Rgb{0, 4, 200}));
  EXPECT_EQ(dst.Pixel(4, 1), kOldColour);
  Bitmap same(9, 9, kOldColour);
  MergeRotate(same, src, 4, 4, 0.0);
  EXPECT_TRUE(same.SamePixels(src));
}

TEST(TransitionDrawing, TriangleRegionIsTheClosedWindingPolygon) {
  const Region triangle = CreateTriangleRgn(0, 0, 10, 0, 0, 10);
  EXPECT_EQ(triangle.PixelCount(), 55u);  // rows of 10, 9, ..., 1
  EXPECT_EQ(CreateTriangleRgn(0, 10, 10, 0, 0, 0), triangle);
}

}  // namespace
}  // namespace saverkit
