#include <gtest/gtest.h>

#include "controls/xp_control_painters.h"

namespace saverkit {
namespace {

using Points = std::vector<PlanPoint>;

XPPaintContext Context(int dpi = 96, int thumb = 16) {
  XPPaintContext c;
  c.colors = SetGlobalColor(XPMenuSettings{}, c.surface);
  c.metrics.dpi = dpi;
  c.metrics.thumbSize = thumb;
  return c;
}

std::vector<Points> Lines(const PaintPlan& plan) {
  std::vector<Points> lines;
  for (const PlanOp& op : plan)
    if (op.shape == PlanShape::Polyline) lines.push_back(op.points);
  return lines;
}

const PlanOp* FindShape(const PaintPlan& plan, PlanShape shape, int nth = 0) {
  for (const PlanOp& op : plan)
    if (op.shape == shape && nth-- == 0) return &op;
  return nullptr;
}

TEST(XPGeometry, CheckMarkIsThreeStrokesAboveItsCorner) {
  const std::vector<Points> want = {
      {{12, 95}, {14, 97}, {19, 92}},
      {{12, 94}, {14, 96}, {19, 91}},
      {{12, 93}, {14, 95}, {19, 90}},
  };
  EXPECT_EQ(Lines(DrawCheckMark(XPMetrics{}, 10, 100, kBlack)), want);

  // At 144 DPI the tick is half as large again and one stroke thicker.
  const auto big = Lines(DrawCheckMark(XPMetrics{144, 24}, 10, 100, kBlack));
  ASSERT_EQ(big.size(), 5u);
  EXPECT_EQ(big[0], (Points{{13, 92}, {16, 95}, {24, 88}}));
}

TEST(XPGeometry, ComboArrowRowsAtEachDpi) {
  struct Case {
    int dpi;
    bool rightToLeft;
    std::vector<Points> rows;
  };
  const Rect client{0, 0, 100, 22};
  const Case cases[] = {
      {96, false, {{{90, 10}, {95, 10}}, {{91, 11}, {94, 11}}, {{92, 12}, {93, 12}}}},
      {96, true, {{{5, 10}, {10, 10}}, {{6, 11}, {9, 11}}, {{7, 12}, {8, 12}}}},
      {120, false, {{{87, 13}, {94, 13}}, {{88, 14}, {93, 14}}, {{89, 15}, {92, 15}}, {{90, 16}, {91, 16}}}},
      {144,
       false,
       {{{85, 15}, {94, 15}}, {{86, 16}, {93, 16}}, {{87, 17}, {92, 17}}, {{88, 18}, {91, 18}}, {{89, 19}, {90, 19}}}},
  };
  for (const Case& c : cases) {
    XPMetrics m;
    m.dpi = c.dpi;
    EXPECT_EQ(Lines(ComboArrow(m, client, c.rightToLeft, kBlack)), c.rows) << c.dpi << (c.rightToLeft ? " rtl" : "");
  }
}

TEST(XPPainters, ComboColoursAndButtonByState) {
  const XPPaintContext c = Context();
  const XPWorkingColors& w = c.colors;
  const ColorRef face = c.Sys(kSysBtnFace);
  struct Case {
    const char* what;
    bool mouseIn, focused, dropped, enabled;
    ColorRef frame, buttonFace, arrow;
    int buttonWidth;
  };
  const Case cases[] = {
      {"plain", false, false, false, true, kWhite, face, kBlack, 17},
      {"hot", true, false, false, true, w.selectionBorder, w.selection, kBlack, 18},
      {"focused", false, true, false, true, c.Lighter(w.selectionBorder, 60), w.checkedArea, kBlack, 18},
      {"dropped", false, true, true, true, w.selectionBorder, w.checkedAreaSelected, kWhite, 18},
      {"disabled", false, false, false, false, kWhite, face, kWhite, 17},
  };
  for (const Case& k : cases) {
    ControlLook look;
    look.client = {0, 0, 120, 21};
    look.mouseIn = k.mouseIn;
    look.focused = k.focused;
    look.enabled = k.enabled;
    look.parentColor = 0x123456;
    const PaintPlan plan = PaintCombo(c, look, k.dropped);
    ASSERT_GE(plan.size(), 6u) << k.what;
    EXPECT_EQ(plan[0].rect, look.client) << k.what;
    EXPECT_EQ(*plan[0].pen, 0x123456u) << k.what;
    // The frame in the frame colour is one pixel taller than the one in the control's colour.
    EXPECT_EQ(*plan[3].pen, k.frame) << k.what;
    EXPECT_EQ(plan[3].rect.Height(), plan[2].rect.Height() + 1) << k.what;
    const PlanOp& button = plan[4];
    EXPECT_EQ(*button.brush, k.buttonFace) << k.what;
    EXPECT_EQ(button.rect.right, 119) << k.what;
    EXPECT_EQ(button.rect.Width(), k.buttonWidth) << k.what;
    EXPECT_EQ(*plan.back().pen, k.arrow) << k.what;
  }
}

TEST(XPPainters, CheckBoxPlacementFillAndMark) {
  const XPPaintContext c = Context();
  const XPWorkingColors& w = c.colors;
  struct Case {
    const char* what;
    bool mouseIn, space, enabled, captionLeft;
    CheckState state;
    ColorRef fill, frame;
    std::optional<ColorRef> mark;
  };
  const ColorRef window = c.Sys(kSysWindow), shadow = c.Sys(kSysBtnShadow), hi = c.Sys(kSysHighlight);
  const Case cases[] = {
      {"unchecked", false, false, true, false, CheckState::Unchecked, window, shadow, std::nullopt},
      {"checked", false, false, true, false, CheckState::Checked, window, shadow, hi},
      {"hot", true, false, true, false, CheckState::Checked, w.selection, w.selectionBorder, hi},
      {"space held", true, true, true, false, CheckState::Checked, w.checkedAreaSelected, w.selectionBorder, window},
      {"grayed", false, false, true, false, CheckState::Grayed, kSilver, shadow, kGray},
      {"disabled", false, false, false, false, CheckState::Checked, window, shadow, w.disabled},
      {"caption left", false, false, true, true, CheckState::Unchecked, window, shadow, std::nullopt},
  };
  for (const Case& k : cases) {
    ControlLook look;
    look.client = {0, 0, 100, 24};
    look.mouseIn = k.mouseIn;
    look.spacePressed = k.space;
    look.enabled = k.enabled;
    look.color = 0x0000FF;
    const PaintPlan plan = PaintCheckBox(c, look, k.state, k.captionLeft);
    // A 16-pixel square centred in 3..21, at the right when the caption is on the left.
    const Rect box = k.captionLeft ? Rect{84, 4, 100, 20} : Rect{0, 4, 16, 20};
    EXPECT_EQ(plan[0].rect, box) << k.what;
    EXPECT_EQ(*plan[0].brush, 0x0000FFu) << k.what;
    EXPECT_EQ(plan[1].rect, Inset(box, 2, 2)) << k.what;
    EXPECT_EQ(*plan[1].brush, k.fill) << k.what;
    EXPECT_EQ(*plan[1].pen, k.frame) << k.what;
    const auto lines = Lines(plan);
    if (!k.mark) {
      EXPECT_TRUE(lines.empty()) << k.what;
      continue;
    }
    ASSERT_EQ(lines.size(), 3u) << k.what;
    EXPECT_EQ(lines[0], Lines(DrawCheckMark(c.metrics, box.left + 2, box.bottom - 2, 0))[0]) << k.what;
    EXPECT_EQ(*plan.back().pen, *k.mark) << k.what;
  }
}

// At 144 DPI the thumb (24) is taller than a 20-pixel check box: the box fills its height.
TEST(XPPainters, CheckBoxFitsAControlShorterThanTheThumb) {
  const XPPaintContext c = Context(144, 24);
  ControlLook look;
  look.client = {0, 0, 140, 20};
  EXPECT_EQ(PaintCheckBox(c, look, CheckState::Checked, false)[0].rect, (Rect{0, 0, 20, 20}));
  EXPECT_EQ(PaintRadio(c, look, true, false)[0].rect, (Rect{0, 0, 20, 20}));
  look.client = {0, 0, 140, 32};  // room enough: the margins hold
  EXPECT_EQ(PaintCheckBox(c, look, CheckState::Checked, false)[0].rect, (Rect{0, 4, 24, 28}));
}

TEST(XPPainters, RadioIsAnEllipseWithADotWhenChecked) {
  const XPPaintContext c = Context();
  ControlLook look;
  look.client = {0, 0, 80, 24};
  look.focused = true;
  const PaintPlan plan = PaintRadio(c, look, true, false);
  const Rect box{0, 4, 15, 19};  // 15 pixels, centred in 4..20
  EXPECT_EQ(plan[0].rect, box);
  const PlanOp* ring = FindShape(plan, PlanShape::Ellipse, 0);
  const PlanOp* dot = FindShape(plan, PlanShape::Ellipse, 1);
  ASSERT_TRUE(ring && dot);
  EXPECT_EQ(ring->rect, Inset(box, 2, 2));
  EXPECT_EQ(*ring->brush, c.colors.selection);                // focused: selection fill
  EXPECT_EQ(*ring->pen, c.Sys(kSysBtnShadow));              // ... but the plain frame
  EXPECT_EQ(dot->rect, Inset(box, 4, 4));
  EXPECT_EQ(*dot->brush, c.Sys(kSysHighlight));
}


TEST(XPPainters, EditFrameByBorderAndState) {
  const XPPaintContext c = Context();
  const ColorRef parent = MakeColorRef(200, 200, 200), border = c.colors.selectionBorder;
  struct Case {
    bool single, mouseIn, focused;
    ColorRef want;
  };
  const Case cases[] = {
      {true, false, false, c.Shade(parent, 60)},  {false, false, false, parent},
      {true, true, false, c.Lighter(border, 60)}, {false, false, true, c.Lighter(border, 80)},
  };
  for (const Case& k : cases) {
    ControlLook look;
    look.client = {0, 0, 50, 20};
    look.mouseIn = k.mouseIn;
    look.focused = k.focused;
    look.parentColor = parent;
    const PaintPlan plan = PaintEdit(c, look, k.single);
    ASSERT_EQ(plan.size(), 1u);
    EXPECT_EQ(plan[0].rect, look.client);
    EXPECT_FALSE(plan[0].brush);
    EXPECT_EQ(*plan[0].pen, k.want) << k.single << k.mouseIn << k.focused;
  }
}

// The raised line runs along the right and bottom, and along the left and top while pressed.
TEST(XPPainters, ButtonFaceAndEdgeByState) {
  const XPPaintContext c = Context();
  const ColorRef hotBase = c.Lighter(c.colors.selectionBorder, 60);
  struct Case {
    const char* what;
    bool mouseIn, left, space, focused, enabled;
    ColorRef face, base;
    int edgeX;  // x of the edge's first point; 0 without an edge
  };
  const Case cases[] = {
      {"plain", false, false, false, false, true, c.colors.iconColumn, c.Sys(kSysBtnShadow), 98},
      {"hot", true, false, false, false, true, c.Lighter(c.Sys(kSysBtnFace), 60), hotBase, 98},
      {"pressed", true, true, false, false, true, c.Lighter(c.Sys(kSysBtnFace), 60), hotBase, 1},
      {"held off the button", false, true, false, false, true, c.colors.iconColumn, c.Sys(kSysBtnShadow), 98},
      {"space", false, false, true, false, true, c.Lighter(c.Sys(kSysBtnFace), 60), hotBase, 1},
      {"focused", false, false, false, true, true, c.colors.iconColumn, hotBase, 98},
      {"disabled", false, false, false, false, false, c.colors.iconColumn, c.Sys(kSysBtnShadow), 0},
  };
  for (const Case& k : cases) {
    ControlLook look;
    look.client = {0, 0, 100, 30};
    look.mouseIn = k.mouseIn;
    look.leftPressed = k.left;
    look.spacePressed = k.space;
    look.focused = k.focused;
    look.enabled = k.enabled;
    look.caption = "&OK";
    const PaintPlan plan = PaintButton(c, look);
    const PlanOp* round = FindShape(plan, PlanShape::RoundRect);
    ASSERT_TRUE(round) << k.what;
    EXPECT_EQ(*round->brush, k.face) << k.what;
    EXPECT_EQ(*round->pen, c.Lighter(k.base, 30)) << k.what;
    const auto lines = Lines(plan);
    if (k.edgeX == 0) {
      EXPECT_TRUE(lines.empty()) << k.what;
    } else {
      ASSERT_EQ(lines.size(), 1u) << k.what;
      EXPECT_EQ(lines[0][0].x, k.edgeX) << k.what;
    }
    const PlanOp* text = FindShape(plan, PlanShape::Text);
    ASSERT_TRUE(text) << k.what;
    EXPECT_EQ(text->text, "&OK");
    EXPECT_EQ(*text->pen, k.enabled ? c.Sys(kSysBtnText) : c.colors.disabled) << k.what;
  }
}

TEST(XPPainters, SpeedButtonFramesAndTint) {
  XPPaintContext c = Context();
  ControlLook look;
  look.client = {0, 0, 60, 24};

  // A flat opaque button at rest shows no frame: its pen is its face.
  PaintPlan plan = PaintSpeedButton(c, look, {false, true, false});
  ASSERT_EQ(plan.size(), 1u);
  EXPECT_EQ(*plan[0].pen, *plan[0].brush);
  // A flat transparent one at rest draws nothing at all.
  EXPECT_TRUE(PaintSpeedButton(c, look, {false, true, true}).empty());

  // Down and hot: the selected checked colour, a tint first when transparent, stronger at 16 bits.
  look.mouseIn = true;
  for (int bpp : {16, 32}) {
    c.surface.bitsPerPixel = bpp;
    plan = PaintSpeedButton(c, look, {true, false, true});
    ASSERT_EQ(plan[0].shape, PlanShape::Tint);
    EXPECT_EQ(*plan[0].brush, c.Lighter(c.colors.selection, bpp <= 16 ? 40 : 20));
    EXPECT_FALSE(plan[1].brush);  // a clear brush over the tint
  }
  plan = PaintSpeedButton(c, look, {true, false, false});
  EXPECT_EQ(*plan[0].brush, c.colors.checkedAreaSelected);
  EXPECT_EQ(*plan[0].pen, c.Lighter(c.colors.selectionBorder, 30));
  EXPECT_EQ(Lines(plan)[0][0].x, 1);  // down: the line along the left and top
}

TEST(XPPainters, PanelBevelsAreRedrawnShadeOverLightWhenLowered) {
  const XPPaintContext c = Context();
  ControlLook look;
  look.client = {0, 0, 40, 30};
  look.color = kWhite;
  const ColorRef shade = c.Shade(kWhite, 60), light = c.Lighter(kWhite, 60);
  const PaintPlan plan = PaintPanel(c, look, {PanelBevel::Lowered, PanelBevel::Raised, 1, 2});
  ASSERT_EQ(plan.size(), 8u);
  EXPECT_EQ(plan[0].rect, (Rect{0, 0, 39, 1}));  // outer top: shade
  EXPECT_EQ(*plan[0].brush, shade);
  EXPECT_EQ(*plan[3].brush, light);              // outer right
  EXPECT_EQ(plan[4].rect, (Rect{3, 3, 36, 4}));  // inner top, inside bevel and border
  EXPECT_EQ(*plan[4].brush, light);
  EXPECT_TRUE(PaintPanel(c, look, {PanelBevel::None, PanelBevel::None, 1, 0}).empty());
}

// The flat frame replaces the two-pixel etched one, leaving the caption's gap in the top edge.
TEST(XPPainters, GroupBoxFrameSkipsTheCaption) {
  const XPPaintContext c = Context();
  ControlLook look;
  look.client = {0, 0, 200, 80};
  look.parentColor = MakeColorRef(212, 208, 200);
  const PaintPlan withCaption = PaintGroupBox(c, look, 40, 16);
  const auto lines = Lines(withCaption);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].front(), (PlanPoint{52, 8}));  // after the caption: 8 + 40 + 4
  EXPECT_EQ(lines[0].back(), (PlanPoint{8, 8}));
  EXPECT_EQ(*withCaption.back().pen, c.Shade(look.parentColor, 60));
  for (const PlanOp& op : withCaption) {
    if (op.brush) {
      EXPECT_TRUE(op.rect.Intersect({8, 8, 52, 10}).IsEmpty()) << op.rect.left;  // the caption stays
    }
  }

  look.rightToLeft = true;
  EXPECT_EQ(Lines(PaintGroupBox(c, look, 40, 16))[0].front(), (PlanPoint{192, 8}));
  look.rightToLeft = false;
  EXPECT_EQ(Lines(PaintGroupBox(c, look, 0, 16))[0].front(), (PlanPoint{0, 8}));  // closed without a caption
}

}  // namespace
}  // namespace saverkit
