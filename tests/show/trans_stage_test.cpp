#include "show/trans_stage.h"

#include <gtest/gtest.h>

#include "quiet_host.h"

namespace saverkit {
namespace {

const Rgb kBackground{16, 32, 96};
const Rgb kPicture{200, 40, 40};
const Rgb kLogo{250, 250, 0};

// Rows hold blue, green, red.
Rgb PixelAt(const Bitmap& bitmap, int x, int y) {
  const uint8_t* p = bitmap.Row(y) + size_t(x) * 3;
  return Rgb{p[2], p[1], p[0]};
}

// A stage of 100 x 80 with a picture shown at (10, 10)-(60, 50).
class TransStageTest : public ::testing::Test {
 protected:
  TransStageTest() : control(host), stage(control, host, kBackground) {
    control.SetThreaded(false);
    control.SetColor(kBackground);
    stage.SetBackground(Bitmap(100, 80, kBackground));
    stage.SetBounds(Rect{10, 10, 60, 50});
    stage.SetVisible(true);
    stage.SetPicture(Bitmap(50, 40, kPicture), 50, 40);
    stage.ShowAtOnce();
  }

  Rgb GrabbedAt(const Rect& area, int x, int y) {
    stage.GrabArea(area);
    return PixelAt(control.Picture(), x, y);
  }

  testing::QuietHost host;
  TPic_Trans control;
  TransStage stage;
};

// The window's background: kBackground left of x = 30, kRight from there on.
const Rgb kRight{0, 120, 0};

Bitmap TwoColourBackground() {
  Bitmap background(100, 80, kBackground);
  for (int y = 0; y < 80; ++y)
    for (int x = 30; x < 100; ++x) background.SetPixel(x, y, kRight);
  return background;
}

TEST_F(TransStageTest, GrabAreaComposesBackgroundPictureAndWhatLiesOutside) {
  stage.SetBackground(TwoColourBackground());
  const Rgb kFill{1, 2, 3};  // the colour outside the background image
  TransStage filled(control, host, kFill);
  filled.SetBackground(TwoColourBackground());
  filled.SetVisible(true);
  const struct {
    const char* what;
    Rect area;
    int x, y;  // in the grabbed picture
    Rgb expected;
  } cases[] = {
      {"background left of the picture", Rect{0, 0, 100, 80}, 5, 5, kBackground},
      {"background right of the picture", Rect{0, 0, 100, 80}, 70, 20, kRight},
      {"the shown picture", Rect{0, 0, 100, 80}, 40, 20, kPicture},
      {"an offset area sees the picture at its offset", Rect{20, 20, 60, 60}, 0, 0, kPicture},
      {"an offset area sees the background at its offset", Rect{20, 20, 60, 60}, 39, 39, kRight},
      {"the background under the bottom edge", Rect{20, 20, 60, 60}, 5, 35, kBackground},
      {"outside the window", Rect{-10, -10, 20, 20}, 2, 2, kFill},
      {"the picture seen from outside the window", Rect{-10, -10, 20, 20}, 25, 25, kPicture},
  };
  for (const auto& c : cases) {
    filled.GrabArea(c.area);
    ASSERT_EQ(control.Picture().Width(), c.area.Width()) << c.what;
    ASSERT_EQ(control.Picture().Height(), c.area.Height()) << c.what;
    EXPECT_EQ(PixelAt(control.Picture(), c.x, c.y), c.expected) << c.what;
    // Each grab shows what the grab before put up, so bring the picture back.
    control.SetPicture(Bitmap(50, 40, kPicture));
    stage.SetBounds(Rect{10, 10, 60, 50});
    stage.ShowAtOnce();
  }
}

TEST_F(TransStageTest, AHiddenPictureIsNotGrabbed) {
  stage.SetVisible(false);
  EXPECT_EQ(GrabbedAt(Rect{0, 0, 100, 80}, 20, 20), kBackground);
}

TEST_F(TransStageTest, TakesTheBackgroundUnderThePicture) {
  stage.SetBackground(TwoColourBackground());
  stage.TakeBackgroundUnderPicture();
  const Bitmap& under = control.Picture();
  ASSERT_EQ(under.Width(), 50);
  ASSERT_EQ(under.Height(), 40);
  EXPECT_EQ(PixelAt(under, 0, 0), kBackground) << "window (10, 10)";
  EXPECT_EQ(PixelAt(under, 19, 39), kBackground) << "window (29, 49)";
  EXPECT_EQ(PixelAt(under, 20, 0), kRight) << "window (30, 10)";
  EXPECT_EQ(PixelAt(under, 49, 39), kRight) << "window (59, 49)";
}

TEST_F(TransStageTest, LeavesThePictureOnTheBackgroundForGood) {
  stage.LeavePictureOnBackground();
  const Bitmap& background = stage.Background();
  EXPECT_EQ(PixelAt(background, 10, 10), kPicture);
  EXPECT_EQ(PixelAt(background, 59, 49), kPicture);
  EXPECT_EQ(PixelAt(background, 9, 9), kBackground);
  EXPECT_EQ(PixelAt(background, 60, 50), kBackground);
  // The next picture comes in over it: the collage stays when the control moves away.
  stage.SetBounds(Rect{50, 40, 100, 80});
  EXPECT_EQ(GrabbedAt(Rect{0, 0, 100, 80}, 20, 20), kPicture);
}

TEST_F(TransStageTest, APictureIsHandedOverWithoutACopyAndStretchedFirstWhenItsSizeDiffers) {
  Bitmap picture(50, 40, kLogo);
  const uint8_t* pixels = picture.Data();
  stage.SetPicture(std::move(picture), 50, 40);
  EXPECT_EQ(control.Picture().Data(), pixels) << "the control holds the very pixels decoded";

  stage.SetPicture(Bitmap(25, 20, kLogo), 50, 40);
  ASSERT_EQ(control.Picture().Width(), 50);
  ASSERT_EQ(control.Picture().Height(), 40);
  EXPECT_EQ(PixelAt(control.Picture(), 49, 39), kLogo);

  stage.SetPicture(Bitmap(25, 20, kLogo), 0, 0);
  EXPECT_EQ(control.Picture().Width(), 25) << "no size: the picture's own";
  stage.SetPicture(Bitmap(25, 20, kLogo), 1 << 20, 1 << 20);
  EXPECT_EQ(control.Picture().Width(), 25) << "a damaged record's huge size leaves the picture alone";
}

TEST_F(TransStageTest, AnOverlayLiesAbovePicturesAndInEveryGrab) {
  // A 4 x 4 logo stretched into a 20 x 20 rectangle that half covers the picture.
  StageOverlay logo(stage, Bitmap(4, 4, kLogo), Rect{50, 30, 70, 50});
  ASSERT_EQ(stage.Overlays().size(), 1u);
  EXPECT_EQ(logo.Picture().Width(), 20);
  EXPECT_EQ(logo.Picture().Height(), 20);

  const Rect area{0, 0, 100, 80};
  EXPECT_EQ(GrabbedAt(area, 55, 35), kLogo) << "over the picture";
  EXPECT_EQ(GrabbedAt(area, 65, 45), kLogo) << "over the background";
  EXPECT_EQ(GrabbedAt(area, 20, 20), kPicture);
  EXPECT_EQ(GrabbedAt(Rect{50, 30, 60, 40}, 0, 0), kLogo) << "a grab that starts inside the overlay";
}

TEST_F(TransStageTest, AReleasedOverlayLeavesWhatLiesUnder) {
  {
    StageOverlay logo(stage, Bitmap(4, 4, kLogo), Rect{50, 30, 70, 50});
  }
  EXPECT_TRUE(stage.Overlays().empty());
  EXPECT_EQ(GrabbedAt(Rect{0, 0, 100, 80}, 65, 45), kBackground);
}

TEST_F(TransStageTest, AnOverlayWithoutPictureOrAreaShowsNothing) {
  const struct {
    const char* what;
    Bitmap picture;
    Rect bounds;
  } cases[] = {
      {"no picture", Bitmap(), Rect{50, 30, 70, 50}},
      {"empty rectangle", Bitmap(4, 4, kLogo), Rect{50, 30, 50, 50}},
      {"a damaged record's huge rectangle", Bitmap(4, 4, kLogo), Rect{0, 0, 1 << 20, 1 << 20}},
  };
  for (const auto& c : cases) {
    StageOverlay overlay(stage, c.picture.Clone(), c.bounds);
    EXPECT_TRUE(overlay.Picture().Empty()) << c.what;
    EXPECT_EQ(GrabbedAt(Rect{0, 0, 100, 80}, 55, 35), kPicture) << c.what;
  }
}

TEST(TransStageShowAtOnce, ShowsThePictureWithoutAnEffectAndKeepsThreaded) {
  for (bool threaded : {false, true}) {
    testing::QuietHost host;
    TPic_Trans control(host);
    TransStage stage(control, host, kBackground);
    control.SetThreaded(threaded);
    stage.SetBounds(Rect{0, 0, 40, 30});
    stage.SetVisible(true);
    stage.SetPicture(Bitmap(40, 30, kPicture), 40, 30);
    stage.ShowAtOnce();
    EXPECT_EQ(control.Threaded(), threaded);
    EXPECT_FALSE(control.Busy());  // ran to the end on this thread
    EXPECT_EQ(control.Progress(), 100);
    EXPECT_EQ(PixelAt(control.PaintControl(), 20, 15), kPicture);
  }
}

}  // namespace
}  // namespace saverkit
