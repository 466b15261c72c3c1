#include <gtest/gtest.h>

#include "package/helpers/picture_helpers.h"

namespace saverkit {
namespace {

// A stripe picture whose averages are easy to predict.
Bitmap Stripes(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, (x / 10) % 2 ? Rgb{200, 100, 0} : Rgb{0, 100, 200});
  return b;
}

TEST(StretchBitmap, ResizesToTheAskedSizeOrLeavesThePictureAlone) {
  struct Case { int fromW, fromH, w, h, expectW, expectH; bool ok; } cases[] = {
      {400, 300, 120, 90, 120, 90, true},   // shrink
      {40, 30, 120, 90, 120, 90, true},     // enlarge
      {40, 30, 40, 90, 40, 90, true},       // one side only
      {40, 30, 40, 30, 40, 30, true},       // same size: nothing
      {40, 30, 0, 90, 40, 30, true},        // non-positive sizes: nothing
      {40, 30, 120, -1, 40, 30, true},
      {40, 30, Bitmap::kMaxSide + 1, 10, 40, 30, false},  // too large: refused, picture kept
  };
  for (const Case& c : cases) {
    Bitmap picture = Stripes(c.fromW, c.fromH);
    const Bitmap original = picture.Clone();
    EXPECT_EQ(StretchBitmap(picture, c.w, c.h), c.ok) << c.w << "x" << c.h;
    EXPECT_EQ(picture.Width(), c.expectW);
    EXPECT_EQ(picture.Height(), c.expectH);
    if (c.expectW == c.fromW && c.expectH == c.fromH) {
      EXPECT_TRUE(picture.SamePixels(original));
    }
  }
}

TEST(StretchBitmap, ShrinkingAveragesInsteadOfDroppingColumns) {
  Bitmap picture = Stripes(400, 300);  // stripes 10 wide: 40 of them
  ASSERT_TRUE(StretchBitmap(picture, 20, 15));  // each target pixel covers one pair of stripes
  for (int x = 0; x < 20; ++x) {
    const Rgb p = picture.Pixel(x, 7);
    EXPECT_NEAR(p.r, 100, 2) << x;
    EXPECT_NEAR(p.b, 100, 2) << x;
  }
}

class WindowlessHost : public PicTransHost {
 public:
  TCustomPic_Trans* control = nullptr;
  void InvalidateParent(const Rect&) override {}
  void Update() override {
    if (control) control->PaintControl();
  }
  void ProcessMessages() override { ++now; }
  uint32_t TickCount() override { return now; }
  void WakeMainThread() override {}
  uint32_t now = 0;
};

TEST(TransitionHelpers, ShowAtOnceShowsThePictureWithoutAnEffectAndKeepsThreaded) {
  for (bool threaded : {false, true}) {
    WindowlessHost host;
    TCustomPic_Trans control(host);
    host.control = &control;
    control.SetAutoSize(false);
    control.SetBounds(0, 0, 40, 30);
    control.SetThreaded(threaded);
    Bitmap picture(40, 30, Rgb{10, 200, 30});
    control.SetPicture(&picture);
    ShowAtOnce(control);
    EXPECT_EQ(control.Threaded(), threaded);
    EXPECT_FALSE(control.Busy());  // ran to the end on this thread
    EXPECT_EQ(control.Progress(), 100);
    const Bitmap& shown = control.PaintControl();
    EXPECT_EQ(shown.Pixel(20, 15), (Rgb{10, 200, 30}));
    StopIfBusy(control);  // idle: nothing to stop
    EXPECT_FALSE(control.Busy());
  }
}

TEST(TransitionHelpers, FillPicturePaintsTheControlsAreaOfThePicture) {
  WindowlessHost host;
  TCustomPic_Trans control(host);
  control.SetAutoSize(false);
  Bitmap picture(50, 20, Rgb{1, 2, 3});
  control.SetPicture(&picture);
  control.SetBounds(0, 0, 30, 40);  // narrower than the picture, taller than it
  FillPicture(control, Rgb{255, 0, 0});
  const Bitmap& filled = control.Picture();
  ASSERT_EQ(filled.Width(), 50);
  EXPECT_EQ(filled.Pixel(29, 19), (Rgb{255, 0, 0}));
  EXPECT_EQ(filled.Pixel(30, 0), (Rgb{1, 2, 3}));

  TCustomPic_Trans empty(host);
  FillPicture(empty, Rgb{255, 0, 0});  // no picture: nothing to fill
  EXPECT_TRUE(empty.Picture().Empty());
}

}  // namespace
}  // namespace saverkit
