#include "show/trans_stage.h"

#include <gtest/gtest.h>

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

class QuietHost : public PicTransHost {
 public:
  void InvalidateParent(const Rect&) override {}
  void Update() override {}
  void ProcessMessages() override {}
  uint32_t TickCount() override { return ++now_; }
  void WakeMainThread() override {}

 private:
  uint32_t now_ = 0;
};

// A stage of 100 x 80 with a picture shown at (10, 10)-(60, 50).
class TransStageTest : public ::testing::Test {
 protected:
  TransStageTest() : control(host), stage(control, host, kBackground) {
    control.SetThreaded(false);
    control.SetColor(kBackground);
    stage.SetBackground(Bitmap(100, 80, kBackground));
    stage.SetBounds(Rect{10, 10, 60, 50});
    stage.SetVisible(true);
    stage.SetPicture(Bitmap(50, 40, kPicture));
    stage.ShowAtOnce();
  }

  Rgb GrabbedAt(const Rect& area, int x, int y) {
    stage.GrabArea(area);
    return PixelAt(control.Picture(), x, y);
  }

  QuietHost host;
  TPic_Trans control;
  TransStage stage;
};

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

}  // namespace
}  // namespace saverkit
