#include "controls/xp_colors.h"

#include <algorithm>

#include "raster/bitmap.h"

namespace saverkit {

SystemColors SystemColors::Standard() {
  SystemColors s;
  const std::array<uint32_t, kSysColorCount> rgb = {
      0xD4D0C8, 0x3A6EA5, 0x0A246A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xD4D0C8,
      0x808080, 0x808080, 0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040, 0xD4D0C8, 0x000000,
      0xFFFFE1, 0xB5B5B5, 0x000080, 0xA6CAF0, 0xC0C0C0, 0x316AC5, 0xD4D0C8};
  for (size_t i = 0; i < rgb.size(); ++i)
    s.values[i] = MakeColorRef(int(rgb[i] >> 16), int(rgb[i] >> 8), int(rgb[i]));
  return s;
}

ColorRef ColorToRGB(ColorRef color, const SystemColors& system) {
  if (color & 0x80000000u) return system.At(int(color & 0xFF));
  return color & 0xFFFFFF;
}

namespace {

int Luminance(ColorRef rgb) { return (RedOf(rgb) * 299 + GreenOf(rgb) * 587 + BlueOf(rgb) * 114) / 1000; }

int Clamp255(int v) { return std::clamp(v, 0, 255); }

// One channel lightened toward white; percent already capped.
int Lighten(int c, int percent) {
  // round((255 - c) * p / 100) with halves away from zero, all terms non-negative.
  return c + ((255 - c) * percent + 50) / 100;
}

ColorRef LightenRgb(ColorRef rgb, int percent) {
  percent = std::clamp(percent, 0, 100);
  return MakeColorRef(Lighten(RedOf(rgb), percent), Lighten(GreenOf(rgb), percent), Lighten(BlueOf(rgb), percent));
}

ColorRef GrayOfRgb(ColorRef rgb, int level) {
  const int v = std::min((RedOf(rgb) + GreenOf(rgb) + BlueOf(rgb)) / 3 + level, 240);
  const int g = Clamp255(v);
  return MakeColorRef(g, g, g);
}

// Rewrites every pixel through `map`, reusing the last result over a run of equal pixels.
template <typename Map>
void MapPixels(Bitmap& bitmap, Map map) {
  bool haveLast = false;
  ColorRef lastIn = 0, lastOut = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      const ColorRef in = MakeColorRef(p[2], p[1], p[0]);
      if (!haveLast || in != lastIn) {
        lastIn = in;
        lastOut = map(in);
        haveLast = true;
      }
      p[0] = uint8_t(BlueOf(lastOut));
      p[1] = uint8_t(GreenOf(lastOut));
      p[2] = uint8_t(RedOf(lastOut));
    }
  }
}

}  // namespace

bool DrawingSurface::DarkScheme() const { return Luminance(system.At(kSysWindow)) < 128; }

ColorRef DrawingSurface::Background() const { return DarkScheme() ? system.At(kSysWindow) : kWhite; }

ColorRef TowardBackground(const DrawingSurface& surface, ColorRef color, int percent) {
  if (!surface.DarkScheme()) return NewColor(surface, color, percent);
  const ColorRef from = ColorToRGB(color, surface.system);
  const ColorRef to = surface.Background();
  percent = std::clamp(percent, 0, 100);
  const auto mix = [percent](int a, int b) { return a + ((b - a) * percent + (b >= a ? 50 : -50)) / 100; };
  return surface.Nearest(
      MakeColorRef(mix(RedOf(from), RedOf(to)), mix(GreenOf(from), GreenOf(to)), mix(BlueOf(from), BlueOf(to))));
}

ColorRef AwayFromBackground(const DrawingSurface& surface, ColorRef color, int amount) {
  return GetShadeColor(surface, color, surface.DarkScheme() ? -amount : amount);
}

ColorRef NewColor(const DrawingSurface& surface, ColorRef color, int percent) {
  return surface.Nearest(LightenRgb(ColorToRGB(color, surface.system), percent));
}

ColorRef GetShadeColor(const DrawingSurface& surface, ColorRef color, int amount) {
  const ColorRef rgb = ColorToRGB(color, surface.system);
  return MakeColorRef(Clamp255(RedOf(rgb) - amount), Clamp255(GreenOf(rgb) - amount + 2),
                      Clamp255(BlueOf(rgb) - amount));
}

ColorRef GrayColor(const DrawingSurface& surface, ColorRef color, int level) {
  return GrayOfRgb(ColorToRGB(color, surface.system), level);
}

ColorRef TopMenuFontColor(const DrawingSurface& surface, ColorRef color, ColorRef fontColor) {
  const ColorRef rgb = ColorToRGB(color, surface.system);
  if ((RedOf(rgb) + BlueOf(rgb)) / 2 > 150 || GreenOf(rgb) > 200) return fontColor;
  return NewColor(surface, color, 90);
}

void GrayBitmap(Bitmap& bitmap, int level) {
  MapPixels(bitmap, [level](ColorRef c) { return GrayOfRgb(c, level); });
}

void DimBitmap(const DrawingSurface& surface, Bitmap& bitmap, int level) {
  MapPixels(bitmap, [&surface, level](ColorRef c) { return surface.Nearest(LightenRgb(c, level)); });
}

}  // namespace saverkit
