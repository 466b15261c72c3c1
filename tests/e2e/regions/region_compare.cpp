// Checks the portable regions against the system's own: every shape of a table is built once
// with GDI (CreateRoundRectRgn, CreatePolygonRgn with WINDING, CombineRgn) and once with Region,
// the GDI region is read back with GetRegionData, and the two must cover the same pixels. Prints
// each difference; exits 1 when there is any, 0 when every shape matches.
#include <windows.h>

#include <cstdio>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "pictrans/transition_drawing.h"
#include "raster/muldiv.h"
#include "raster/region.h"

namespace saverkit {
namespace {

// Owns a GDI region.
class GdiRegion {
 public:
  explicit GdiRegion(HRGN handle) : handle_(handle) {}
  GdiRegion(const GdiRegion&) = delete;
  GdiRegion& operator=(const GdiRegion&) = delete;
  ~GdiRegion() {
    if (handle_) DeleteObject(handle_);
  }
  HRGN get() const { return handle_; }

 private:
  HRGN handle_;
};

// The rectangles of a GDI region, read back through GetRegionData.
bool ReadBack(HRGN handle, std::vector<Rect>& out) {
  const DWORD size = GetRegionData(handle, 0, nullptr);
  if (size < sizeof(RGNDATAHEADER)) return false;
  std::vector<uint8_t> buffer(size);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (GetRegionData(handle, size, data) == 0) return false;
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  out.clear();
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    out.push_back(Rect{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  return true;
}

struct Tally {
  int shapes = 0, differing = 0;
  int undefinedRows = 0;  // rows GDI left undefined, not compared
};

// Compares one shape; `name` says how it was built. Rows in `skipRows` are left out on both sides.
void Compare(Tally& tally, const std::string& name, const std::vector<Rect>& gdiRects, const Region& ours,
             const Region& skipRows = Region()) {
  ++tally.shapes;
  if (!ours.CheckInvariants()) {
    ++tally.differing;
    std::printf("DIFF %s: the portable region breaks its invariants\n", name.c_str());
    return;
  }
  const Region fromGdi = Region::Combine(Region::FromRects(gdiRects), skipRows, Region::Op::kDiff);
  const Region compared = Region::Combine(ours, skipRows, Region::Op::kDiff);
  if (fromGdi == compared) return;
  ++tally.differing;
  // Past the first differences only the count is useful.
  constexpr int kDetailedDifferences = 60;
  if (tally.differing > kDetailedDifferences) return;
  const Region onlyGdi = Region::Combine(fromGdi, compared, Region::Op::kDiff);
  const Region onlyOurs = Region::Combine(compared, fromGdi, Region::Op::kDiff);
  std::printf("DIFF %s: %llu pixels only in GDI, %llu only in ours\n", name.c_str(),
              (unsigned long long)onlyGdi.PixelCount(), (unsigned long long)onlyOurs.PixelCount());
  auto show = [](const char* label, const Region& r) {
    const std::vector<Rect> rects = r.Rects();
    for (size_t i = 0; i < rects.size() && i < 6; ++i)
      std::printf("    %s (%d,%d)-(%d,%d)\n", label, rects[i].left, rects[i].top, rects[i].right, rects[i].bottom);
  };
  show("gdi only", onlyGdi);
  show("ours only", onlyOurs);
}

// Takes the GDI region, reads it back and compares it.
void Compare(Tally& tally, const std::string& name, HRGN gdiHandle, const Region& ours) {
  const GdiRegion gdi(gdiHandle);
  std::vector<Rect> rects;
  if (gdi.get() == nullptr || !ReadBack(gdi.get(), rects)) {
    ++tally.shapes;
    ++tally.differing;
    std::printf("DIFF %s: GDI built no readable region\n", name.c_str());
    return;
  }
  Compare(tally, name, rects, ours);
}

// Wine leaves the tip rows of a rounded rectangle whose corner ellipse is far taller than wide
// undefined: their spans come out reversed, outside the box or off its centre line, and change
// from run to run. Every span of a rounded rectangle is centred in its box, so such rows are
// recognised and left out of the comparison. Returns those rows.
Region UndefinedRoundRectRows(const std::vector<Rect>& rects, int l, int t, int r, int b) {
  const Rect box{std::min(l, r), std::min(t, b), std::max(l, r) - 1, std::max(t, b) - 1};
  std::vector<Rect> rows;
  for (const Rect& span : rects) {
    const bool defined = span.left < span.right && span.top < span.bottom && span.left >= box.left &&
                         span.right <= box.right && span.top >= box.top && span.bottom <= box.bottom &&
                         span.left - box.left == box.right - span.right;
    // The whole row, as wide as any garbage span can be.
    if (!defined) rows.push_back(Rect{INT_MIN, span.top, INT_MAX, span.bottom});
  }
  return Region::FromRects(rows);
}

std::string Describe(const char* what, std::initializer_list<int> values) {
  std::string text = what;
  text += '(';
  bool first = true;
  for (int v : values) {
    if (!first) text += ',';
    text += std::to_string(v);
    first = false;
  }
  return text + ')';
}

// CreateRoundRectRgn under Wine, with the undefined rows made recognisable: a call usually gets
// the working memory that the previous call with an ellipse of the same height released, and an
// undefined row keeps what that call wrote there. So a shape with the same ellipse height but
// wide (which defines every row) is built far to the right and released first: whatever an
// undefined row then holds lies far outside the box.
HRGN CreateRoundRectRgnPoisoned(int l, int t, int r, int b, int ew, int eh) {
  constexpr int kFar = 1 << 20;
  const int wide = 8 * (std::abs(b - t) + 2);
  DeleteObject(CreateRoundRectRgn(kFar, t, kFar + wide + 1, b, wide, eh));
  return CreateRoundRectRgn(l, t, r, b, ew, eh);
}

// Whether GDI leaves rows of this rounded rectangle undefined (see UndefinedRoundRectRows).
bool RoundRectUndefinedOnGdi(int l, int t, int r, int b, int ew, int eh) {
  const GdiRegion gdi(CreateRoundRectRgnPoisoned(l, t, r, b, ew, eh));
  std::vector<Rect> rects;
  return gdi.get() == nullptr || !ReadBack(gdi.get(), rects) || !UndefinedRoundRectRows(rects, l, t, r, b).IsEmpty();
}

void CompareRoundRect(Tally& tally, int l, int t, int r, int b, int ew, int eh, const char* origin = "roundrect") {
  const std::string name = Describe(origin, {l, t, r, b, ew, eh});
  const GdiRegion gdi(CreateRoundRectRgnPoisoned(l, t, r, b, ew, eh));
  std::vector<Rect> rects;
  if (gdi.get() == nullptr || !ReadBack(gdi.get(), rects)) {
    ++tally.shapes;
    ++tally.differing;
    std::printf("DIFF %s: GDI built no readable region\n", name.c_str());
    return;
  }
  const Region undefined = UndefinedRoundRectRows(rects, l, t, r, b);
  for (const Region::Band& band : undefined.Bands()) tally.undefinedRows += band.bottom - band.top;
  Compare(tally, name, rects, Region::FromRoundRect(l, t, r, b, ew, eh), undefined);
}

void CompareTriangle(Tally& tally, const Point (&p)[3], const char* origin = "triangle") {
  const POINT points[3] = {{p[0].x, p[0].y}, {p[1].x, p[1].y}, {p[2].x, p[2].y}};
  Compare(tally, Describe(origin, {p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y}),
          CreatePolygonRgn(points, 3, WINDING), CreateTriangleRgn(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y));
}

// A small deterministic generator, so a failing shape can be rebuilt from the printed values.
class Lcg {
 public:
  int Next(int lo, int hi) {  // lo..hi inclusive
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return lo + int((state_ >> 33) % uint64_t(hi - lo + 1));
  }

 private:
  uint64_t state_ = 0x5EED;
};

// Every box up to 22 x 22 with corner ellipses from none to far larger than the box.
void RoundRectGrid(Tally& tally) {
  const int ellipses[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 12, 16, 21, 30, 64};
  for (int w = 0; w <= 22; ++w)
    for (int h = 0; h <= 22; ++h)
      for (int ew : ellipses)
        for (int eh : ellipses) CompareRoundRect(tally, 3, -2, 3 + w, -2 + h, ew, eh);
}

// Reversed boxes, negative ellipses, boxes far from the origin and large boxes.
void RoundRectOddities(Tally& tally) {
  Lcg random;
  for (int i = 0; i < 600; ++i) {
    const int l = random.Next(-40, 40), t = random.Next(-40, 40);
    const int r = random.Next(-40, 40), b = random.Next(-40, 40);
    CompareRoundRect(tally, l, t, r, b, random.Next(-50, 90), random.Next(-50, 90));
  }
  const int large[][6] = {
      {0, 0, 1000, 700, 400, 300},       {-500, -300, 1500, 900, 1999, 1199}, {10, 10, 2000, 1100, 1990, 1090},
      {-7, -7, 1111, 777, 2222, 1554},   {0, 0, 641, 481, 577, 433},          {100, 100, 101, 900, 50, 50},
      {-3840, -5, 1920, 1085, 3840, 3840}, {0, 0, 5, 3000, 5, 2999},
  };
  for (const auto& s : large) CompareRoundRect(tally, s[0], s[1], s[2], s[3], s[4], s[5]);
}

// The curved wipes and irises at every progress on pictures of several shapes.
struct Picture {
  int w, h;
};
constexpr Picture kPictures[] = {{100, 50}, {50, 100}, {64, 64}, {33, 17}, {7, 5}, {320, 240}, {1920, 1080}};

struct Advance {
  int dx, dy, hx, hy;
};
Advance AdvanceAt(const Picture& pic, int p) {
  Advance a{0, 0, pic.w / 2, pic.h / 2};
  if (pic.h > pic.w) {
    a.dy = MulDiv(pic.h, p, 100);
    a.dx = MulDiv(a.dy, pic.w, pic.h);
  } else {
    a.dx = MulDiv(pic.w, p, 100);
    a.dy = MulDiv(a.dx, pic.h, pic.w);
  }
  return a;
}

void EffectRoundRects(Tally& tally) {
  for (const Picture& pic : kPictures) {
    const int w = pic.w, h = pic.h;
    const int stride = w >= 1000 ? 7 : 1;  // the large picture at a sample of progress values
    for (int p = 0; p <= 100; p += stride) {
      const Advance a = AdvanceAt(pic, p);
      const int dx = a.dx, dy = a.dy, hx = a.hx, hy = a.hy;
      const int boxes[][6] = {
          {-2 * w, -5, 2 * dx, h + 5, 2 * w, 2 * w},                        // 58
          {w - 2 * dx, -5, 3 * w, h + 5, 2 * w, 2 * w},                     // 59
          {-5, -2 * h, w + 5, 2 * dy, 2 * h, 2 * h},                        // 69
          {-5, h - 2 * dy, w + 5, 3 * h, 2 * h, 2 * h},                     // 70
          {-2 * w, -2 * h, 2 * dx, 2 * dy, 2 * w, 2 * h},                   // 80
          {w - 2 * dx, -2 * h, 3 * w, 2 * dy, 2 * w, 2 * h},                // 81
          {-2 * w, h - 2 * dy, 2 * dx, 3 * h, 2 * w, 2 * h},                // 82
          {w - 2 * dx, h - 2 * dy, 3 * w, 3 * h, 2 * h, 2 * h},             // 83
          {hx - dx, hy - dy, hx + dx, hy + dy, 9 * dx / 5, 9 * dy / 5},     // 84
          {dx - hx, dy - hy, 3 * w / 2 - dx, 3 * h / 2 - dy, 9 * (w - dx) / 5, 9 * (h - dy) / 5},  // 85
      };
      for (const auto& s : boxes) CompareRoundRect(tally, s[0], s[1], s[2], s[3], s[4], s[5], "effect-roundrect");
      // 85 takes the part of the picture outside its rounded rectangle.
      const auto& iris = boxes[9];
      if (RoundRectUndefinedOnGdi(iris[0], iris[1], iris[2], iris[3], iris[4], iris[5])) continue;
      HRGN whole = CreateRectRgn(0, 0, w, h);
      HRGN closing = CreateRoundRectRgn(iris[0], iris[1], iris[2], iris[3], iris[4], iris[5]);
      CombineRgn(whole, whole, closing, RGN_XOR);
      DeleteObject(closing);
      Compare(tally, Describe("effect85-xor", {w, h, p}), whole,
              Region::Combine(Region::FromRect(Rect{0, 0, w, h}),
                              Region::FromRoundRect(iris[0], iris[1], iris[2], iris[3], iris[4], iris[5]),
                              Region::Op::kXor));
    }
  }
}

// The triangles of the diagonal wipes, the edge sweeps, the pinwheel and the grid.
void EffectTriangles(Tally& tally) {
  for (const Picture& pic : kPictures) {
    const int w = pic.w, h = pic.h;
    const int stride = w >= 1000 ? 7 : 1;
    for (int p = 0; p <= 100; p += stride) {
      const Advance a = AdvanceAt(pic, p);
      const int dx = a.dx, dy = a.dy, hx = a.hx, hy = a.hy;
      const Point triangles[][3] = {
          {{0, 0}, {2 * dx, 0}, {0, 2 * dy}},              // 110
          {{w, 0}, {w - 2 * dx, 0}, {w, 2 * dy}},          // 111
          {{0, h}, {2 * dx, h}, {0, h - 2 * dy}},          // 112
          {{w, h}, {w - 2 * dx, h}, {w, h - 2 * dy}},      // 113
          {{0, h}, {0, 0}, {dx, h}},                       // 114
          {{w, h}, {w, 0}, {w - dx, 0}},
          {{w, 0}, {0, 0}, {w, dy}},                       // 115
          {{w, h}, {0, h}, {0, h - dy}},
          {{hx, hy}, {0, h}, {0, h - dy}},                 // 116
          {{0, 0}, {dx, 0}, {hx, hy}},
          {{w - dx, h}, {hx, hy}, {w, h}},
          {{hx, hy}, {w, 0}, {w, dy}},
      };
      for (const auto& t : triangles) CompareTriangle(tally, t, "effect-triangle");
      // 117: one triangle of each grid column and row.
      const int side = dx / 5, height = MulDiv(side, h, w);
      for (int k = 0; k < 10; ++k) {
        const int x = w * k / 10, y = h * (9 - k) / 10;
        const Point t[3] = {{x, y}, {x + side, y}, {x, y + height}};
        CompareTriangle(tally, t, "effect117-triangle");
      }
    }
  }
}

// Triangles of every orientation and slope, degenerate ones included.
void RandomTriangles(Tally& tally) {
  Lcg random;
  for (int i = 0; i < 4000; ++i) {
    const int span = i < 3000 ? 30 : 700;
    Point t[3];
    for (Point& p : t) p = Point{random.Next(-span, span), random.Next(-span, span)};
    if (i % 10 == 0) t[2] = Point{t[0].x + (t[1].x - t[0].x) * 2, t[0].y + (t[1].y - t[0].y) * 2};  // collinear
    CompareTriangle(tally, t);
  }
}

// Polygons that cross themselves or wind twice, where the winding rule decides.
void WindingPolygons(Tally& tally) {
  const std::vector<std::vector<Point>> polygons = {
      {{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}},                      // pentagram
      {{0, 0}, {30, 0}, {30, 30}, {0, 30}, {0, 0}, {30, 0}, {30, 30}, {0, 30}},  // wound twice
      {{0, 0}, {40, 40}, {40, 0}, {0, 40}},                                // bow tie
      {{0, 0}, {50, 0}, {50, 50}, {10, 50}, {10, 10}, {40, 10}, {40, 40}, {0, 40}},
  };
  int index = 0;
  for (const auto& polygon : polygons) {
    std::vector<POINT> points;
    for (const Point& p : polygon) points.push_back(POINT{p.x, p.y});
    Compare(tally, Describe("polygon", {index++}), CreatePolygonRgn(points.data(), int(points.size()), WINDING),
            Region::FromPolygon(polygon));
  }
}

// Union, intersection, exclusive-or and difference of rounded rectangles and triangles.
void Combinations(Tally& tally) {
  Lcg random;
  const struct {
    int gdiMode;
    Region::Op op;
    const char* name;
  } ops[] = {{RGN_OR, Region::Op::kUnion, "or"},
             {RGN_AND, Region::Op::kIntersect, "and"},
             {RGN_XOR, Region::Op::kXor, "xor"},
             {RGN_DIFF, Region::Op::kDiff, "diff"}};
  for (int i = 0; i < 400; ++i) {
    const int box[6] = {random.Next(-10, 30), random.Next(-10, 30), random.Next(0, 60),
                        random.Next(0, 60),   random.Next(0, 40),   random.Next(0, 40)};
    const POINT tri[3] = {{random.Next(-10, 60), random.Next(-10, 60)},
                          {random.Next(-10, 60), random.Next(-10, 60)},
                          {random.Next(-10, 60), random.Next(-10, 60)}};
    if (RoundRectUndefinedOnGdi(box[0], box[1], box[2], box[3], box[4], box[5])) continue;
    for (const auto& op : ops) {
      HRGN result = CreateRectRgn(0, 0, 0, 0);
      HRGN a = CreateRoundRectRgn(box[0], box[1], box[2], box[3], box[4], box[5]);
      HRGN b = CreatePolygonRgn(tri, 3, WINDING);
      CombineRgn(result, a, b, op.gdiMode);
      DeleteObject(a);
      DeleteObject(b);
      const Region ours = Region::Combine(Region::FromRoundRect(box[0], box[1], box[2], box[3], box[4], box[5]),
                                          CreateTriangleRgn(tri[0].x, tri[0].y, tri[1].x, tri[1].y, tri[2].x, tri[2].y),
                                          op.op);
      Compare(tally, Describe(op.name, {box[0], box[1], box[2], box[3], box[4], box[5], int(tri[0].x), int(tri[0].y),
                                        int(tri[1].x), int(tri[1].y), int(tri[2].x), int(tri[2].y)}),
              result, ours);
    }
  }
}

}  // namespace
}  // namespace saverkit

int main() {
  using namespace saverkit;
  Tally tally;
  const struct {
    const char* name;
    void (*run)(Tally&);
  } groups[] = {
      {"rounded rectangles, every small box", RoundRectGrid},
      {"rounded rectangles, reversed, negative and large", RoundRectOddities},
      {"rounded rectangles of the curved wipes and irises", EffectRoundRects},
      {"triangles of the triangle effects", EffectTriangles},
      {"random triangles", RandomTriangles},
      {"winding polygons", WindingPolygons},
      {"combined regions", Combinations},
  };
  for (const auto& group : groups) {
    const Tally before = tally;
    group.run(tally);
    std::printf("%-52s %6d shapes, %d differ\n", group.name, tally.shapes - before.shapes,
                tally.differing - before.differing);
  }
  std::printf("%d rows that GDI left undefined were not compared\n", tally.undefinedRows);
  std::printf("%d shapes compared, %d differ\n", tally.shapes, tally.differing);
  return tally.differing == 0 ? 0 : 1;
}
