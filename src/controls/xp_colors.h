// The colour arithmetic of the flat XP-style painter. Colours are Windows colour values
// (0x00BBGGRR) or, with the top byte 0xFF, references to a system colour by its index, as the
// dialogs' layouts store them; `ColorToRGB` resolves them against the system colours in use,
// which are passed in so that high-contrast and dark schemes give the look they should.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace saverkit {

class Bitmap;

using ColorRef = uint32_t;

inline constexpr ColorRef MakeColorRef(int r, int g, int b) {
  return ColorRef(r & 0xFF) | ColorRef(g & 0xFF) << 8 | ColorRef(b & 0xFF) << 16;
}
inline constexpr int RedOf(ColorRef c) { return int(c & 0xFF); }
inline constexpr int GreenOf(ColorRef c) { return int((c >> 8) & 0xFF); }
inline constexpr int BlueOf(ColorRef c) { return int((c >> 16) & 0xFF); }

// The system colour indexes the painter reads (the values of Windows' COLOR_ constants).
enum SystemColorIndex : int {
  kSysInactiveCaption = 3,
  kSysMenu = 4,
  kSysWindow = 5,
  kSysMenuText = 7,
  kSysWindowText = 8,
  kSysHighlight = 13,
  kSysHighlightText = 14,
  kSysBtnFace = 15,
  kSysBtnShadow = 16,
  kSysGrayText = 17,
  kSysBtnText = 18,
  kSysBtnHighlight = 20,
  kSysColorCount = 31,
};

// A reference to a system colour, resolved when drawing (clBtnFace, clHighlight, ...).
inline constexpr ColorRef SystemColor(int index) { return 0xFF000000u | ColorRef(index); }
inline constexpr ColorRef clBtnFace = SystemColor(kSysBtnFace);
inline constexpr ColorRef clBtnShadow = SystemColor(kSysBtnShadow);
inline constexpr ColorRef clHighlight = SystemColor(kSysHighlight);
inline constexpr ColorRef clInactiveCaption = SystemColor(kSysInactiveCaption);
inline constexpr ColorRef clMenuText = SystemColor(kSysMenuText);
inline constexpr ColorRef clWindow = SystemColor(kSysWindow);
inline constexpr ColorRef kWhite = 0xFFFFFF;
inline constexpr ColorRef kSilver = 0xC0C0C0;
inline constexpr ColorRef kGray = 0x808080;
inline constexpr ColorRef kBlack = 0x000000;

// The system colours a drawing surface is painted with (GetSysColor on Windows).
struct SystemColors {
  std::array<ColorRef, kSysColorCount> values{};
  ColorRef At(int index) const { return index >= 0 && index < kSysColorCount ? values[size_t(index)] : 0; }
  // Windows' standard (XP "classic") scheme, the one the dialogs were designed on.
  static SystemColors Standard();
};

// What the painter needs of the surface it draws on: its colour depth, the colour the device
// would really show for a wanted one (GetNearestColor) and the system colours.
struct DrawingSurface {
  int bitsPerPixel = 32;
  SystemColors system = SystemColors::Standard();
  // Identity when empty, as on every true-colour device.
  std::function<ColorRef(ColorRef)> nearest;

  bool HighColor() const { return bitsPerPixel > 15; }
  ColorRef Nearest(ColorRef c) const { return nearest ? nearest(c) : c; }
  // A scheme whose windows are dark (high-contrast black, dark themes): the light tints of the
  // standard look would put light text on light faces there.
  bool DarkScheme() const;
  // The colour the tints move toward: white, or the window colour in a dark scheme.
  ColorRef Background() const;
};

ColorRef ColorToRGB(ColorRef color, const SystemColors& system);

// Lighter toward white by `percent` (capped at 100), as the device shows it.
ColorRef NewColor(const DrawingSurface& surface, ColorRef color, int percent);
// Darker by `amount`, green 2 less so (each channel clamped to 0..255).
ColorRef GetShadeColor(const DrawingSurface& surface, ColorRef color, int amount);
// The grey of the colour's mean brightness plus `level`, at most 240.
ColorRef GrayColor(const DrawingSurface& surface, ColorRef color, int level);
// The font colour on a light colour, else the colour lightened by 90 percent.
ColorRef TopMenuFontColor(const DrawingSurface& surface, ColorRef color, ColorRef fontColor);

// The painter's tints in the scheme's sense: toward the background by `percent` (NewColor in a
// light scheme), and away from it by `amount` (GetShadeColor in a light scheme).
ColorRef TowardBackground(const DrawingSurface& surface, ColorRef color, int percent);
ColorRef AwayFromBackground(const DrawingSurface& surface, ColorRef color, int amount);

// Whole-picture versions for disabled and dimmed menu and button images.
void GrayBitmap(Bitmap& bitmap, int level);
void DimBitmap(const DrawingSurface& surface, Bitmap& bitmap, int level);

}  // namespace saverkit
