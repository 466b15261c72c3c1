#include "forms/caption_label_controls.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

class FixedExtent : public TextMeasurer {
 public:
  explicit FixedExtent(TextExtent extent) : extent_(extent) {}
  TextExtent Measure(const ControlFont& font, const std::string&) override {
    measuredSizes.push_back(font.size);
    return extent_;
  }
  std::vector<int32_t> measuredSizes;

 private:
  TextExtent extent_;
};

CaptionLabel Label(const std::string& text, int32_t size, int32_t cx, int32_t cy) {
  CaptionLabel label;
  label.fontName = "Arial";
  label.fontSize = size;
  label.centerX = cx;
  label.centerY = cy;
  label.text = text;
  return label;
}

std::vector<std::string> Names(const ComponentOwner& form) {
  std::vector<std::string> names;
  for (int i = 0; i < form.Count(); ++i) names.push_back(form.At(i).name);
  return names;
}

TEST(ShowCaptionLabels, ScalesFontAndCentresBoundsOnTheScaledCentre) {
  ComponentOwner form;
  FixedExtent measurer({100, 30});
  ShowCaptionLabels(form, {Label("Hello", 20, 400, 300)}, 0.5, measurer);
  ASSERT_EQ(form.Count(), 1);
  const Component& label = form.At(0);
  EXPECT_EQ(label.name, "xlabel_0");
  EXPECT_EQ(label.font.size, 10);
  EXPECT_EQ(label.bounds, (ControlBounds{175, 142, 50, 15}));
  EXPECT_EQ(measurer.measuredSizes, std::vector<int32_t>{20});  // measured at the unscaled size
  EXPECT_EQ(label.tag, 0);
  EXPECT_TRUE(label.visible);
  EXPECT_TRUE(label.centred);
  EXPECT_FALSE(label.autoSize);
  EXPECT_FALSE(label.showAccelChar);
}

TEST(ShowCaptionLabels, ReusesExistingLabelsAndSetsFillOnlyWhenOpaque) {
  ComponentOwner form;
  FixedExtent measurer({10, 10});
  CaptionLabel opaque = Label("A", 12, 50, 50);
  opaque.backColor = 0x00FF00;
  ShowCaptionLabels(form, {opaque, Label("B", 12, 60, 60)}, 1.0, measurer);
  ASSERT_EQ(form.Count(), 2);
  EXPECT_EQ(form.At(1).tag, -1);
  EXPECT_EQ(form.At(0).color, 0x00FF00u);

  CaptionLabel transparent = Label("C", 14, 70, 70);
  transparent.transparent = true;
  transparent.backColor = 0x0000FF;
  transparent.fontStyle = 1 | 8;
  ShowCaptionLabels(form, {transparent}, 1.0, measurer);
  ASSERT_EQ(form.Count(), 2);
  EXPECT_EQ(form.At(0).caption, "C");
  EXPECT_TRUE(form.At(0).transparent);
  EXPECT_EQ(form.At(0).color, 0x00FF00u);  // the fill colour of a transparent label is not touched
  EXPECT_TRUE(form.At(0).font.style.bold);
  EXPECT_TRUE(form.At(0).font.style.strikeOut);
  EXPECT_EQ(form.At(1).caption, "B");
}

TEST(RemoveCaptionLabels, FreesLabelsFromTheGivenIndexOn) {
  const std::vector<std::string> all = {"xlabel_0", "xlabel_1", "xlabel_2", "xlabel_10", "xlabel_x", "XLABEL_5", "Other"};
  struct Case {
    int first;
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      {2, {"xlabel_0", "xlabel_1", "xlabel_x", "XLABEL_5", "Other"}},
      {0, {"XLABEL_5", "Other"}},
      {-4, {"XLABEL_5", "Other"}},
      {11, all},
  };
  for (const Case& c : cases) {
    ComponentOwner form;
    for (const std::string& name : all) {
      Component component;
      component.name = name;
      form.Add(component);
    }
    RemoveCaptionLabels(form, c.first);
    EXPECT_EQ(Names(form), c.kept) << "first " << c.first;
  }
}

TEST(ApplyFontStyle, EachBitAddsOneStyleAndHighBitsAreIgnored) {
  EXPECT_EQ(ApplyFontStyle(0), FontStyleSet{});
  EXPECT_EQ(ApplyFontStyle(1), (FontStyleSet{true, false, false, false}));
  EXPECT_EQ(ApplyFontStyle(2), (FontStyleSet{false, true, false, false}));
  EXPECT_EQ(ApplyFontStyle(4), (FontStyleSet{false, false, true, false}));
  EXPECT_EQ(ApplyFontStyle(8), (FontStyleSet{false, false, false, true}));
  EXPECT_EQ(ApplyFontStyle(0xF0 | 5), (FontStyleSet{true, false, true, false}));
}

}  // namespace
}  // namespace saverkit
