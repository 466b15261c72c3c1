#include "raster/region.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>

namespace saverkit {
namespace {

using Span = Region::Span;

bool SameSpans(const Span* a, size_t na, const Span* b, size_t nb) {
  return na == nb && std::equal(a, a + na, b);
}

// The spans where `op` holds for the coverage of a and b; both inputs keep the span invariants,
// and so does the output, because a span only starts or ends where the result changes.
void CombineSpans(const Span* a, size_t na, const Span* b, size_t nb, Region::Op op, std::vector<Span>& out) {
  // Whether the result covers a point, by its coverage in a and b: bit (2 * inA + inB). Looked up
  // instead of deciding on `op` at each of the many edges of a comb's band.
  unsigned truth = 0;
  switch (op) {
    case Region::Op::kUnion: truth = 0b1110; break;
    case Region::Op::kIntersect: truth = 0b1000; break;
    case Region::Op::kXor: truth = 0b0110; break;
    case Region::Op::kDiff: truth = 0b0100; break;
  }
  // Each result span ends at an edge of its own, so there are at most na + nb; they are written
  // in place rather than appended one call at a time.
  out.resize(na + nb);
  Span* written = out.data();
  // Past every int, so that a span ending at the largest int is still closed.
  constexpr int64_t kEnd = int64_t(std::numeric_limits<int>::max()) + 1;
  size_t i = 0, j = 0;
  bool inA = false, inB = false, inResult = false;
  int start = 0;
  for (;;) {
    const int64_t nextA = i < na ? (inA ? a[i].right : a[i].left) : kEnd;
    const int64_t nextB = j < nb ? (inB ? b[j].right : b[j].left) : kEnd;
    if (std::min(nextA, nextB) == kEnd) break;
    const int x = int(std::min(nextA, nextB));
    if (nextA == x) {
      if (inA) ++i;
      inA = !inA;
    }
    if (nextB == x) {
      if (inB) ++j;
      inB = !inB;
    }
    const bool now = (truth >> (2 * unsigned(inA) + unsigned(inB))) & 1;
    if (now == inResult) continue;
    if (now) start = x;
    else *written++ = Span{start, x};
    inResult = now;
  }
  out.resize(size_t(written - out.data()));
}

// Sorts spans and merges overlapping or touching ones, giving the span invariants.
void NormalizeSpans(std::vector<Span>& spans) {
  auto byLeft = [](const Span& p, const Span& q) { return p.left < q.left; };
  // Callers that keep their spans in order pay only for the merge.
  if (!std::is_sorted(spans.begin(), spans.end(), byLeft)) std::sort(spans.begin(), spans.end(), byLeft);
  size_t kept = 0;
  for (const Span& s : spans) {
    if (s.left >= s.right) continue;
    if (kept > 0 && s.left <= spans[kept - 1].right) {
      spans[kept - 1].right = std::max(spans[kept - 1].right, s.right);
    } else {
      spans[kept++] = s;
    }
  }
  spans.resize(kept);
}

// Copies n bytes between buffers that do not overlap. A comb or a dissolve draws through spans
// of a few pixels by the hundred thousand, where a library call per span costs more than the
// copy: short runs are moved as two overlapping fixed-size words instead.
void CopyRun(uint8_t* to, const uint8_t* from, size_t n) {
  if (n >= 32) {
    std::memcpy(to, from, n);
  } else if (n >= 16) {
    std::memcpy(to, from, 16);
    std::memcpy(to + n - 16, from + n - 16, 16);
  } else if (n >= 8) {
    std::memcpy(to, from, 8);
    std::memcpy(to + n - 8, from + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(to, from, 4);
    std::memcpy(to + n - 4, from + n - 4, 4);
  } else {
    for (size_t i = 0; i < n; ++i) to[i] = from[i];
  }
}

// ceil(n / d) for d > 0.
int64_t CeilDiv(int64_t n, int64_t d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

// A coordinate moved by `delta`, held to the range an int can carry.
int ClampedOffset(int value, int delta) {
  const int64_t moved = int64_t(value) + delta;
  return int(std::clamp<int64_t>(moved, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Every operation hands its result through here: debug builds check the invariants of region.h
// on each result, so a fault shows at the operation that made it, not where it is drawn.
Region Checked(Region region) {
  assert(region.CheckInvariants());
  return region;
}

}  // namespace

void RegionBuilder::AddBand(int top, int bottom, const Span* spans, size_t count) {
  if (top >= bottom || count == 0) return;
  auto& bands = region_.bands_;
  auto& allSpans = region_.spans_;
  if (!bands.empty()) {
    Region::Band& last = bands.back();
    if (last.bottom == top && SameSpans(allSpans.data() + last.firstSpan, last.spanCount, spans, count)) {
      last.bottom = bottom;
      return;
    }
  }
  bands.push_back(Region::Band{top, bottom, uint32_t(allSpans.size()), uint32_t(count)});
  allSpans.insert(allSpans.end(), spans, spans + count);
}

Region Region::FromRect(const Rect& r) {
  Rect ordered{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
               std::max(r.top, r.bottom)};
  RegionBuilder builder;
  const Span span{ordered.left, ordered.right};
  if (!ordered.IsEmpty()) builder.AddBand(ordered.top, ordered.bottom, &span, 1);
  return Checked(builder.Finish());
}

Region Region::FromRoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // Windows leaves out the last column and row of a rounded rectangle's box.
  --right;
  --bottom;
  ellipseWidth = std::min(right - left, std::abs(ellipseWidth));
  ellipseHeight = std::min(bottom - top, std::abs(ellipseHeight));
  if (ellipseWidth < 2 || ellipseHeight < 2) return FromRect(Rect{left, top, right, bottom});

  // The lower half of the corner ellipse, row by row, traced by an integer midpoint walk
  // (Zingl's ellipse algorithm); the upper half mirrors it.
  struct Row {
    int left, right;
  };
  std::vector<Row> rows(size_t(ellipseHeight), Row{left, right});
  const int64_t a = ellipseWidth - 1, b = ellipseHeight - 1;
  const int64_t aSq8 = 8 * a * a, bSq8 = 8 * b * b;
  int64_t dx = 4 * b * b * (1 - a);
  int64_t dy = 4 * a * a * (1 + (b % 2));
  int64_t err = dx + dy + a * a * (b % 2);
  int x = 0, y = ellipseHeight / 2;
  int lastRow = y;
  while (x <= ellipseWidth / 2) {
    const int64_t e2 = 2 * err;
    if (e2 >= dx) {
      ++x;
      err += dx += bSq8;
    }
    if (e2 <= dy) {
      ++y;
      err += dy += aSq8;
      if (y < ellipseHeight) {
        rows[size_t(y)] = Row{left + x, right - x};
        lastRow = y;
      }
    }
  }
  // An ellipse much taller than wide reaches the middle column before the last rows: those rows
  // are its tip and keep the narrowest span found, not the full width.
  for (int i = lastRow + 1; i < ellipseHeight; ++i) rows[size_t(i)] = rows[size_t(lastRow)];
  for (int i = 0; i < ellipseHeight / 2; ++i) rows[size_t(i)] = rows[size_t(b - i)];

  RegionBuilder builder;
  auto add = [&](int rowTop, int rowBottom, const Row& row) {
    const Span span{row.left, row.right};
    if (span.left < span.right) builder.AddBand(rowTop, rowBottom, &span, 1);
  };
  for (int i = 0; i < ellipseHeight / 2; ++i) add(top + i, top + i + 1, rows[size_t(i)]);
  // The middle row of the ellipse stretches over the straight sides of the box.
  const int middle = ellipseHeight / 2;
  add(top + middle, bottom - ellipseHeight + middle + 1, rows[size_t(middle)]);
  for (int i = middle + 1; i < ellipseHeight; ++i) {
    const int rowTop = bottom - ellipseHeight + i;
    add(rowTop, rowTop + 1, rows[size_t(i)]);
  }
  return Checked(builder.Finish());
}

Region Region::FromPolygon(const std::vector<Point>& points) {
  struct Edge {
    int topY, bottomY;
    int64_t topX, deltaX, deltaY;
    int direction;
  };
  std::vector<Edge> edges;
  if (points.size() < 3) return Region();
  int minY = std::numeric_limits<int>::max(), maxY = std::numeric_limits<int>::min();
  for (size_t i = 0; i < points.size(); ++i) {
    const Point& p = points[i];
    const Point& q = points[(i + 1) % points.size()];
    if (p.y == q.y) continue;  // horizontal edges cross no row
    const Point& upper = p.y < q.y ? p : q;
    const Point& lower = p.y < q.y ? q : p;
    edges.push_back(Edge{upper.y, lower.y, upper.x, int64_t(lower.x) - upper.x, int64_t(lower.y) - upper.y,
                         p.y < q.y ? 1 : -1});
    minY = std::min(minY, upper.y);
    maxY = std::max(maxY, lower.y);
  }
  if (edges.empty()) return Region();
  std::sort(edges.begin(), edges.end(), [](const Edge& e, const Edge& f) { return e.topY < f.topY; });

  RegionBuilder builder;
  struct Crossing {
    int64_t x;
    int direction;
  };
  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  std::vector<Span> spans;
  size_t nextEdge = 0;
  for (int y = minY; y < maxY; ++y) {
    while (nextEdge < edges.size() && edges[nextEdge].topY <= y) active.push_back(&edges[nextEdge++]);
    active.erase(std::remove_if(active.begin(), active.end(), [y](const Edge* e) { return e->bottomY <= y; }),
                 active.end());
    crossings.clear();
    for (const Edge* e : active)
      crossings.push_back(Crossing{CeilDiv(e->topX * e->deltaY + int64_t(y - e->topY) * e->deltaX, e->deltaY),
                                   e->direction});
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& c, const Crossing& d) { return c.x < d.x; });
    spans.clear();
    int winding = 0;
    int64_t start = 0;
    for (const Crossing& c : crossings) {
      const int before = winding;
      winding += c.direction;
      if (before == 0 && winding != 0) start = c.x;
      else if (before != 0 && winding == 0 && start < c.x) spans.push_back(Span{int(start), int(c.x)});
    }
    NormalizeSpans(spans);
    builder.AddBand(y, y + 1, spans.data(), spans.size());
  }
  return Checked(builder.Finish());
}

Region Region::FromRects(const std::vector<Rect>& rects) {
  std::vector<Rect> sorted;
  sorted.reserve(rects.size());
  std::vector<int> ys;
  for (const Rect& r : rects) {
    const Rect ordered{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
                       std::max(r.top, r.bottom)};
    if (ordered.IsEmpty()) continue;
    sorted.push_back(ordered);
    ys.push_back(ordered.top);
    ys.push_back(ordered.bottom);
  }
  std::sort(sorted.begin(), sorted.end(), [](const Rect& p, const Rect& q) { return p.top < q.top; });
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  RegionBuilder builder;
  // The rectangles crossing the current rows, kept ordered by left edge so that their spans
  // need no sorting.
  std::vector<const Rect*> active;
  auto byLeft = [](const Rect* p, const Rect* q) { return p->left < q->left; };
  std::vector<Span> spans;
  size_t next = 0;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    const int y0 = ys[k], y1 = ys[k + 1];
    active.erase(std::remove_if(active.begin(), active.end(), [y0](const Rect* r) { return r->bottom <= y0; }),
                 active.end());
    for (; next < sorted.size() && sorted[next].top <= y0; ++next)
      active.insert(std::upper_bound(active.begin(), active.end(), &sorted[next], byLeft), &sorted[next]);
    // In order of their left edges and none empty, the rectangles' spans need only merging where
    // they overlap or touch; written in place, as a comb's hundreds of spans a band cost more to
    // append one call at a time than to merge.
    spans.resize(active.size());
    size_t kept = 0;
    for (const Rect* r : active) {
      if (kept > 0 && r->left <= spans[kept - 1].right) {
        spans[kept - 1].right = std::max(spans[kept - 1].right, r->right);
      } else {
        spans[kept++] = Span{r->left, r->right};
      }
    }
    builder.AddBand(y0, y1, spans.data(), kept);
  }
  return Checked(builder.Finish());
}

Region Region::Combine(const Region& a, const Region& b, Op op) {
  std::vector<int> ys;
  ys.reserve((a.bands_.size() + b.bands_.size()) * 2);
  for (const Band& band : a.bands_) ys.insert(ys.end(), {band.top, band.bottom});
  for (const Band& band : b.bands_) ys.insert(ys.end(), {band.top, band.bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  RegionBuilder builder;
  std::vector<Span> spans;
  size_t ia = 0, ib = 0;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    const int y0 = ys[k], y1 = ys[k + 1];
    while (ia < a.bands_.size() && a.bands_[ia].bottom <= y0) ++ia;
    while (ib < b.bands_.size() && b.bands_[ib].bottom <= y0) ++ib;
    const bool hasA = ia < a.bands_.size() && a.bands_[ia].top <= y0;
    const bool hasB = ib < b.bands_.size() && b.bands_[ib].top <= y0;
    if (!hasA && !hasB) continue;
    CombineSpans(hasA ? a.SpansOf(a.bands_[ia]) : nullptr, hasA ? a.bands_[ia].spanCount : 0,
                 hasB ? b.SpansOf(b.bands_[ib]) : nullptr, hasB ? b.bands_[ib].spanCount : 0, op, spans);
    builder.AddBand(y0, y1, spans.data(), spans.size());
  }
  return Checked(builder.Finish());
}

void Region::Offset(int dx, int dy) {
  if (bands_.empty()) return;
  const Rect bounds = Bounds();
  const int64_t kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  const bool fits = int64_t(bounds.left) + dx >= kMin && int64_t(bounds.right) + dx <= kMax &&
                    int64_t(bounds.top) + dy >= kMin && int64_t(bounds.bottom) + dy <= kMax;
  if (fits) {
    for (Band& band : bands_) {
      band.top += dy;
      band.bottom += dy;
    }
    for (Span& span : spans_) {
      span.left += dx;
      span.right += dx;
    }
  } else {
    // Pixels moved past the range of an int cannot be named: they are cut off, and what stays
    // is rebuilt, since cutting can empty spans and bands or make touching bands equal.
    RegionBuilder builder;
    std::vector<Span> moved;
    for (const Band& band : bands_) {
      moved.clear();
      for (uint32_t k = 0; k < band.spanCount; ++k) {
        const Span span{ClampedOffset(SpansOf(band)[k].left, dx), ClampedOffset(SpansOf(band)[k].right, dx)};
        if (span.left < span.right) moved.push_back(span);
      }
      builder.AddBand(ClampedOffset(band.top, dy), ClampedOffset(band.bottom, dy), moved.data(), moved.size());
    }
    *this = builder.Finish();
  }
  assert(CheckInvariants());
}

bool Region::Contains(int x, int y) const {
  auto band = std::upper_bound(bands_.begin(), bands_.end(), y, [](int v, const Band& b) { return v < b.bottom; });
  if (band == bands_.end() || band->top > y) return false;
  const Span* first = SpansOf(*band);
  const Span* last = first + band->spanCount;
  auto span = std::upper_bound(first, last, x, [](int v, const Span& s) { return v < s.right; });
  return span != last && span->left <= x;
}

Rect Region::Bounds() const {
  if (bands_.empty()) return Rect{};
  Rect r{std::numeric_limits<int>::max(), bands_.front().top, std::numeric_limits<int>::min(), bands_.back().bottom};
  for (const Band& band : bands_) {
    r.left = std::min(r.left, SpansOf(band)[0].left);
    r.right = std::max(r.right, SpansOf(band)[band.spanCount - 1].right);
  }
  return r;
}

uint64_t Region::PixelCount() const {
  uint64_t count = 0;
  for (const Band& band : bands_)
    for (uint32_t k = 0; k < band.spanCount; ++k)
      count += uint64_t(int64_t(SpansOf(band)[k].right) - SpansOf(band)[k].left) *
               uint64_t(int64_t(band.bottom) - band.top);
  return count;
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> rects;
  rects.reserve(spans_.size());
  for (const Band& band : bands_)
    for (uint32_t k = 0; k < band.spanCount; ++k)
      rects.push_back(Rect{SpansOf(band)[k].left, band.top, SpansOf(band)[k].right, band.bottom});
  return rects;
}

bool Region::operator==(const Region& o) const {
  if (bands_.size() != o.bands_.size()) return false;
  for (size_t i = 0; i < bands_.size(); ++i) {
    const Band& p = bands_[i];
    const Band& q = o.bands_[i];
    if (p.top != q.top || p.bottom != q.bottom || !SameSpans(SpansOf(p), p.spanCount, o.SpansOf(q), q.spanCount))
      return false;
  }
  return true;
}

bool Region::CheckInvariants() const {
  for (size_t i = 0; i < bands_.size(); ++i) {
    const Band& band = bands_[i];
    if (band.top >= band.bottom || band.spanCount == 0) return false;
    if (size_t(band.firstSpan) + band.spanCount > spans_.size()) return false;
    const Span* s = SpansOf(band);
    for (uint32_t k = 0; k < band.spanCount; ++k) {
      if (s[k].left >= s[k].right) return false;
      if (k > 0 && s[k - 1].right >= s[k].left) return false;
    }
    if (i > 0) {
      const Band& prev = bands_[i - 1];
      if (prev.bottom > band.top) return false;
      if (prev.bottom == band.top && SameSpans(SpansOf(prev), prev.spanCount, s, band.spanCount)) return false;
    }
  }
  return true;
}

void DrawThroughRegion(const Bitmap& source, int originX, int originY, const Region& clip, Bitmap& target) {
  // Only pixels inside the target and inside the placed source can be drawn.
  const Rect limit = Rect{0, 0, target.Width(), target.Height()}.Intersect(
      Rect{originX, originY, originX + source.Width(), originY + source.Height()});
  if (limit.IsEmpty()) return;
  // A band's spans clipped to the limit once, not again in each of its rows.
  std::vector<Region::Span> clipped;
  for (const Region::Band& band : clip.Bands()) {
    const int y0 = std::max(band.top, limit.top), y1 = std::min(band.bottom, limit.bottom);
    if (y0 >= y1) continue;
    clipped.resize(band.spanCount);
    const Region::Span* spans = clip.SpansOf(band);
    Region::Span* kept = clipped.data();
    for (uint32_t k = 0; k < band.spanCount; ++k) {
      const int x0 = std::max(spans[k].left, limit.left), x1 = std::min(spans[k].right, limit.right);
      if (x0 < x1) *kept++ = Region::Span{x0, x1};
    }
    const Region::Span* const keptEnd = kept;
    // Row by row, so that memory is walked in order even when a band holds many narrow spans.
    for (int y = y0; y < y1; ++y) {
      uint8_t* to = target.Row(y);
      const uint8_t* from = source.Row(y - originY);
      for (const Region::Span* span = clipped.data(); span != keptEnd; ++span)
        CopyRun(to + size_t(span->left) * 3, from + size_t(span->left - originX) * 3,
                size_t(span->right - span->left) * 3);
    }
  }
}

bool DrawThroughRegionOver(const Bitmap& source, const Bitmap& background, const Region& clip, Bitmap& target) {
  const int width = target.Width(), height = target.Height();
  if (source.Width() != width || source.Height() != height || background.Width() != width ||
      background.Height() != height)
    return false;
  const size_t rowBytes = size_t(width) * 3;
  std::vector<Region::Span> clipped;
  int y = 0;  // the next row to fill
  for (const Region::Band& band : clip.Bands()) {
    const int y0 = std::clamp(band.top, 0, height), y1 = std::clamp(band.bottom, 0, height);
    if (y0 >= y1) continue;
    for (; y < y0; ++y) std::memcpy(target.Row(y), background.Row(y), rowBytes);
    // The band's spans clipped to the picture once, kept in place as in DrawThroughRegion.
    clipped.resize(band.spanCount);
    const Region::Span* spans = clip.SpansOf(band);
    Region::Span* kept = clipped.data();
    for (uint32_t k = 0; k < band.spanCount; ++k) {
      const int x0 = std::max(spans[k].left, 0), x1 = std::min(spans[k].right, width);
      if (x0 < x1) *kept++ = Region::Span{x0, x1};
    }
    const Region::Span* const keptEnd = kept;
    for (; y < y1; ++y) {
      uint8_t* to = target.Row(y);
      const uint8_t *fresh = source.Row(y), *old = background.Row(y);
      size_t done = 0;  // bytes of the row filled
      for (const Region::Span* span = clipped.data(); span != keptEnd; ++span) {
        const size_t left = size_t(span->left) * 3, right = size_t(span->right) * 3;
        CopyRun(to + done, old + done, left - done);
        CopyRun(to + left, fresh + left, right - left);
        done = right;
      }
      CopyRun(to + done, old + done, rowBytes - done);
    }
  }
  for (; y < height; ++y) std::memcpy(target.Row(y), background.Row(y), rowBytes);
  return true;
}

}  // namespace saverkit
