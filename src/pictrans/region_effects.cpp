// Effects 58 to 117 and 123 to 127: the new picture drawn through a clipping region built anew
// in every frame (curved wipes and irises, combs, ragged and fringed edges, triangles, squares).
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "pictrans/effect_frame.h"
#include "pictrans/region_shapes.h"
#include "pictrans/transition_drawing.h"
#include "raster/muldiv.h"

namespace saverkit {
namespace {

void UseRegion(EffectFrame& f, Region region) {
  f.region = std::move(region);
  f.hasRegion = true;
  f.finish = FrameFinish::kRegion;
}

// The union of many shapes, merged in one pass instead of one union per shape.
Region UniteAll(const std::vector<Region>& parts) {
  std::vector<Rect> rects;
  for (const Region& part : parts) {
    const std::vector<Rect> partRects = part.Rects();
    rects.insert(rects.end(), partRects.begin(), partRects.end());
  }
  return Region::FromRects(rects);
}

// ---- Combs, ragged and fringed edges, as data ----

struct CombEffect {
  uint8_t style;
  uint8_t scale;  // the advance is scale * dx (dy): the two-phase modes run to twice the size
  bool snap;      // jump to the end within J of it
  uint8_t rowMode, colMode;
};

constexpr CombEffect kCombs[] = {
    {60, 2, true, kCombFar, kCombNone},          {61, 2, true, kCombNear, kCombNone},
    {62, 2, true, kCombNearThenFar, kCombNone},  {63, 2, true, kCombFarThenNear, kCombNone},
    {64, 1, false, kCombBothWays, kCombNone},    {71, 2, true, kCombNone, kCombFar},
    {72, 2, true, kCombNone, kCombNear},         {73, 2, true, kCombNone, kCombNearThenFar},
    {74, 2, true, kCombNone, kCombFarThenNear},  {75, 1, false, kCombNone, kCombBothWays},
    {86, 2, true, kCombFar, kCombFar},           {87, 2, true, kCombFar, kCombNear},
    {88, 2, true, kCombNear, kCombFar},          {89, 2, true, kCombNear, kCombNear},
    {90, 2, true, kCombNearThenFar, kCombNearThenFar}, {91, 2, true, kCombNearThenFar, kCombFarThenNear},
    {92, 2, true, kCombFarThenNear, kCombNearThenFar}, {93, 2, true, kCombFarThenNear, kCombFarThenNear},
    {94, 1, true, kCombFar, kCombBothWays},      {95, 1, true, kCombNear, kCombBothWays},
    {96, 1, true, kCombBothWays, kCombFar},      {97, 1, true, kCombBothWays, kCombNear},
    {98, 1, false, kCombBothWays, kCombBothWays},
};

template <int kIndex>
void Comb(EffectFrame& f) {
  const CombEffect& e = kCombs[kIndex];
  UseRegion(f, CreateInterlaceRgn(e.scale * f.extents.dx, e.scale * f.extents.dy, f.width, f.height,
                                  e.snap ? f.extents.snap : 0, e.rowMode, e.colMode));
}

// Modes of the ragged and fringed edges (see region_shapes.h).
struct EdgeEffect {
  uint8_t style, rowMode, colMode;
};

constexpr EdgeEffect kRaggedEdges[] = {
    {65, 1, 0},  {66, 2, 0},  {67, 3, 0},  {68, 4, 0},  {76, 0, 1},  {77, 0, 2},  {78, 0, 3},
    {79, 0, 4},  {100, 1, 1}, {101, 1, 2}, {102, 2, 1}, {103, 2, 2}, {104, 1, 3}, {105, 2, 3},
    {106, 3, 1}, {107, 3, 2}, {108, 3, 3}, {109, 4, 4},
};

constexpr EdgeEffect kFringedEdges[] = {{123, 1, 0}, {124, 2, 0}, {125, 0, 1}, {126, 0, 2}};

template <int kIndex>
void Ragged(EffectFrame& f) {
  const EdgeEffect& e = kRaggedEdges[kIndex];
  UseRegion(f, CreateRaggedRgn(f.extents.dx, f.extents.dy, f.width, f.height, e.rowMode, e.colMode, f.random));
}

template <int kIndex>
void Fringed(EffectFrame& f) {
  const EdgeEffect& e = kFringedEdges[kIndex];
  UseRegion(f, CreateFringeRgn(f.extents.dx, f.extents.dy, f.width, f.height, e.rowMode, e.colMode, f.random));
}

// ---- Curved wipes and irises ----

Region RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  return Region::FromRoundRect(left, top, right, bottom, ellipseWidth, ellipseHeight);
}

void CurvedWipeFromLeft(EffectFrame& f) {  // 58
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(-2 * w, -5, 2 * f.extents.dx, h + 5, 2 * w, 2 * w));
}
void CurvedWipeFromRight(EffectFrame& f) {  // 59
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(w - 2 * f.extents.dx, -5, 3 * w, h + 5, 2 * w, 2 * w));
}
void CurvedWipeFromTop(EffectFrame& f) {  // 69
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(-5, -2 * h, w + 5, 2 * f.extents.dy, 2 * h, 2 * h));
}
void CurvedWipeFromBottom(EffectFrame& f) {  // 70
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(-5, h - 2 * f.extents.dy, w + 5, 3 * h, 2 * h, 2 * h));
}
void CurvedWipeFromTopLeft(EffectFrame& f) {  // 80
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(-2 * w, -2 * h, 2 * f.extents.dx, 2 * f.extents.dy, 2 * w, 2 * h));
}
void CurvedWipeFromTopRight(EffectFrame& f) {  // 81
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(w - 2 * f.extents.dx, -2 * h, 3 * w, 2 * f.extents.dy, 2 * w, 2 * h));
}
void CurvedWipeFromBottomLeft(EffectFrame& f) {  // 82
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(-2 * w, h - 2 * f.extents.dy, 2 * f.extents.dx, 3 * h, 2 * w, 2 * h));
}
void CurvedWipeFromBottomRight(EffectFrame& f) {  // 83: its corner is a circle of the height
  const int w = f.width, h = f.height;
  UseRegion(f, RoundRect(w - 2 * f.extents.dx, h - 2 * f.extents.dy, 3 * w, 3 * h, 2 * h, 2 * h));
}
void IrisOpening(EffectFrame& f) {  // 84
  const int hx = f.width / 2, hy = f.height / 2, dx = f.extents.dx, dy = f.extents.dy;
  UseRegion(f, RoundRect(hx - dx, hy - dy, hx + dx, hy + dy, 9 * dx / 5, 9 * dy / 5));
}
void IrisClosing(EffectFrame& f) {  // 85
  const int w = f.width, h = f.height, hx = w / 2, hy = h / 2, dx = f.extents.dx, dy = f.extents.dy;
  const Region closing =
      RoundRect(dx - hx, dy - hy, 3 * w / 2 - dx, 3 * h / 2 - dy, 9 * (w - dx) / 5, 9 * (h - dy) / 5);
  UseRegion(f, Region::Combine(Region::FromRect(Rect{0, 0, w, h}), closing, Region::Op::kXor));
}

// ---- Crossed combs ----

void CrossedCombs(EffectFrame& f) {  // 99
  const int a = 2 * f.extents.dx, b = 2 * f.extents.dy, j = f.extents.snap;
  const Region fromFar = CreateInterlaceRgn(a, b, f.width, f.height, j, kCombFar, kCombFar);
  const Region fromNear = CreateInterlaceRgn(a, b, f.width, f.height, j, kCombNear, kCombNear);
  UseRegion(f, Region::Combine(fromNear, fromFar, Region::Op::kIntersect));
}

// ---- Triangles ----

void DiagonalFromTopLeft(EffectFrame& f) {  // 110
  const int dx2 = 2 * f.extents.dx, dy2 = 2 * f.extents.dy;
  UseRegion(f, CreateTriangleRgn(0, 0, dx2, 0, 0, dy2));
}
void DiagonalFromTopRight(EffectFrame& f) {  // 111
  const int w = f.width, dx2 = 2 * f.extents.dx, dy2 = 2 * f.extents.dy;
  UseRegion(f, CreateTriangleRgn(w, 0, w - dx2, 0, w, dy2));
}
void DiagonalFromBottomLeft(EffectFrame& f) {  // 112
  const int h = f.height, dx2 = 2 * f.extents.dx, dy2 = 2 * f.extents.dy;
  UseRegion(f, CreateTriangleRgn(0, h, dx2, h, 0, h - dy2));
}
void DiagonalFromBottomRight(EffectFrame& f) {  // 113
  const int w = f.width, h = f.height, dx2 = 2 * f.extents.dx, dy2 = 2 * f.extents.dy;
  UseRegion(f, CreateTriangleRgn(w, h, w - dx2, h, w, h - dy2));
}
void TrianglesAlongBottomAndTop(EffectFrame& f) {  // 114
  const int w = f.width, h = f.height, dx = f.extents.dx;
  UseRegion(f, UniteAll({CreateTriangleRgn(0, h, 0, 0, dx, h), CreateTriangleRgn(w, h, w, 0, w - dx, 0)}));
}
void TrianglesAlongRightAndLeft(EffectFrame& f) {  // 115
  const int w = f.width, h = f.height, dy = f.extents.dy;
  UseRegion(f, UniteAll({CreateTriangleRgn(w, 0, 0, 0, w, dy), CreateTriangleRgn(w, h, 0, h, 0, h - dy)}));
}
void Pinwheel(EffectFrame& f) {  // 116
  const int w = f.width, h = f.height, hx = w / 2, hy = h / 2, dx = f.extents.dx, dy = f.extents.dy;
  UseRegion(f, UniteAll({CreateTriangleRgn(hx, hy, 0, h, 0, h - dy), CreateTriangleRgn(0, 0, dx, 0, hx, hy),
                         CreateTriangleRgn(w - dx, h, hx, hy, w, h), CreateTriangleRgn(hx, hy, w, 0, w, dy)}));
}
// 117's triangles are one shape moved to whole-pixel grid points, so every copy's rows are the
// first one's rows moved: the union is built row by row from those, where a hundred separate
// regions would cost far more to merge.
Region TriangleGridRegion(int w, int h, int side, int height) {
  constexpr int kCells = 10;
  const Region triangle = CreateTriangleRgn(0, 0, side, 0, 0, height);
  if (triangle.IsEmpty()) return Region();
  const Rect bounds = triangle.Bounds();
  std::vector<std::vector<Region::Span>> rows(size_t(bounds.Height()));
  for (const Region::Band& band : triangle.Bands())
    for (int y = band.top; y < band.bottom; ++y)
      rows[size_t(y - bounds.top)].assign(triangle.SpansOf(band), triangle.SpansOf(band) + band.spanCount);
  int xs[kCells], ys[kCells];
  for (int k = 0; k < kCells; ++k) {
    xs[k] = w * k / kCells;
    ys[k] = h * k / kCells;
  }
  RegionBuilder builder;
  std::vector<Region::Span> spans;
  for (int y = ys[0] + bounds.top; y < ys[kCells - 1] + bounds.bottom; ++y) {
    spans.clear();
    for (int j = 0; j < kCells; ++j) {
      const int row = y - ys[j] - bounds.top;
      if (row < 0 || row >= bounds.Height()) continue;
      for (int x : xs)
        for (const Region::Span& span : rows[size_t(row)]) spans.push_back(Region::Span{span.left + x, span.right + x});
    }
    std::sort(spans.begin(), spans.end(), [](const Region::Span& p, const Region::Span& q) { return p.left < q.left; });
    size_t kept = 0;
    for (const Region::Span& span : spans) {
      if (kept > 0 && span.left <= spans[kept - 1].right) spans[kept - 1].right = std::max(spans[kept - 1].right, span.right);
      else spans[kept++] = span;
    }
    builder.AddBand(y, y + 1, spans.data(), kept);
  }
  return builder.Finish();
}

void TriangleGrid(EffectFrame& f) {  // 117
  const int side = f.extents.dx / 5;
  UseRegion(f, TriangleGridRegion(f.width, f.height, side, MulDiv(side, f.height, f.width)));
}

// ---- Random squares ----

void Dissolve(EffectFrame& f) {  // 127
  UseRegion(f, CreateDissolveRgn(f.width, f.height, f.progress, f.random));
}

template <size_t... kIndices>
void RegisterCombs(EffectFunction (&table)[kEffectCount], std::index_sequence<kIndices...>) {
  ((table[kCombs[kIndices].style] = &Comb<kIndices>), ...);
}
template <size_t... kIndices>
void RegisterRagged(EffectFunction (&table)[kEffectCount], std::index_sequence<kIndices...>) {
  ((table[kRaggedEdges[kIndices].style] = &Ragged<kIndices>), ...);
}
template <size_t... kIndices>
void RegisterFringed(EffectFunction (&table)[kEffectCount], std::index_sequence<kIndices...>) {
  ((table[kFringedEdges[kIndices].style] = &Fringed<kIndices>), ...);
}

}  // namespace

void RegisterRegionEffects(EffectFunction (&table)[kEffectCount]) {
  table[58] = &CurvedWipeFromLeft;
  table[59] = &CurvedWipeFromRight;
  table[69] = &CurvedWipeFromTop;
  table[70] = &CurvedWipeFromBottom;
  table[80] = &CurvedWipeFromTopLeft;
  table[81] = &CurvedWipeFromTopRight;
  table[82] = &CurvedWipeFromBottomLeft;
  table[83] = &CurvedWipeFromBottomRight;
  table[84] = &IrisOpening;
  table[85] = &IrisClosing;
  RegisterCombs(table, std::make_index_sequence<std::size(kCombs)>());
  table[99] = &CrossedCombs;
  RegisterRagged(table, std::make_index_sequence<std::size(kRaggedEdges)>());
  table[110] = &DiagonalFromTopLeft;
  table[111] = &DiagonalFromTopRight;
  table[112] = &DiagonalFromBottomLeft;
  table[113] = &DiagonalFromBottomRight;
  table[114] = &TrianglesAlongBottomAndTop;
  table[115] = &TrianglesAlongRightAndLeft;
  table[116] = &Pinwheel;
  table[117] = &TriangleGrid;
  RegisterFringed(table, std::make_index_sequence<std::size(kFringedEdges)>());
  table[127] = &Dissolve;
}

}  // namespace saverkit
