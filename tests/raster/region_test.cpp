#include "raster/region.h"
#include "raster/stretch.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>
#include <utility>

namespace saverkit {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet PixelsOf(const Region& region) {
  PixelSet pixels;
  for (const Rect& r : region.Rects())
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels.insert({x, y});
  return pixels;
}

PixelSet PixelsOf(const std::vector<Rect>& rects) {
  PixelSet pixels;
  for (const Rect& r : rects)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) pixels.insert({x, y});
  return pixels;
}

// Prints a region's rows as '#' and '.' over a box, for readable expectations.
std::vector<std::string> Picture(const Region& region, const Rect& box) {
  std::vector<std::string> rows;
  for (int y = box.top; y < box.bottom; ++y) {
    std::string row;
    for (int x = box.left; x < box.right; ++x) row += region.Contains(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(Region, RectangleCoversRightAndBottomExclusive) {
  const Region r = Region::FromRect(Rect{2, 3, 5, 7});
  EXPECT_EQ(r.PixelCount(), 12u);
  EXPECT_TRUE(r.Contains(2, 3));
  EXPECT_TRUE(r.Contains(4, 6));
  EXPECT_FALSE(r.Contains(5, 6));
  EXPECT_FALSE(r.Contains(4, 7));
  EXPECT_EQ(r.Bounds(), (Rect{2, 3, 5, 7}));
  // Reversed corners are put in order; an empty box is the empty region.
  EXPECT_EQ(Region::FromRect(Rect{5, 7, 2, 3}), r);
  EXPECT_TRUE(Region::FromRect(Rect{4, 4, 4, 9}).IsEmpty());
}

// Every operation, on random sets of rectangles, against the same operation on plain pixel sets;
// also checks that results keep the banded invariants and so compare equal when equal.
TEST(Region, CombineMatchesPixelSetsOnRandomRectangles) {
  std::mt19937 random(7);
  auto randomRects = [&](int count) {
    std::vector<Rect> rects;
    std::uniform_int_distribution<int> coord(-3, 20);
    for (int i = 0; i < count; ++i) rects.push_back(Rect{coord(random), coord(random), coord(random), coord(random)});
    return rects;
  };
  auto unitedOneByOne = [](const std::vector<Rect>& rects) {
    Region region;
    for (const Rect& r : rects) region.Unite(Region::FromRect(r));
    return region;
  };
  auto ordered = [](std::vector<Rect> rects) {
    for (Rect& r : rects) r = Rect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                                   std::max(r.top, r.bottom)};
    return rects;
  };
  for (int round = 0; round < 200; ++round) {
    const std::vector<Rect> ra = randomRects(1 + round % 6), rb = randomRects(1 + round % 4);
    const Region a = unitedOneByOne(ra), b = Region::FromRects(rb);
    const PixelSet pa = PixelsOf(ordered(ra)), pb = PixelsOf(ordered(rb));
    ASSERT_EQ(PixelsOf(a), pa);
    ASSERT_EQ(PixelsOf(b), pb);
    ASSERT_EQ(Region::FromRects(ra), a) << "bulk and one-by-one union must give the same bands";

    PixelSet uni, inter, sym, diff;
    for (const auto& p : pa) (pb.count(p) ? inter : diff).insert(p);
    uni = pa;
    uni.insert(pb.begin(), pb.end());
    for (const auto& p : uni)
      if (!inter.count(p)) sym.insert(p);
    const struct {
      Region::Op op;
      const PixelSet& expected;
    } cases[] = {{Region::Op::kUnion, uni}, {Region::Op::kIntersect, inter}, {Region::Op::kXor, sym},
                 {Region::Op::kDiff, diff}};
    for (const auto& c : cases) {
      const Region result = Region::Combine(a, b, c.op);
      ASSERT_TRUE(result.CheckInvariants()) << int(c.op);
      ASSERT_EQ(PixelsOf(result), c.expected) << "round " << round << " op " << int(c.op);
      ASSERT_EQ(result.PixelCount(), c.expected.size());
    }
  }
}

TEST(Region, TouchingRectanglesMergeIntoOneBandAndSpan) {
  const Region r = Region::FromRects({{0, 0, 5, 5}, {5, 0, 9, 5}, {0, 5, 9, 8}});
  ASSERT_EQ(r.Bands().size(), 1u);
  EXPECT_EQ(r.Rects(), (std::vector<Rect>{{0, 0, 9, 8}}));
}

TEST(Region, TriangleRowsRoundEachCrossingUp) {
  // Rows 0..3 of the triangle (0,0) (8,0) (0,8): the hypotenuse crosses row y at x = 8 - y.
  const Region r = Region::FromPolygon({{0, 0}, {8, 0}, {0, 8}});
  EXPECT_EQ(Picture(r, Rect{0, 0, 9, 9}), (std::vector<std::string>{
                                              "########.", "#######..", "######...", "#####....", "####.....",
                                              "###......", "##.......", "#........", "........."}));
  // A slope of one half: row 1 crosses at x = 0.5, which rounds up to 1.
  const Region shallow = Region::FromPolygon({{0, 0}, {0, 4}, {2, 4}});
  EXPECT_EQ(Picture(shallow, Rect{0, 0, 3, 4}), (std::vector<std::string>{"...", "#..", "#..", "##."}));
  // Point order does not matter, nor does a closing point that repeats the first.
  EXPECT_EQ(Region::FromPolygon({{0, 8}, {8, 0}, {0, 0}, {0, 8}}), r);
}

TEST(Region, PolygonFillsByTheWindingRule) {
  // A pentagram drawn in one stroke: the even-odd rule would leave its centre empty, the winding
  // rule fills it.
  const Region star = Region::FromPolygon({{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}});
  EXPECT_TRUE(star.CheckInvariants());
  EXPECT_TRUE(star.Contains(20, 20));
  EXPECT_TRUE(star.Contains(20, 2));
  EXPECT_FALSE(star.Contains(20, 36));
  // Degenerate outlines hold no pixel.
  EXPECT_TRUE(Region::FromPolygon({{0, 0}, {5, 0}, {9, 0}}).IsEmpty());
  EXPECT_TRUE(Region::FromPolygon({{0, 0}, {5, 5}}).IsEmpty());
}

TEST(Region, RoundRectangleLeavesTheLastColumnAndRowAndRoundsTheCorners) {
  const Region r = Region::FromRoundRect(0, 0, 10, 8, 4, 4);
  EXPECT_TRUE(r.CheckInvariants());
  EXPECT_EQ(r.Bounds(), (Rect{0, 0, 9, 7}));
  EXPECT_FALSE(r.Contains(0, 0));
  EXPECT_FALSE(r.Contains(8, 6));
  EXPECT_TRUE(r.Contains(4, 0));
  EXPECT_TRUE(r.Contains(0, 3));
  // Symmetric about both axes of its box.
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(r.Contains(x, y), r.Contains(8 - x, y)) << x << "," << y;
      EXPECT_EQ(r.Contains(x, y), r.Contains(x, 6 - y)) << x << "," << y;
    }
  // Corner ellipses under 2 pixels give the (shrunken) plain rectangle; reversed boxes are ordered.
  EXPECT_EQ(Region::FromRoundRect(0, 0, 10, 8, 1, 30), Region::FromRect(Rect{0, 0, 9, 7}));
  EXPECT_EQ(Region::FromRoundRect(10, 8, 0, 0, 4, 4), r);
  // An ellipse as large as the box gives an ellipse-like disc that still touches all four sides.
  const Region disc = Region::FromRoundRect(0, 0, 21, 21, 40, 40);
  EXPECT_EQ(disc.Bounds(), (Rect{0, 0, 20, 20}));
  EXPECT_FALSE(disc.Contains(1, 1));
  EXPECT_TRUE(disc.Contains(10, 10));
}

TEST(Region, RoundRectangleWithATallNarrowEllipseEndsInATip) {
  // The corner ellipse reaches its middle column before its last rows; those rows belong to its
  // tip and are never wider than the row next to them toward the centre.
  const struct {
    int right, bottom, ellipseWidth, ellipseHeight;
  } shapes[] = {{6, 14, 3, 9}, {10, 14, 3, 12}, {8, 30, 4, 25}, {5, 40, 4, 39}};
  for (const auto& s : shapes) {
    const Region r = Region::FromRoundRect(0, 0, s.right, s.bottom, s.ellipseWidth, s.ellipseHeight);
    ASSERT_TRUE(r.CheckInvariants());
    auto width = [&r](int y) {
      int count = 0;
      for (int x = -1; x < 100; ++x) count += r.Contains(x, y) ? 1 : 0;
      return count;
    };
    const int middle = (s.bottom - 1) / 2;
    for (int y = 0; y < middle; ++y)
      EXPECT_LE(width(y), width(y + 1)) << "row " << y << " of " << s.right << "x" << s.bottom;
  }
  // The tip of a 3-pixel-wide ellipse is its middle column.
  const Region narrow = Region::FromRoundRect(0, 0, 6, 14, 3, 9);
  EXPECT_FALSE(narrow.Contains(0, 0));
  EXPECT_TRUE(narrow.Contains(2, 0));
}

TEST(Region, DrawThroughRegionCopiesOnlyRegionPixelsInsideTheTarget) {
  Bitmap source(6, 4, Rgb{200, 0, 0});
  Bitmap target(5, 5, Rgb{0, 0, 90});
  Region clip = Region::FromRects({{-2, -2, 2, 2}, {3, 1, 9, 3}});
  DrawThroughRegion(source, 1, 1, clip, target);
  // (0,0) is in the region but outside the placed source; (1,1) is inside both.
  EXPECT_EQ(target.Pixel(0, 0), (Rgb{0, 0, 90}));
  EXPECT_EQ(target.Pixel(1, 1), (Rgb{200, 0, 0}));
  EXPECT_EQ(target.Pixel(2, 1), (Rgb{0, 0, 90}));
  EXPECT_EQ(target.Pixel(4, 2), (Rgb{200, 0, 0}));
  EXPECT_EQ(target.Pixel(4, 3), (Rgb{0, 0, 90}));
}

TEST(Region, DrawThroughRegionOverIsTheBackgroundThenTheSourceThroughTheRegion) {
  // Spans reaching past every side, narrow spans with narrow gaps, rows above, between and below
  // the bands; each pixel of both pictures differs so a byte from the wrong one shows.
  const int w = 23, h = 9;
  Bitmap source(w, h), background(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      source.SetPixel(x, y, Rgb{uint8_t(x), uint8_t(y), 1});
      background.SetPixel(x, y, Rgb{uint8_t(y), uint8_t(x), 2});
    }
  const Region clip = Region::FromRects({{-4, -3, 3, 2}, {5, 3, 6, 5}, {8, 3, 10, 5}, {12, 4, 40, 5}, {0, 7, 1, 8},
                                         {22, 7, 23, 20}});
  Bitmap expected(w, h), actual(w, h, Rgb{9, 9, 9});
  DrawBitmap(background, 0, 0, expected);
  DrawThroughRegion(source, 0, 0, clip, expected);
  ASSERT_TRUE(DrawThroughRegionOver(source, background, clip, actual));
  EXPECT_TRUE(actual.SamePixels(expected));

  // Pictures of another size are refused and the target left alone.
  Bitmap untouched(w, h, Rgb{9, 9, 9});
  EXPECT_FALSE(DrawThroughRegionOver(Bitmap(w - 1, h), background, clip, untouched));
  EXPECT_FALSE(DrawThroughRegionOver(source, Bitmap(w, h + 1), clip, untouched));
  EXPECT_TRUE(untouched.SamePixels(Bitmap(w, h, Rgb{9, 9, 9})));
}

TEST(Region, OffsetMovesEveryPixel) {
  Region r = Region::FromPolygon({{0, 0}, {6, 0}, {0, 6}});
  const PixelSet before = PixelsOf(r);
  r.Offset(-3, 10);
  PixelSet moved;
  for (const auto& p : before) moved.insert({p.first - 3, p.second + 10});
  EXPECT_EQ(PixelsOf(r), moved);
}


// Regions made through the builder against its stated preconditions: the only way to a broken
// representation, and each must be caught.
Region Broken(const std::vector<std::pair<Rect, std::vector<Region::Span>>>& bands) {
  RegionBuilder builder;
  for (const auto& band : bands) builder.AddBand(band.first.top, band.first.bottom, band.second.data(), band.second.size());
  return builder.Finish();
}

TEST(Region, CheckInvariantsCatchesEachBrokenRule) {
  const struct {
    const char* broken;
    Region region;
  } cases[] = {
      {"spans out of order", Broken({{{0, 0, 0, 2}, {{5, 8}, {0, 2}}}})},
      {"overlapping spans", Broken({{{0, 0, 0, 2}, {{0, 5}, {3, 8}}}})},
      {"adjacent spans", Broken({{{0, 0, 0, 2}, {{0, 5}, {5, 8}}}})},
      {"empty span", Broken({{{0, 0, 0, 2}, {{4, 4}}}})},
      {"bands out of order", Broken({{{0, 5, 0, 8}, {{0, 3}}}, {{0, 0, 0, 3}, {{0, 3}}}})},
      {"overlapping bands", Broken({{{0, 0, 0, 4}, {{0, 3}}}, {{0, 2, 0, 6}, {{5, 9}}}})},
  };
  for (const auto& c : cases) EXPECT_FALSE(c.region.CheckInvariants()) << c.broken;
  // The same builder, used as meant, passes.
  EXPECT_TRUE(Broken({{{0, 0, 0, 2}, {{0, 2}, {5, 8}}}, {{0, 2, 0, 4}, {{0, 8}}}}).CheckInvariants());
}

TEST(Region, EveryOperationKeepsTheInvariants) {
  const Region rect = Region::FromRect({-4, 2, 30, 9});
  const Region round = Region::FromRoundRect(0, 0, 40, 30, 16, 12);
  const Region star = Region::FromPolygon({{10, 0}, {16, 30}, {0, 10}, {20, 10}, {4, 30}});
  const Region many = Region::FromRects({{0, 0, 5, 5}, {3, 3, 9, 9}, {20, -5, 22, 40}, {5, 0, 9, 3}});
  Region moved = Region::Combine(star, round, Region::Op::kXor);
  moved.Offset(7, -13);
  const Region results[] = {rect, round, star, many, moved,
                            Region::Combine(rect, round, Region::Op::kUnion),
                            Region::Combine(round, many, Region::Op::kIntersect),
                            Region::Combine(round, star, Region::Op::kXor),
                            Region::Combine(many, rect, Region::Op::kDiff)};
  for (size_t i = 0; i < std::size(results); ++i) {
    EXPECT_TRUE(results[i].CheckInvariants()) << i;
    EXPECT_FALSE(results[i].IsEmpty()) << i;
  }
}

#if defined(SAVERKIT_SELF_CHECKS)
// The unit-test build keeps the raster layer's asserts: an operation that leaves a broken region
// stops there.
TEST(RegionDeathTest, OperationsAssertTheirResultInThisBuild) {
  Region broken = Broken({{{0, 0, 0, 2}, {{5, 8}, {0, 2}}}});
  EXPECT_DEATH(broken.Offset(1, 1), "CheckInvariants");
}
#endif

TEST(Region, OffsetPastTheRangeOfAnIntCutsOffInsteadOfWrapping) {
  constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
  const struct {
    Rect start;
    int dx, dy;
    Rect expected;  // empty when nothing is left
  } cases[] = {
      {{0, 0, 10, 4}, kMax - 5, 0, {kMax - 5, 0, kMax, 4}},
      {{0, 0, 10, 4}, 0, kMax - 1, {0, kMax - 1, 10, kMax}},
      {{-10, -4, 0, 0}, kMin + 3, kMin + 2, {kMin, kMin, kMin + 3, kMin + 2}},
      {{5, 5, 10, 10}, kMax, 0, {}},
      {{-10, -3, -5, 0}, 0, kMin, {}},
      {{kMin, kMin, kMax, kMax}, kMax, kMax, {-1, -1, kMax, kMax}},
      {{kMin, 0, kMax, 1}, -1, 0, {kMin, 0, kMax - 1, 1}},
  };
  for (const auto& c : cases) {
    Region r = Region::FromRect(c.start);
    r.Offset(c.dx, c.dy);
    ASSERT_TRUE(r.CheckInvariants());
    EXPECT_EQ(r, Region::FromRect(c.expected)) << c.dx << "," << c.dy << " gave " << r.Bounds().left << ","
                                                << r.Bounds().top << " " << r.Bounds().right << ","
                                                << r.Bounds().bottom;
  }
  // A region that reaches the largest int still combines: its last span is closed, not lost.
  const Region edge = Region::FromRect({kMax - 4, 0, kMax, 2});
  EXPECT_EQ(Region::Combine(edge, Region::FromRect({0, 0, 1, 2}), Region::Op::kUnion).PixelCount(), 10u);
  EXPECT_EQ(Region::Combine(edge, edge, Region::Op::kIntersect), edge);
  EXPECT_EQ(Region::FromRect({kMin, 0, kMax, 1}).PixelCount(), uint64_t(UINT32_MAX));
  // Bands that differed only in the part cut off become one band.
  Region steps = Region::FromRects({{0, 0, 10, 2}, {0, 2, 20, 4}});
  steps.Offset(kMax - 10, 0);
  EXPECT_EQ(steps.Bands().size(), 1u);
  EXPECT_EQ(steps, Region::FromRect({kMax - 10, 0, kMax, 4}));
}

}  // namespace
}  // namespace saverkit
