#include <gtest/gtest.h>

#include "controls/xp_colors.h"
#include "controls/xp_menu_settings.h"
#include "raster/bitmap.h"

namespace saverkit {
namespace {

constexpr ColorRef Rgb3(int r, int g, int b) { return MakeColorRef(r, g, b); }

// A 16-bit (5-6-5) device: the nearest colour keeps the top bits of each channel.
ColorRef Nearest565(ColorRef c) { return MakeColorRef(RedOf(c) & 0xF8, GreenOf(c) & 0xFC, BlueOf(c) & 0xF8); }

TEST(XPColors, ChannelArithmetic) {
  const DrawingSurface s;
  struct Case {
    const char* what;
    ColorRef got, want;
  };
  const Case cases[] = {
      {"NewColor black 50%", NewColor(s, kBlack, 50), Rgb3(128, 128, 128)},
      {"NewColor 0% keeps", NewColor(s, Rgb3(100, 150, 200), 0), Rgb3(100, 150, 200)},
      {"NewColor 100% white", NewColor(s, Rgb3(100, 150, 200), 100), kWhite},
      {"NewColor capped at 100", NewColor(s, Rgb3(100, 150, 200), 150), kWhite},
      {"NewColor rounds", NewColor(s, Rgb3(10, 20, 30), 68), Rgb3(177, 180, 183)},
      {"NewColor of a system colour", NewColor(s, clHighlight, 68), Rgb3(177, 185, 207)},
      {"GetShadeColor", GetShadeColor(s, Rgb3(100, 150, 200), 60), Rgb3(40, 92, 140)},
      {"GetShadeColor clamps low", GetShadeColor(s, Rgb3(10, 250, 255), 20), Rgb3(0, 232, 235)},
      {"GetShadeColor clamps high", GetShadeColor(s, Rgb3(255, 254, 0), -10), Rgb3(255, 255, 10)},
      {"GetShadeColor of clBtnFace", GetShadeColor(s, clBtnFace, 90), Rgb3(122, 120, 110)},
      {"GrayColor mean plus level", GrayColor(s, Rgb3(30, 60, 90), 10), Rgb3(70, 70, 70)},
      {"GrayColor at most 240", GrayColor(s, kWhite, 10), Rgb3(240, 240, 240)},
      {"GrayColor never below 0", GrayColor(s, Rgb3(1, 1, 2), -5), kBlack},
      {"TopMenuFontColor light red-blue", TopMenuFontColor(s, Rgb3(200, 0, 120), 0x123456), 0x123456},
      {"TopMenuFontColor light green", TopMenuFontColor(s, Rgb3(0, 201, 0), 0x123456), 0x123456},
      {"TopMenuFontColor dark", TopMenuFontColor(s, Rgb3(0, 200, 0), 0x123456), NewColor(s, Rgb3(0, 200, 0), 90)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(XPColors, NewColorIsTheDevicesNearest) {
  DrawingSurface s;
  s.bitsPerPixel = 16;
  s.nearest = Nearest565;
  EXPECT_EQ(NewColor(s, Rgb3(10, 20, 30), 68), Nearest565(Rgb3(177, 180, 183)));
}

TEST(XPColors, BitmapsAreGreyedAndDimmedPixelByPixel) {
  Bitmap picture(3, 2, Rgb{30, 60, 90});
  picture.SetPixel(1, 0, Rgb{255, 255, 255});
  picture.SetPixel(2, 1, Rgb{0, 0, 0});
  Bitmap grey = picture.Clone();
  GrayBitmap(grey, 10);
  EXPECT_EQ(grey.Pixel(0, 0), (Rgb{70, 70, 70}));
  EXPECT_EQ(grey.Pixel(1, 0), (Rgb{240, 240, 240}));
  EXPECT_EQ(grey.Pixel(2, 0), (Rgb{70, 70, 70}));  // after a different pixel, not the cached one
  EXPECT_EQ(grey.Pixel(2, 1), (Rgb{10, 10, 10}));

  const DrawingSurface s;
  Bitmap dim = picture.Clone();
  DimBitmap(s, dim, 130);  // capped at 100: all white
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(dim.Pixel(x, y), (Rgb{255, 255, 255}));
  dim = picture.Clone();
  DimBitmap(s, dim, 50);
  EXPECT_EQ(dim.Pixel(2, 1), (Rgb{128, 128, 128}));
}

// The working colours for each colour depth and property source.
TEST(XPColors, SetGlobalColorByDepthAndSource) {
  const SystemColors sys = SystemColors::Standard();
  const ColorRef face = sys.At(kSysBtnFace), shadow = sys.At(kSysBtnShadow), hi = sys.At(kSysHighlight);
  XPMenuSettings own;
  own.useSystemColors = false;
  own.color = Rgb3(1, 2, 3);
  own.iconBackColor = Rgb3(4, 5, 6);
  own.selectColor = Rgb3(100, 0, 0);
  own.separatorColor = Rgb3(7, 8, 9);

  for (int bpp : {8, 15, 16, 24, 32}) {
    DrawingSurface s;
    s.bitsPerPixel = bpp;
    const bool high = bpp > 15;
    SCOPED_TRACE(bpp);

    const XPWorkingColors sysColors = SetGlobalColor(XPMenuSettings{}, s);
    EXPECT_EQ(sysColors.highColor, high);
    EXPECT_EQ(sysColors.selectionBorder, hi);
    EXPECT_EQ(sysColors.menuBar, face);
    EXPECT_EQ(sysColors.checked, hi);
    EXPECT_EQ(sysColors.selectionFont, sys.At(kSysMenuText));
    EXPECT_EQ(sysColors.menu, high ? NewColor(s, face, 86) : kWhite);
    EXPECT_EQ(sysColors.iconColumn, high ? NewColor(s, face, 16) : face);
    EXPECT_EQ(sysColors.selection, high ? NewColor(s, hi, 68) : kWhite);
    EXPECT_EQ(sysColors.disabled, high ? NewColor(s, shadow, 10) : shadow);
    EXPECT_EQ(sysColors.separator, high ? NewColor(s, shadow, 25) : shadow);
    EXPECT_EQ(sysColors.checkedArea, high ? NewColor(s, hi, 80) : kWhite);
    EXPECT_EQ(sysColors.checkedAreaSelected, high ? NewColor(s, hi, 50) : kWhite);
    EXPECT_EQ(sysColors.menuBorder, high ? GetShadeColor(s, face, 90) : shadow);
    EXPECT_EQ(sysColors.menuShadow, high ? GetShadeColor(s, face, 76) : shadow);

    const XPWorkingColors mine = SetGlobalColor(own, s);
    EXPECT_EQ(mine.menu, Rgb3(1, 2, 3));
    EXPECT_EQ(mine.iconColumn, Rgb3(4, 5, 6));
    EXPECT_EQ(mine.separator, Rgb3(7, 8, 9));
    EXPECT_EQ(mine.disabled, sys.At(kSysInactiveCaption));
    EXPECT_EQ(mine.selection, high ? NewColor(s, Rgb3(100, 0, 0), 68) : Rgb3(100, 0, 0));
    EXPECT_EQ(mine.checkedArea, high ? NewColor(s, Rgb3(100, 0, 0), 80) : kWhite);
    EXPECT_EQ(mine.checkedAreaSelected, high ? NewColor(s, Rgb3(100, 0, 0), 50) : kSilver);
  }
}

int Luma(ColorRef c) { return (RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114) / 1000; }

SystemColors Scheme(ColorRef window, ColorRef face, ColorRef text, ColorRef highlight, ColorRef shadow) {
  SystemColors s = SystemColors::Standard();
  s.values[kSysWindow] = window;
  s.values[kSysMenu] = face;
  s.values[kSysBtnFace] = face;
  s.values[kSysMenuText] = text;
  s.values[kSysBtnText] = text;
  s.values[kSysWindowText] = text;
  s.values[kSysHighlight] = highlight;
  s.values[kSysBtnShadow] = shadow;
  return s;
}

// Whatever the scheme, menu text stays readable on the menu and on the selection.
TEST(XPColors, TextStaysReadableInEveryScheme) {
  struct Case {
    const char* name;
    SystemColors system;
  };
  const Case cases[] = {
      {"standard", SystemColors::Standard()},
      {"high contrast black", Scheme(kBlack, kBlack, kWhite, Rgb3(0, 0, 255), Rgb3(128, 128, 128))},
      {"high contrast white", Scheme(kWhite, kWhite, kBlack, Rgb3(0, 0, 0), Rgb3(128, 128, 128))},
      {"dark grey", Scheme(Rgb3(30, 30, 30), Rgb3(45, 45, 48), Rgb3(230, 230, 230), Rgb3(0, 120, 215),
                           Rgb3(20, 20, 20))},
  };
  for (const Case& c : cases) {
    for (int bpp : {15, 32}) {
      DrawingSurface s;
      s.system = c.system;
      s.bitsPerPixel = bpp;
      const XPWorkingColors w = SetGlobalColor(XPMenuSettings{}, s);
      const int text = Luma(w.fontColor);
      EXPECT_GT(std::abs(text - Luma(w.menu)), 100) << c.name << " " << bpp << " bpp: menu";
      EXPECT_GT(std::abs(text - Luma(w.iconColumn)), 100) << c.name << " " << bpp << " bpp: icon column";
    }
  }
}

TEST(XPColors, LightSchemeTintsAreTheStandardOnes) {
  const DrawingSurface s;
  EXPECT_FALSE(s.DarkScheme());
  EXPECT_EQ(TowardBackground(s, clBtnFace, 60), NewColor(s, clBtnFace, 60));
  EXPECT_EQ(AwayFromBackground(s, clBtnFace, 60), GetShadeColor(s, clBtnFace, 60));
  DrawingSurface dark;
  dark.system.values[kSysWindow] = kBlack;
  EXPECT_TRUE(dark.DarkScheme());
  EXPECT_EQ(TowardBackground(dark, Rgb3(200, 100, 0), 50), Rgb3(100, 50, 0));
  EXPECT_EQ(AwayFromBackground(dark, Rgb3(10, 10, 10), 60), Rgb3(70, 72, 70));
}

}  // namespace
}  // namespace saverkit
