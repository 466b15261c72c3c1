#include "forms/component_kind.h"

#include <gtest/gtest.h>

#include "forms/layout.h"

namespace saverkit {
namespace {

using K = ComponentKind;

TEST(ComponentKindOf, EveryClassTheLayoutsAndThePainterName) {
  const struct {
    const char* className;
    ComponentKind kind;
  } cases[] = {
      {"TFrame", K::kFrame},           {"TLabel", K::kLabel},
      {"TImage", K::kImage},           {"XImageEx", K::kHoverImage},
      {"TBevel", K::kBevel},           {"TButton", K::kButton},
      {"TBitBtn", K::kBitButton},      {"TSpeedButton", K::kSpeedButton},
      {"TCheckBox", K::kCheckBox},     {"TRadioButton", K::kRadioButton},
      {"TEdit", K::kEdit},             {"TLabeledEdit", K::kLabeledEdit},
      {"TMaskEdit", K::kMaskEdit},     {"TMemo", K::kMemo},
      {"TRichEdit", K::kRichEdit},     {"TComboBox", K::kComboBox},
      {"TUpDown", K::kUpDown},         {"TPanel", K::kPanel},
      {"TGroupBox", K::kGroupBox},     {"TScrollBox", K::kScrollBox},
      {"TPageControl", K::kPageControl}, {"TTabSheet", K::kTabSheet},
      {"TPageScroller", K::kPageScroller}, {"TToolBar", K::kToolBar},
      {"TToolButton", K::kToolButton}, {"TCoolBar", K::kCoolBar},
      {"TControlBar", K::kControlBar}, {"TPopupMenu", K::kPopupMenu},
      {"TMenuItem", K::kMenuItem},     {"TTimer", K::kTimer},
      // Forms go by their prefix; anything else is a kind no code treats apart.
      {"TForm", K::kForm},             {"TFormScrNeo", K::kForm},
      {"TFormQelMsg", K::kForm},       {"TFor", K::kOther},
      {"TImageList", K::kOther},       {"TXPMenu", K::kOther},
      {"", K::kOther},                 {"tbutton", K::kOther},
      {"TButton ", K::kOther},         {"TSpeedButtonX", K::kOther},
  };
  for (const auto& c : cases) EXPECT_EQ(ComponentKindOf(c.className), c.kind) << '"' << c.className << '"';
}

TEST(ComponentKindOf, IsWorkedOutWhenTheClassIsSetAndKeptThroughTheLayout) {
  Component loose;
  EXPECT_EQ(loose.Kind(), K::kOther);
  loose.SetClassName("TCheckBox");
  EXPECT_EQ(loose.Kind(), K::kCheckBox);
  EXPECT_EQ(loose.ClassName(), "TCheckBox");

  ComponentOwner form;
  ASSERT_TRUE(AddLayout(form, {{"TPanel", "PanelMain", "", -1, "", {0, 0, 10, 10}, Props()},
                               {"TImageList", "ImageList1", "PanelMain", -1, "", {}, Props()}}));
  EXPECT_EQ(form.Find("PanelMain")->Kind(), K::kPanel);
  EXPECT_EQ(form.Find("ImageList1")->Kind(), K::kOther);
  EXPECT_EQ(form.Find("ImageList1")->ClassName(), "TImageList");
}

}  // namespace
}  // namespace saverkit
