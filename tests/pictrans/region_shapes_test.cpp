#include "pictrans/region_shapes.h"

#include <gtest/gtest.h>

#include <vector>

#include "pictrans/region_printing.h"

namespace saverkit {
namespace {

// The region with x and y exchanged.
Region Transposed(const Region& region) {
  std::vector<Rect> rects;
  for (const Rect& r : region.Rects()) rects.push_back(Rect{r.top, r.left, r.bottom, r.right});
  return Region::FromRects(rects);
}

// The rows [top, bottom) of the band of a region, as its spans.
std::vector<Region::Span> SpansAtRow(const Region& region, int y) {
  for (const Region::Band& band : region.Bands())
    if (band.top <= y && y < band.bottom)
      return std::vector<Region::Span>(region.SpansOf(band), region.SpansOf(band) + band.spanCount);
  return {};
}

TEST(InterlaceRegion, RowModesFillEvenThenOddBands) {
  // 20 x 20: even bands are rows 0-5, 10-15 and 20-25 (the last one past the picture), odd bands
  // 5-10 and 15-20.
  const int w = 20, h = 20;
  const struct {
    const char* what;
    int a, snap, mode;
    std::vector<Rect> expected;
  } cases[] = {
      {"from the right, first phase", 6, 0, kCombFar, {{14, 0, 20, 5}, {14, 10, 20, 15}, {14, 20, 20, 25}}},
      {"from the left, first phase", 6, 0, kCombNear, {{0, 0, 6, 5}, {0, 10, 6, 15}, {0, 20, 6, 25}}},
      {"near then far, first phase", 6, 0, kCombNearThenFar, {{0, 0, 6, 5}, {0, 10, 6, 15}, {0, 20, 6, 25}}},
      {"far then near, first phase", 6, 0, kCombFarThenNear, {{14, 0, 20, 5}, {14, 10, 20, 15}, {14, 20, 20, 25}}},
      {"both ways at once",
       6,
       0,
       kCombBothWays,
       {{14, 0, 20, 5}, {0, 5, 6, 10}, {14, 10, 20, 15}, {0, 15, 6, 20}, {14, 20, 20, 25}, {0, 25, 6, 30}}},
      {"snaps to the full width within the snap distance", 17, 4, kCombFar, {{0, 0, 20, 5}, {0, 10, 20, 15}, {0, 20, 20, 25}}},
      {"does not snap at exactly the snap distance", 16, 4, kCombFar, {{4, 0, 20, 5}, {4, 10, 20, 15}, {4, 20, 20, 25}}},
      {"from the right, second phase",
       26,
       0,
       kCombFar,
       {{0, 0, 20, 5}, {14, 5, 20, 10}, {0, 10, 20, 15}, {14, 15, 20, 20}}},
      {"from the left, second phase", 26, 0, kCombNear, {{0, 0, 20, 5}, {0, 5, 6, 10}, {0, 10, 20, 15}, {0, 15, 6, 20}}},
      {"near then far, second phase: odd from the right",
       26,
       0,
       kCombNearThenFar,
       {{0, 0, 20, 5}, {14, 5, 20, 10}, {0, 10, 20, 15}, {14, 15, 20, 20}}},
      {"far then near, second phase: odd from the left",
       26,
       0,
       kCombFarThenNear,
       {{0, 0, 20, 5}, {0, 5, 6, 10}, {0, 10, 20, 15}, {0, 15, 6, 20}}},
      {"both ways never goes past the width", 26, 0, kCombBothWays, {}},
      {"no rows", 10, 0, kCombNone, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CreateInterlaceRgn(c.a, 0, w, h, c.snap, c.mode, kCombNone), Region::FromRects(c.expected)) << c.what;
}

TEST(InterlaceRegion, ColumnPartIsTheRowPartTurnedAndBothUnite) {
  for (int mode = kCombFar; mode <= kCombFarThenNear; ++mode)
    for (int advance : {0, 7, 29, 30, 31, 45, 60}) {
      const Region columns = CreateInterlaceRgn(0, advance, 37, 30, 3, kCombNone, mode);
      EXPECT_EQ(columns, Transposed(CreateInterlaceRgn(advance, 0, 30, 37, 3, mode, kCombNone)))
          << "mode " << mode << " advance " << advance;
      const Region rows = CreateInterlaceRgn(advance, 0, 37, 30, 3, mode, kCombNone);
      EXPECT_EQ(CreateInterlaceRgn(advance, advance, 37, 30, 3, mode, mode),
                Region::Combine(rows, columns, Region::Op::kUnion));
    }
}

TEST(RaggedRegion, EdgeJittersWithinASeventhAndIsStraightAtTheEnd) {
  const int w = 70, h = 23;  // jitter below 10; bands of 5 + 23 mod 5 = 8 rows, 5 apart
  const Region picture = Region::FromRect(Rect{0, 0, w, h});
  EffectRandom random(11);
  bool jittered = false;
  for (int frame = 0; frame < 20; ++frame) {
    const Region r = CreateRaggedRgn(30, 0, w, h, 1, 0, random);
    for (int y = 0; y < h; ++y) {
      const auto spans = SpansAtRow(r, y);
      ASSERT_EQ(spans.size(), 1u) << "row " << y;
      EXPECT_EQ(spans[0].right, w);
      EXPECT_GE(spans[0].left, w - 30 - 9);
      EXPECT_LE(spans[0].left, w - 30 + 9);
      jittered |= spans[0].left != w - 30;
    }
  }
  EXPECT_TRUE(jittered);
  // At the full advance the edges are straight: the whole picture, except that the two halves
  // of mode 4 leave the middle line of an odd size between them (the last frame is drawn whole).
  for (int mode = 1; mode <= 4; ++mode) {
    EXPECT_EQ(Region::Combine(CreateRaggedRgn(w, 0, w, h, mode, 0, random), picture, Region::Op::kIntersect), picture)
        << mode;
    const Region columns = Region::Combine(CreateRaggedRgn(0, h, w, h, 0, mode, random), picture, Region::Op::kIntersect);
    EXPECT_EQ(columns, mode == 4 ? Region::FromRects({{0, 0, w, 11}, {0, 12, w, h}}) : picture) << mode;
  }
}

TEST(RaggedRegion, DrawsTwoNumbersPerEdgeInOrderRowsBeforeColumns) {
  // Rows from the centre outward (two edges per band), then columns from the bottom (one edge).
  const int w = 40, h = 10, a = 20, b = 4;  // row jitter below 40 div 7 = 5, column below 10 div 7 = 1
  EffectRandom random(7), expectedDraws(7);
  std::vector<Rect> expected;
  for (int off = 0; off < h; off += 5) {
    const int r1 = expectedDraws.Random(5), r2 = expectedDraws.Random(5);
    const int r3 = expectedDraws.Random(5), r4 = expectedDraws.Random(5);
    expected.push_back(Rect{(w - a + r1 - r2) / 2, off, w / 2, off + 5});
    expected.push_back(Rect{w / 2, off, (w + a + r3 - r4) / 2, off + 5});
  }
  for (int off = 0; off < w; off += 5) {
    const int r1 = expectedDraws.Random(1), r2 = expectedDraws.Random(1);
    expected.push_back(Rect{off, h - b + r1 - r2, off + 5, h});
  }
  EXPECT_EQ(CreateRaggedRgn(a, b, w, h, 3, 1, random), Region::FromRects(expected));
  EXPECT_EQ(random.Random(1000), expectedDraws.Random(1000)) << "no number drawn beyond those used";
}

TEST(RaggedAndFringedRegions, ColumnPartIsTheRowPartTurned) {
  for (int mode = 1; mode <= 4; ++mode) {
    EffectRandom forRows(5), forColumns(5);
    EXPECT_EQ(CreateRaggedRgn(0, 17, 48, 41, 0, mode, forColumns),
              Transposed(CreateRaggedRgn(17, 0, 41, 48, mode, 0, forRows)))
        << "ragged mode " << mode;
  }
  for (int mode = 1; mode <= 2; ++mode) {
    EffectRandom forRows(5), forColumns(5);
    EXPECT_EQ(CreateFringeRgn(0, 60, 300, 410, 0, mode, forColumns),
              Transposed(CreateFringeRgn(60, 0, 410, 300, mode, 0, forRows)))
        << "fringe mode " << mode;
  }
}

TEST(FringeRegion, CellsLieAheadOfTheSolidEdgeNearerOnesAlwaysKept) {
  // 400 wide: fringe depth 40, cells of 2, 20 cells per row, the nearest 15 kept with probability
  // min(1, 2 / i); rows of cells 2 high overlap by 1.
  const int w = 400, h = 30, a = 100;
  EffectRandom random(3);
  for (const int mode : {1, 2}) {
    const Region r = CreateFringeRgn(a, 0, w, h, mode, 0, random);
    const int edge = mode == 1 ? w - a : a;
    const Rect solid = mode == 1 ? Rect{edge, 0, w, h} : Rect{0, 0, edge, h};
    // The solid part, plus the two nearest cells, which are always kept.
    const Rect nearest = mode == 1 ? Rect{edge - 4, 0, edge, h} : Rect{edge, 0, edge + 4, h};
    EXPECT_TRUE(Region::Combine(Region::FromRect(solid), r, Region::Op::kDiff).IsEmpty()) << mode;
    EXPECT_TRUE(Region::Combine(Region::FromRect(nearest), r, Region::Op::kDiff).IsEmpty()) << mode;
    // Nothing beyond the fringe's depth, and the far cells are not all there.
    const Rect reach = mode == 1 ? Rect{edge - 40, 0, w, h + 2} : Rect{0, 0, edge + 40, h + 2};
    EXPECT_TRUE(Region::Combine(r, Region::FromRect(reach), Region::Op::kDiff).IsEmpty()) << mode;
    EXPECT_LT(r.PixelCount(), uint64_t(reach.Width()) * h) << mode;
  }
  // Once the advance reaches the width there is no fringe: the picture, exactly.
  EXPECT_EQ(CreateFringeRgn(w, 0, w, h, 1, 0, random), Region::FromRects({{0, 0, w, h + 1}}));
}

TEST(DissolveRegion, SquaresOnAGridChosenByPercent) {
  EffectRandom random(9);
  // Every square chosen: the picture is covered (squares of 2d around points d apart).
  const Region all = CreateDissolveRgn(50, 30, 100, random);
  EXPECT_TRUE(Region::Combine(Region::FromRect(Rect{0, 0, 50, 30}), all, Region::Op::kDiff).IsEmpty());
  EXPECT_TRUE(CreateDissolveRgn(50, 30, 0, random).IsEmpty());

  // One number per grid point, the points column by column, d = percent div 10 + (smaller side)
  // div 50 and at least 1.
  const struct {
    int w, h, percent, d;
  } cases[] = {{50, 30, 40, 4}, {3, 3, 5, 1}, {200, 120, 73, 9}, {1, 400, 50, 5}};
  for (const auto& c : cases) {
    EffectRandom used(21), reference(21);
    std::vector<Rect> expected;
    for (int x = 0; x < c.w; x += c.d)
      for (int y = 0; y < c.h; y += c.d)
        if (reference.Random(100) < c.percent) expected.push_back(Rect{x - c.d, y - c.d, x + c.d, y + c.d});
    EXPECT_EQ(CreateDissolveRgn(c.w, c.h, c.percent, used), Region::FromRects(expected)) << c.w << "x" << c.h;
    EXPECT_EQ(used.Random(1000), reference.Random(1000)) << c.w << "x" << c.h;
  }
}

}  // namespace
}  // namespace saverkit
