#include "show/show_setup.h"

#include <gtest/gtest.h>

#include "package/package_fixture.h"

namespace saverkit {
namespace {

using testing::FullContents;
using testing::TempFolder;
using testing::TestEnvironment;
using testing::WritePackagedFile;

// Packages written by our own writer and opened by the reader on a 1920 x 1080 primary screen.
class ShowSetupTest : public ::testing::Test {
 protected:
  static constexpr int32_t kPrimaryWidth = 1920;
  static constexpr int32_t kPrimaryHeight = 1080;

  XSCR& Open(const PackageContents& contents) {
    WritePackagedFile(folder_.File("saver.scr"), contents);
    reader_.emplace(TestEnvironment(folder_.File("saver.scr"), temp_.Path(), kPrimaryWidth, kPrimaryHeight));
    return *reader_;
  }
  static ShowScreen Desktop(const Rect& window) { return ShowScreen{window, kPrimaryWidth, kPrimaryHeight}; }

  TempFolder folder_;
  TempFolder temp_;
  std::optional<XSCR> reader_;
};

TEST_F(ShowSetupTest, FullScreenCoversTheDesktopAndShowsOnThePrimaryMonitor) {
  // A second monitor of 1280 x 1024 left of the primary one.
  const Rect desktop{-1280, 0, 1920, 1080};
  XSCR& reader = Open(FullContents());
  const ShowSetup setup = DecideShowSetup(RunMode::Show, Desktop(desktop), reader);

  EXPECT_EQ(setup.mode, RunMode::Show);
  EXPECT_FALSE(setup.Preview());
  EXPECT_EQ(setup.window, desktop);
  const ShowLayout& layout = setup.layout;
  EXPECT_FALSE(layout.preview);
  EXPECT_EQ(layout.areaLeft, 1280);
  EXPECT_EQ(layout.areaTop, 0);
  EXPECT_EQ(layout.areaWidth, kPrimaryWidth);
  EXPECT_EQ(layout.areaHeight, kPrimaryHeight);
  EXPECT_EQ(layout.screenWidth, kPrimaryWidth);
  EXPECT_EQ(layout.screenHeight, kPrimaryHeight);
  EXPECT_DOUBLE_EQ(layout.scale, 1.0);  // the reader fitted the 800-pixel design to the screen
  EXPECT_TRUE(layout.randomOrder);
  EXPECT_EQ(layout.defaultSeconds, 7);
  EXPECT_EQ(layout.ignoreMouseMove, 1);
  EXPECT_EQ(layout.backgroundColour, (Rgb{0x33, 0x22, 0x11}));

  EXPECT_TRUE(setup.mover);  // motion mode 3 with items to show
  EXPECT_EQ(setup.layout.Area(), (Rect{1280, 0, 1280 + kPrimaryWidth, kPrimaryHeight}));
  EXPECT_FALSE(setup.hideCursor);
  EXPECT_EQ(setup.opacityPercent, 80);
}

TEST_F(ShowSetupTest, PreviewFillsTheHostAndLeavesCursorAndOpacityAlone) {
  PackageContents contents = FullContents();
  contents.extension.CursorVisible = 0;
  XSCR& reader = Open(contents);
  const ShowSetup setup = DecideShowSetup(RunMode::Preview, Desktop(Rect{0, 0, 152, 112}), reader);

  EXPECT_TRUE(setup.Preview());
  EXPECT_TRUE(setup.layout.preview);
  EXPECT_EQ(setup.window, (Rect{0, 0, 152, 112}));
  EXPECT_EQ(setup.layout.areaLeft, 0);
  EXPECT_EQ(setup.layout.areaTop, 0);
  EXPECT_EQ(setup.layout.areaWidth, 152);
  EXPECT_EQ(setup.layout.areaHeight, 112);
  EXPECT_EQ(setup.layout.screenWidth, kPrimaryWidth);  // captions still scale from the real screen
  EXPECT_DOUBLE_EQ(setup.layout.scale, 152.0 / kPrimaryWidth);
  EXPECT_TRUE(setup.mover);
  EXPECT_EQ(setup.layout.Area(), (Rect{0, 0, 152, 112}));
  EXPECT_FALSE(setup.hideCursor);
  EXPECT_EQ(setup.opacityPercent, std::nullopt);
}

TEST_F(ShowSetupTest, OpacityCursorAndMoverFollowThePackage) {
  struct Case {
    const char* what;
    int32_t opacity;
    uint8_t cursorVisible;
    uint8_t motionMode;
    bool onlyOverlays;
    std::optional<int32_t> expectedOpacity;
    bool expectHidden;
    bool expectMover;
  };
  const Case cases[] = {
      {"opaque package", 0, 1, 3, false, std::nullopt, false, true},
      {"below the range", 19, 1, 3, false, std::nullopt, false, true},
      {"lowest", 20, 1, 3, false, 20, false, true},
      {"highest", 99, 1, 3, false, 99, false, true},
      {"fully opaque", 100, 1, 3, false, std::nullopt, false, true},
      {"negative", -50, 1, 3, false, std::nullopt, false, true},
      {"hidden cursor", 0, 0, 3, false, std::nullopt, true, true},
      {"other motion", 0, 1, 2, false, std::nullopt, false, false},
      {"no motion", 0, 1, 0, false, std::nullopt, false, false},
      {"only overlays", 0, 1, 3, true, std::nullopt, false, false},
  };
  for (const Case& c : cases) {
    PackageContents contents = FullContents();
    contents.extension.Opacity = c.opacity;
    contents.extension.CursorVisible = c.cursorVisible;
    contents.info.MotionMode = c.motionMode;
    if (c.onlyOverlays) {
      for (PackageItem& item : contents.items) item.record.Overlay = 1;
    }
    const ShowSetup setup = DecideShowSetup(RunMode::Show, Desktop(Rect{0, 0, 1920, 1080}), Open(contents));
    EXPECT_EQ(setup.opacityPercent, c.expectedOpacity) << c.what;
    EXPECT_EQ(setup.hideCursor, c.expectHidden) << c.what;
    EXPECT_EQ(setup.mover, c.expectMover) << c.what;
  }
}

TEST_F(ShowSetupTest, AProgramWithoutAPackageShowsNothingThatMoves) {
  reader_.emplace(TestEnvironment("", temp_.Path(), kPrimaryWidth, kPrimaryHeight));
  const ShowSetup setup = DecideShowSetup(RunMode::Show, Desktop(Rect{0, 0, 1920, 1080}), *reader_);
  EXPECT_DOUBLE_EQ(setup.layout.scale, 1.0);  // the design screen is the current one
  EXPECT_FALSE(setup.mover);
  EXPECT_EQ(setup.opacityPercent, std::nullopt);
  EXPECT_EQ(setup.layout.backgroundColour, (Rgb{0, 0, 0}));
}

TEST_F(ShowSetupTest, BackgroundTilesThePackagePictureOverItsColour) {
  XSCR& reader = Open(FullContents());
  ASSERT_NE(reader.Background(), nullptr);
  const Bitmap& tile = *reader.Background();
  ASSERT_EQ(tile.Width(), 32);
  ASSERT_EQ(tile.Height(), 24);
  // Two whole columns and a cut third; one whole row and a cut second.
  const Bitmap tiled = ShowBackground(reader, 70, 30);
  ASSERT_EQ(tiled.Width(), 70);
  ASSERT_EQ(tiled.Height(), 30);
  for (int y = 0; y < tiled.Height(); ++y) {
    for (int x = 0; x < tiled.Width(); ++x) {
      ASSERT_EQ(tiled.Pixel(x, y), tile.Pixel(x % 32, y % 24)) << x << ", " << y;
    }
  }

  PackageContents plain = FullContents();
  plain.background.clear();
  const Bitmap coloured = ShowBackground(Open(plain), 40, 20);
  EXPECT_TRUE(coloured.SamePixels(Bitmap(40, 20, Rgb{0x33, 0x22, 0x11})));
}

}  // namespace
}  // namespace saverkit
