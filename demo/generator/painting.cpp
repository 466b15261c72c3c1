#include "demo/generator/painting.h"

#include <algorithm>
#include <cmath>

namespace saverkit::demo {
namespace {

constexpr double kPi = 3.14159265358979323846;

uint8_t Channel(double a, double b, double t) { return uint8_t(std::lround(std::clamp(a + (b - a) * t, 0.0, 255.0))); }

}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return Rgb{Channel(a.r, b.r, t), Channel(a.g, b.g, t), Channel(a.b, b.b, t)};
}

void FillVerticalGradient(Bitmap& picture, Rgb top, Rgb bottom) {
  const int h = picture.Height();
  for (int y = 0; y < h; ++y) {
    const Rgb c = Mix(top, bottom, h > 1 ? double(y) / (h - 1) : 0.0);
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, c);
  }
}

void FillRadialGradient(Bitmap& picture, double cx, double cy, Rgb centre, Rgb edge) {
  const double reach = std::hypot(std::max(cx, picture.Width() - cx), std::max(cy, picture.Height() - cy));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      picture.SetPixel(x, y, Mix(centre, edge, std::hypot(x - cx, y - cy) / reach));
}

void DrawCircle(Bitmap& picture, double cx, double cy, double radius, Rgb colour, double opacity) {
  const int x0 = std::max(0, int(cx - radius - 1)), x1 = std::min(picture.Width() - 1, int(cx + radius + 1));
  const int y0 = std::max(0, int(cy - radius - 1)), y1 = std::min(picture.Height() - 1, int(cy + radius + 1));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const double coverage = std::clamp(radius - std::hypot(x + 0.5 - cx, y + 0.5 - cy) + 0.5, 0.0, 1.0);
      if (coverage > 0) picture.SetPixel(x, y, Mix(picture.Pixel(x, y), colour, coverage * opacity));
    }
}

void FillDiagonalStripes(Bitmap& picture, int width, const Rgb* colours, int count) {
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.SetPixel(x, y, colours[((x + y) / width) % count]);
}

void FillRings(Bitmap& picture, double cx, double cy, double width, Rgb a, Rgb b) {
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      // A cosine across each ring gives soft edges instead of hard steps.
      const double phase = std::hypot(x - cx, y - cy) / width * kPi;
      picture.SetPixel(x, y, Mix(a, b, 0.5 + 0.5 * std::cos(phase)));
    }
}

void DrawWater(Bitmap& picture, int top, Rgb water) {
  for (int y = std::max(0, top); y < picture.Height(); ++y) {
    const double depth = double(y - top) / std::max(1, picture.Height() - top);
    for (int x = 0; x < picture.Width(); ++x) {
      const double ripple = 0.5 + 0.5 * std::sin(x * 0.05 + y * 0.6 + std::sin(x * 0.013) * 3.0);
      const Rgb reflected = Mix(picture.Pixel(x, top - 1 - (y - top) / 2), water, 0.55 + 0.35 * depth);
      picture.SetPixel(x, y, Mix(reflected, Rgb{255, 255, 255}, ripple * ripple * 0.12 * (1.0 - depth)));
    }
  }
}

}  // namespace saverkit::demo
