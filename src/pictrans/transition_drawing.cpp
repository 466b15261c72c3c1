#include "pictrans/transition_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "raster/muldiv.h"
#include "raster/stretch.h"

namespace saverkit {

Rect ScaleImageToRect(const Rect& r, const Rect& target) {
  if (r.Width() <= 0 || r.Height() <= 0) return Rect{target.left, target.top, target.left, target.top};
  int width, height;
  if (double(target.Height()) / r.Height() > double(target.Width()) / r.Width()) {
    width = target.Width();
    height = MulDiv(r.Height(), target.Width(), r.Width());
  } else {
    width = MulDiv(r.Width(), target.Height(), r.Height());
    height = target.Height();
  }
  const int left = target.left + (target.Width() - width) / 2;
  const int top = target.top + (target.Height() - height) / 2;
  return Rect{left, top, left + width, top + height};
}

void DrawTiledImage(Bitmap& target, const Rect& r, const Bitmap& graphic) {
  if (graphic.Empty()) return;
  const int rows = r.Height() / graphic.Height();
  const int columns = r.Width() / graphic.Width();
  for (int i = 0; i <= rows; ++i)
    for (int j = 0; j <= columns; ++j)
      DrawBitmap(graphic, r.left + graphic.Width() * j, r.top + graphic.Height() * i, target);
}

void MirrorCopyRect(Bitmap& target, const Rect& dst, const Bitmap& source, const Rect& src, bool horizontal,
                    bool vertical) {
  const Rect clipped = src.Intersect(Rect{0, 0, source.Width(), source.Height()});
  if (clipped.IsEmpty() || dst.IsEmpty()) return;
  // A negative extent from the far edge covers exactly the same pixels as dst, mirrored.
  SignedArea to{dst.left, dst.top, dst.Width(), dst.Height()};
  if (horizontal) to = SignedArea{dst.right, to.y, -dst.Width(), to.height};
  if (vertical) to = SignedArea{to.x, dst.bottom, to.width, -dst.Height()};
  StretchCopy(source, SignedArea{clipped.left, clipped.top, clipped.Width(), clipped.Height()}, target, to);
}

void MergeTransparent(Bitmap& dst, const Bitmap& src, int alpha) {
  alpha = std::clamp(alpha, 0, 100);
  uint8_t keep[256], add[256];
  for (int v = 0; v < 256; ++v) {
    keep[v] = uint8_t(v * (100 - alpha) / 100);
    add[v] = uint8_t(alpha * v / 100);
  }
  const int width = std::min(dst.Width(), src.Width()), height = std::min(dst.Height(), src.Height());
  for (int y = 0; y < height; ++y) {
    uint8_t* out = dst.Row(y);
    const uint8_t* in = src.Row(y);
    for (int i = 0; i < width * 3; ++i) out[i] = uint8_t(keep[out[i]] + add[in[i]]);
  }
}

void MergeRotate(Bitmap& dst, const Bitmap& src, int x, int y, double angle) {
  const double s = std::sin(angle), c = std::cos(angle);
  const int width = std::min(dst.Width(), src.Width()), height = std::min(dst.Height(), src.Height());
  for (int row = 0; row < height; ++row) {
    uint8_t* out = dst.Row(row);
    const double v = row - y;
    for (int col = 0; col < width; ++col) {
      const double u = col - x;
      // nearbyint rounds ties to even in the default rounding mode.
      const double sx = x + std::nearbyint(u * c - v * s);
      const double sy = y + std::nearbyint(u * s + v * c);
      if (sx < 0 || sy < 0 || sx >= dst.Width() || sy >= dst.Height() || sx >= src.Width() || sy >= src.Height())
        continue;
      const uint8_t* in = src.Row(int(sy)) + size_t(sx) * 3;
      out[col * 3] = in[0];
      out[col * 3 + 1] = in[1];
      out[col * 3 + 2] = in[2];
    }
  }
}

Region CreateTriangleRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
  return Region::FromPolygon({{x1, y1}, {x2, y2}, {x3, y3}, {x1, y1}});
}

}  // namespace saverkit
