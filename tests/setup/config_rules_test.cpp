// The configuration dialog's decisions that need no window: the tab row, the preview's place, the
// music buttons, the links, the wallpaper styles, the music save filter and the music options.
#include <gtest/gtest.h>

#include "base/memory_settings_store.h"
#include "setup/config_rules.h"
#include "setup/fit_preview.h"
#include "music/media_window.h"
#include "music/music_options.h"
#include "setup/tab_buttons.h"

namespace saverkit {
namespace {

struct TabRow {
  std::vector<Component> buttons;
  std::vector<Component*> Pointers() {
    std::vector<Component*> list;
    for (Component& button : buttons) list.push_back(&button);
    return list;
  }
};

TabRow MakeTabs(const std::vector<bool>& visible) {
  TabRow row;
  for (bool shown : visible) {
    Component button;
    button.SetClassName("TSpeedButton");
    button.bounds = {-5, 0, 80, 25};
    button.visible = shown;
    row.buttons.push_back(button);
  }
  return row;
}

TEST(ArrangeTabButtons, ThreeButtonsIn551PixelsWithTheFirstDown) {
  TabRow row = MakeTabs({true, true, true});
  ArrangeTabButtons(row.Pointers(), &row.buttons[0], 551);
  EXPECT_EQ((ControlBounds{0, 0, 273, 25}), row.buttons[0].bounds);
  EXPECT_EQ((ControlBounds{274, 0, 137, 25}), row.buttons[1].bounds);
  EXPECT_EQ((ControlBounds{412, 0, 137, 25}), row.buttons[2].bounds);
  EXPECT_EQ(549, row.buttons[2].bounds.left + row.buttons[2].bounds.width);
}

TEST(ArrangeTabButtons, HiddenButtonsKeepTheirBoundsAndTakeNoRoom) {
  // General, Pictures, (no Musics), License, Generator with Pictures down.
  TabRow row = MakeTabs({true, true, false, true, true});
  ArrangeTabButtons(row.Pointers(), &row.buttons[1], 551);
  const int w = (549 / 4) * 6 / 8;  // 102
  EXPECT_EQ((ControlBounds{0, 0, w, 25}), row.buttons[0].bounds);
  EXPECT_EQ((ControlBounds{w + 1, 0, 551 - 4 - 3 * w - 1, 25}), row.buttons[1].bounds);
  EXPECT_EQ((ControlBounds{-5, 0, 80, 25}), row.buttons[2].bounds);
  const ControlBounds& last = row.buttons[4].bounds;
  EXPECT_EQ(549, last.left + last.width);
}

TEST(ArrangeTabButtons, WithoutADownButtonAllShareTheRowEqually) {
  TabRow row = MakeTabs({true, true});
  ArrangeTabButtons(row.Pointers(), nullptr, 551);
  EXPECT_EQ((ControlBounds{0, 0, 274, 25}), row.buttons[0].bounds);
  EXPECT_EQ((ControlBounds{275, 0, 274, 25}), row.buttons[1].bounds);
}

TEST(ArrangeTabButtons, AHiddenDownButtonCountsAsNone) {
  TabRow row = MakeTabs({true, false});
  ArrangeTabButtons(row.Pointers(), &row.buttons[1], 100);
  EXPECT_EQ((ControlBounds{0, 0, 98, 25}), row.buttons[0].bounds);
}

TEST(ArrangeTabButtons, NoVisibleButtonOrNoRoomChangesNothingHarmful) {
  TabRow none = MakeTabs({false, false});
  ArrangeTabButtons(none.Pointers(), &none.buttons[0], 551);
  EXPECT_EQ((ControlBounds{-5, 0, 80, 25}), none.buttons[0].bounds);

  TabRow narrow = MakeTabs({true, true, true});
  ArrangeTabButtons(narrow.Pointers(), &narrow.buttons[2], 1);
  for (const Component& button : narrow.buttons) EXPECT_GE(button.bounds.width, 0);
}

ItemRecord Item(int32_t width, int32_t height, bool fixed = false, int32_t x = 0, int32_t y = 0) {
  ItemRecord item;
  item.Width = width;
  item.Height = height;
  item.FixedPosition = fixed ? 1 : 0;
  item.X = x;
  item.Y = y;
  return item;
}

TEST(FitPreview, PlacesThePictureAsOnTheDesignScreen) {
  struct Case {
    const char* what;
    ItemRecord item;
    int32_t bitmapWidth, bitmapHeight, designWidth, screenWidth;
    ControlBounds expected;
  };
  const Case cases[] = {
      // 400 / 1000: a 500 x 250 picture shows as 200 x 100, centred in 400 x 300.
      {"centred, own record size", Item(500, 250), 9, 9, 1000, 800, {100, 100, 200, 100}},
      {"record without a size takes the bitmap's", Item(0, 250), 500, 250, 1000, 800, {100, 100, 200, 100}},
      {"fixed position scales the place", Item(500, 250, true, 250, 125), 9, 9, 1000, 800, {100, 50, 200, 100}},
      // Design width 0: the screen's 800 pixels; 400 / 800 = 0.5, fractions cut.
      {"design width 0 takes the screen", Item(301, 101), 9, 9, 0, 800, {125, 125, 150, 50}},
      {"larger than the panel sits at 0", Item(2000, 1000), 9, 9, 1000, 800, {0, 0, 800, 400}},
      {"nothing known shows it as it is", Item(0, 0), 60, 40, 0, 0, {170, 130, 60, 40}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, FitPreview(c.item, c.bitmapWidth, c.bitmapHeight, c.designWidth, c.screenWidth, 400, 300))
        << c.what;
  }
}

TEST(FitPreview, AHostileSizeStaysWithin32Bits) {
  const ControlBounds bounds = FitPreview(Item(2147483647, 2147483647, true, 2147483647, -2147483647), 1, 1, 1,
                                          800, 400, 300);
  EXPECT_EQ(2147483647, bounds.width);
  EXPECT_EQ(2147483647, bounds.left);
  EXPECT_LT(bounds.top, 0);
}

TEST(MusicButtonsFor, FollowsThePlayerMode) {
  struct Case {
    bool window, selected;
    intptr_t mode;
    MusicButtonStates expected;
  };
  const Case cases[] = {
      {true, true, mci::kModeNotReady, {true, false, false}},
      {true, true, mci::kModeStopped, {true, false, false}},
      {true, true, mci::kModePlaying, {false, true, true}},
      {true, true, mci::kModePaused, {true, false, true}},
      {true, false, mci::kModeStopped, {false, false, false}},
      {false, true, 0, {false, false, false}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, MusicButtonsFor(c.window, c.selected, c.mode)) << "mode " << c.mode << " window "
                                                                         << c.window << " selected " << c.selected;
  }
}

TEST(Links, MailNeedsAnAtAfterTheFirstCharacter) {
  EXPECT_TRUE(IsMailLink("a@b"));
  EXPECT_TRUE(IsMailLink("demo@saverkit.example"));
  EXPECT_FALSE(IsMailLink("@example.org"));
  EXPECT_FALSE(IsMailLink("nobody"));
  EXPECT_FALSE(IsMailLink(""));
  EXPECT_EQ("mailto:a@b.c?subject=Hello there", MailToTarget("a@b.c", "Hello there"));
}

TEST(Links, HomePageMustBeginWithHttpInAnyCase) {
  for (const char* good : {"http://x", "https://saverkit.example", "HTTP://X", "HtTpS://x", "http"})
    EXPECT_TRUE(IsHomePageLink(good)) << good;
  for (const char* bad : {"", "htt", "www.example.org", "ftp://x", " http://x", "file://c:/x"})
    EXPECT_FALSE(IsHomePageLink(bad)) << bad;
}

TEST(WallpaperStyleForTag, MenuTagsGiveStyleCodes) {
  EXPECT_EQ(kWallpaperCentre, WallpaperStyleForTag(1028));
  EXPECT_EQ(kWallpaperTile, WallpaperStyleForTag(1029));
  EXPECT_EQ(kWallpaperStretch, WallpaperStyleForTag(1030));
  EXPECT_EQ(kWallpaperKeepStyle, WallpaperStyleForTag(1031));
  EXPECT_EQ(kWallpaperKeepStyle, WallpaperStyleForTag(0));
}

TEST(MusicSaveFilter, KeepsTheMusicsOwnFileType) {
  EXPECT_EQ(".mp3", ExtensionWithDot("Theme.mp3"));
  EXPECT_EQ(".mid", ExtensionWithDot("a.b.mid"));
  EXPECT_EQ("", ExtensionWithDot("Music-3"));
  EXPECT_EQ("", ExtensionWithDot("folder.d\\name"));
  EXPECT_EQ("Music file (*.mp3)|*.mp3", MusicSaveFilter("Music file ", ".mp3"));
}

TEST(MusicOptions, MissingValuesGiveTheDefaultsAndWritesGoInOrder) {
  MemorySettingsStore settings;
  const std::string key = ScreenSaverSettingsKey("Lakes");
  EXPECT_EQ("\\Software\\Varnimo\\Lakes", key);
  EXPECT_EQ((MusicOptions{false, true, false}), ReadMusicOptions(settings, key));

  EXPECT_TRUE(WriteMusicOptions(settings, key, MusicOptions{true, false, true}));
  EXPECT_EQ(1, settings.ReadInt("Software\\Varnimo\\Lakes", "MROP"));
  EXPECT_EQ(0, settings.ReadInt(key, "MRA"));
  EXPECT_EQ(1, settings.ReadInt(key, "Mute"));
  EXPECT_EQ((MusicOptions{true, false, true}), ReadMusicOptions(settings, key));

  settings.WriteInt(key, "MRA", 7);  // any non-zero value ticks the box
  EXPECT_TRUE(ReadMusicOptions(settings, key).repeatAll);

  settings.readOnly = true;
  EXPECT_FALSE(WriteMusicOptions(settings, key, MusicOptions{}));
}

}  // namespace
}  // namespace saverkit
