#include "forms/scr_neo_frame.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

struct Frame {
  ComponentOwner form;
  Frame() { EXPECT_TRUE(AddLayout(form, ScrNeoFrameRows())); }
  const ControlBounds& At(const char* name) { return form.Find(name)->bounds; }
  int Order(const char* name) { return form.IndexOf(form.Find(name)); }
};

TEST(ScrNeoFrame, ThreeHundredPixelWindowPlacesCaptionCapsAndCloseButton) {
  Frame frame;
  AlignChildren(frame.form, nullptr, 300, 200);
  PanelTopResize(frame.form, 300);
  EXPECT_EQ(frame.At("Label_XNeo_Caption"), (ControlBounds{85, 11, 125, 16}));
  EXPECT_EQ(frame.At("ImageTopCenter"), (ControlBounds{81, 0, 125, 49}));
  EXPECT_EQ(frame.At("ImageTopRight"), (ControlBounds{206, 0, 94, 49}));
  EXPECT_EQ(frame.At("ImageTopLeft"), (ControlBounds{0, 0, 81, 49}));
  EXPECT_EQ(frame.At("ImageClose").left, 262);
  // The middle picture at the very back, the caption text just in front of it, then the rest.
  EXPECT_EQ(frame.Order("ImageTopCenter"), 0);
  EXPECT_EQ(frame.Order("Label_XNeo_Caption"), 1);
  EXPECT_LT(frame.Order("Label_XNeo_Caption"), frame.Order("ImageTopRight"));
  EXPECT_LT(frame.Order("Label_XNeo_Caption"), frame.Order("ImageClose"));

  PanelBottomResize(frame.form);
  EXPECT_EQ(frame.At("ImageBottomLeft"), (ControlBounds{0, 0, 10, 12}));
  EXPECT_EQ(frame.At("ImageBottomCenter"), (ControlBounds{10, 0, 277, 12}));
  EXPECT_EQ(frame.At("ImageBottomRight"), (ControlBounds{287, 0, 13, 12}));
}

TEST(ScrNeoFrame, FitToContentWrapsTheBordersAroundTheContentPanel) {
  Frame frame;
  Component panel;
  panel.name = "PanelMain";
  panel.bounds = {0, 0, 392, 183};
  Component& main = frame.form.Add(panel);
  const ClientSize size = FitToContent(frame.form, main);
  EXPECT_EQ(size.width, 415);
  EXPECT_EQ(size.height, 244);
  EXPECT_EQ(main.bounds, (ControlBounds{10, 49, 392, 183}));
  EXPECT_EQ(frame.At("PanelTop"), (ControlBounds{0, 0, 415, 49}));
  EXPECT_EQ(frame.At("PanelBottom"), (ControlBounds{0, 232, 415, 12}));
  EXPECT_EQ(frame.At("PanelLeft"), (ControlBounds{0, 49, 10, 183}));
  EXPECT_EQ(frame.At("PanelRight"), (ControlBounds{402, 49, 13, 183}));
  EXPECT_EQ(frame.At("ImageClose").left, 415 - 38);
  EXPECT_EQ(frame.At("Label_XNeo_Caption").width, 415 - 175);
}

TEST(ScrNeoFrame, ActivationChoosesTheCaptionPictures) {
  struct Case {
    int state;
    bool any;
    int left, right, center;
  };
  const Case cases[] = {{1, true, 0, 1, 4}, {2, true, 0, 1, 4}, {0, true, 2, 3, 5}, {3, false, 0, 0, 0}, {-1, false, 0, 0, 0}};
  for (const Case& c : cases) {
    const auto pictures = CaptionPicturesFor(c.state);
    ASSERT_EQ(pictures.has_value(), c.any) << c.state;
    if (!pictures) continue;
    EXPECT_EQ(pictures->left, c.left) << c.state;
    EXPECT_EQ(pictures->right, c.right) << c.state;
    EXPECT_EQ(pictures->center, c.center) << c.state;
  }
  EXPECT_STREQ(kFramePictures[kCloseNormalPicture].resource, "XRKIMG_11");
  EXPECT_STREQ(kFramePictures[kCloseLitPicture].resource, "XRKIMG_12");
}

}  // namespace
}  // namespace saverkit
