#include "forms/control_geometry.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

Component Of(const char* className, ControlBounds bounds) {
  Component c;
  c.SetClassName(className);
  c.bounds = bounds;
  return c;
}

TEST(ControlWindowHeight, ADropDownListReachesOverItsOpenList) {
  Component combo = Of("TComboBox", {10, 10, 173, 21});
  EXPECT_EQ(ControlWindowHeight(combo), 21 + 8 * 21 + 2);  // eight rows of the box's height by default
  combo.itemHeight = 16;
  combo.dropDownCount = 4;
  EXPECT_EQ(ControlWindowHeight(combo), 21 + 4 * 16 + 2);
  combo.dropDownCount = 0;  // never fewer than one row
  EXPECT_EQ(ControlWindowHeight(combo), 21 + 16 + 2);
  // Every other control's window is as high as its bounds.
  for (const char* other : {"TEdit", "TButton", "TMemo", "TCheckBox"}) {
    Component c = Of(other, {0, 0, 50, 21});
    c.itemHeight = 16;
    EXPECT_EQ(ControlWindowHeight(c), 21) << other;
  }
}

TEST(OwnerDrawRowHeight, FixedRowsAndTheClosedBoxsField) {
  Component combo = Of("TComboBox", {0, 0, 173, 26});
  EXPECT_EQ(OwnerDrawRowHeight(combo, false), std::nullopt);
  EXPECT_EQ(OwnerDrawRowHeight(combo, true), std::nullopt);
  combo.itemHeight = 40;
  EXPECT_EQ(OwnerDrawRowHeight(combo, false), 40);
  EXPECT_EQ(OwnerDrawRowHeight(combo, true), 26 - kComboFieldFrame);
}

TEST(AutoSizedBounds, TakesThePictureSizeOnlyWhenItMay) {
  const struct {
    const char* what;
    bool autoSize, stretch;
    int32_t width, height;
    std::optional<ControlBounds> expected;
  } cases[] = {
      {"automatic size", true, false, 17, 19, ControlBounds{300, 5, 17, 19}},
      {"fixed size", false, false, 17, 19, std::nullopt},
      {"stretched picture", true, true, 17, 19, std::nullopt},
      {"no picture", true, false, 0, 0, std::nullopt},
      {"no height", true, false, 17, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    Component image = Of("XImageEx", {300, 5, 40, 40});
    image.autoSize = c.autoSize;
    image.stretch = c.stretch;
    EXPECT_EQ(AutoSizedBounds(image, c.width, c.height), c.expected) << c.what;
  }
}

TEST(PicturePlace, CentredOrAtTheTopLeftCorner) {
  const Rect box = RectAt(9, 5, 32, 32);
  EXPECT_EQ(PicturePlace(box, 16, 16, true), RectAt(17, 13, 16, 16));
  EXPECT_EQ(PicturePlace(box, 16, 16, false), RectAt(9, 5, 16, 16));
  // A larger picture overhangs a centred box on both sides and is clipped there.
  EXPECT_EQ(PicturePlace(box, 48, 40, true), RectAt(1, 1, 48, 40));
  EXPECT_EQ(PicturePlace(box, 48, 40, false), RectAt(9, 5, 48, 40));
}

TEST(IsSeparatorBevel, TwoPixelsHighOrLess) {
  for (const auto& [height, separator] : {std::pair{0, true}, {1, true}, {2, true}, {3, false}, {49, false}})
    EXPECT_EQ(IsSeparatorBevel(Of("TBevel", {0, 0, 400, height})), separator) << height;
}

TEST(TextTopOffset, ByTheLabelsLayout) {
  EXPECT_EQ(TextTopOffset(VerticalAlign::kTop, 65, 16), 0);
  EXPECT_EQ(TextTopOffset(VerticalAlign::kCenter, 65, 16), 24);  // 49 / 2
  EXPECT_EQ(TextTopOffset(VerticalAlign::kBottom, 65, 16), 49);
  // Text taller than its box starts above it when centred, as Windows would clip it.
  EXPECT_EQ(TextTopOffset(VerticalAlign::kCenter, 16, 33), -8);
}

}  // namespace
}  // namespace saverkit
