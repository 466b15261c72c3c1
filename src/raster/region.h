// A region: an exact set of pixels, with the coverage the Windows region calls give.
//
// Representation: y-x banded spans. The region is a list of horizontal bands; each band covers
// the rows [top, bottom) and holds the pixel spans [left, right) that every one of its rows has.
// Invariants, kept by every operation (CheckInvariants verifies them):
//   - bands are sorted by top and never overlap: band[i].bottom <= band[i + 1].top;
//   - every band has top < bottom and at least one span;
//   - the spans of a band are sorted, non-empty (left < right), disjoint and non-adjacent
//     (span[k].right < span[k + 1].left);
//   - two bands that touch (band[i].bottom == band[i + 1].top) never hold the same spans: such
//     bands are merged into one.
// So every pixel set has exactly one representation, and equality of regions is equality of
// their bands and spans. The empty region has no band.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/bitmap.h"
#include "base/rect.h"

namespace saverkit {

struct Point {
  int x = 0, y = 0;
};

class Region {
 public:
  struct Span {
    int left, right;
    bool operator==(const Span& o) const { return left == o.left && right == o.right; }
  };
  struct Band {
    int top, bottom;
    uint32_t firstSpan, spanCount;
  };
  enum class Op { kUnion, kIntersect, kXor, kDiff };

  Region() = default;

  // CreateRectRgn: the pixels of r; an empty rectangle gives the empty region. Reversed
  // coordinates are put in order first, as Windows does.
  static Region FromRect(const Rect& r);
  // CreateRoundRectRgn(left, top, right, bottom, ellipseWidth, ellipseHeight), pixel for pixel:
  // like Windows, the region stops one pixel short of right and bottom, and corner ellipses
  // smaller than 2 pixels give a plain rectangle.
  static Region FromRoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  // CreatePolygonRgn with the winding fill mode: a row y holds the pixels from the first edge
  // crossing where the winding number becomes non-zero to the crossing where it returns to zero,
  // each crossing rounded up (ceil of the edge's x at y); an edge covers rows [top y, bottom y).
  static Region FromPolygon(const std::vector<Point>& points);
  // The union of many rectangles in one pass: far cheaper than uniting them one by one.
  static Region FromRects(const std::vector<Rect>& rects);

  // CombineRgn.
  static Region Combine(const Region& a, const Region& b, Op op);
  Region& Unite(const Region& other) { return *this = Combine(*this, other, Op::kUnion); }
  Region& Intersect(const Region& other) { return *this = Combine(*this, other, Op::kIntersect); }

  // Moves every pixel by (dx, dy). Pixels that would leave the range of an int are cut off
  // instead of wrapping round to the far side.
  void Offset(int dx, int dy);

  bool IsEmpty() const { return bands_.empty(); }
  bool Contains(int x, int y) const;
  Rect Bounds() const;
  uint64_t PixelCount() const;
  // The region as disjoint rectangles, y-x banded: one per span of each band.
  std::vector<Rect> Rects() const;

  const std::vector<Band>& Bands() const { return bands_; }
  const Span* SpansOf(const Band& band) const { return spans_.data() + band.firstSpan; }

  bool operator==(const Region& o) const;
  bool operator!=(const Region& o) const { return !(*this == o); }

  // True when the representation keeps the invariants above. Debug builds (and the unit-test
  // and fuzz builds, see SAVERKIT_SELF_CHECKS) assert it on the result of every operation.
  bool CheckInvariants() const;

 private:
  friend class RegionBuilder;
  std::vector<Band> bands_;
  std::vector<Span> spans_;
};

// Appends rows from the top down and keeps the invariants: touching bands with equal spans
// merge. Bands must come in order and the spans given to AddBand must already be sorted,
// disjoint and non-adjacent; the region's operations check their results, the builder does not.
class RegionBuilder {
 public:
  void AddBand(int top, int bottom, const Region::Span* spans, size_t count);
  Region Finish() { return std::move(region_); }

 private:
  Region region_;
};

// Draws `source` with its origin at (originX, originY) into `target`, only on the pixels of
// `clip`: the Windows picture drawn through a clipping region. Whole spans are copied at once.
void DrawThroughRegion(const Bitmap& source, int originX, int originY, const Region& clip, Bitmap& target);

// Fills `target` in one pass: `source` on the pixels of `clip`, `background` on all the others,
// as drawing the background whole and then the source through the region would, at half the
// memory traffic. All three must be the same size; otherwise nothing is drawn and it returns
// false.
bool DrawThroughRegionOver(const Bitmap& source, const Bitmap& background, const Region& clip, Bitmap& target);

}  // namespace saverkit
