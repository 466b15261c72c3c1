#include <gtest/gtest.h>

#include "controls/xp_menu_painter.h"

namespace saverkit {
namespace {

TEST(XPMenu, MeasureItemSizes) {
  XPMenuSettings settings;  // icon column 24
  struct Case {
    const char* what;
    MenuItemMeasure item;
    MenuItemSize given;
    int dpi;
    MenuItemSize want;
  };
  const Case cases[] = {
      // 60 + 5 + 24; 16 + 12
      {"plain", {"Set as wallpaper", 60, 16, 6, 0, 0, false, true}, {0, 0}, 96, {89, 28}},
      {"ampersand", {"&Tile", 30, 16, 6, 0, 0, false, true}, {0, 0}, 96, {53, 28}},
      {"odd text height rounds", {"x", 10, 13, 6, 0, 0, false, true}, {0, 0}, 96, {39, 23}},
      {"wide image", {"x", 10, 16, 6, 32, 30, false, true}, {0, 0}, 96, {47, 36}},
      {"separator", {"-", 0, 16, 6, 0, 0, false, true}, {0, 0}, 96, {29, 4}},
      {"top level on NT", {"File", 20, 16, 6, 0, 0, true, true}, {0, 0}, 96, {33, 28}},
      {"top level on 9x", {"File", 20, 16, 6, 0, 0, true, false}, {0, 0}, 96, {25, 28}},
      {"never shrinks", {"x", 10, 16, 6, 0, 0, false, true}, {200, 40}, 96, {200, 40}},
      {"144 DPI", {"Set as wallpaper", 90, 24, 9, 0, 0, false, true}, {0, 0}, 144, {90 + 8 + 36, 42}},
  };
  for (const Case& c : cases) {
    XPMetrics m;
    m.dpi = c.dpi;
    const MenuItemSize got = MeasureItem(settings, m, c.item, c.given);
    EXPECT_EQ(got.width, c.want.width) << c.what;
    EXPECT_EQ(got.height, c.want.height) << c.what;
  }
  EXPECT_EQ(MenuItemMeasureText("-", ""), "");
  EXPECT_EQ(MenuItemMeasureText("&Open", "Ctrl+O"), "&OpenCtrl+OWWW");
}

TEST(XPMenu, ItemLayoutColumnsAndCheckArea) {
  XPMenuSettings settings;
  settings.iconWidth = 20;
  MenuItemLook item;
  item.row = {0, 0, 150, 22};
  MenuItemLayout l = LayOutMenuItem(settings, XPMetrics{}, item);
  EXPECT_EQ(l.iconColumn, (Rect{0, 0, 20, 22}));
  EXPECT_EQ(l.checkArea, (Rect{5, 6, 15, 16}));  // 10 by 10, centred in the column
  EXPECT_EQ(l.textArea, (Rect{20, 0, 150, 22}));

  item.imageWidth = 16;
  l = LayOutMenuItem(settings, XPMetrics{}, item);
  EXPECT_EQ(l.checkArea, (Rect{1, 2, 17, 20}));

  item.rightToLeft = true;
  item.imageWidth = 0;
  l = LayOutMenuItem(settings, XPMetrics{}, item);
  EXPECT_EQ(l.iconColumn, (Rect{130, 0, 150, 22}));
  EXPECT_EQ(l.textArea, (Rect{0, 0, 130, 22}));
}

XPPaintContext Context(int bpp) {
  XPPaintContext c;
  c.surface.bitsPerPixel = bpp;
  c.colors = SetGlobalColor(XPMenuSettings{}, c.surface);
  return c;
}

TEST(XPMenu, GradientLightensFastOverTheIconColumnThenSlowlyUpTo96) {
  const XPPaintContext c = Context(32);
  const PaintPlan plan = DrawGradient(c, 10, {0, 0, 200, 20}, false);
  // Column k's offset: 3k over the first 15 columns, then one more per column, capped at 96.
  std::vector<ColorRef> columns;
  for (const PlanOp& op : plan)
    for (int x = op.rect.left; x < op.rect.right; ++x) columns.push_back(*op.brush);
  ASSERT_EQ(columns.size(), 200u);
  const auto offsetOf = [](int k) { return std::min(k <= 15 ? 3 * k : 45 + (k - 15), 96); };
  for (int k : {0, 1, 14, 15, 16, 40, 66, 67, 199})
    EXPECT_EQ(columns[size_t(k)], NewColor(c.surface, c.colors.iconColumn, offsetOf(k))) << k;
  EXPECT_EQ(plan.back().rect.right, 200);

  const PaintPlan mirrored = DrawGradient(c, 10, {0, 0, 200, 20}, true);
  EXPECT_EQ(mirrored.front().rect.right, 200);
  EXPECT_EQ(*mirrored.front().brush, columns[0]);
}

TEST(XPMenu, GradientOnlyInHighColour) {
  XPMenuSettings settings;
  settings.gradient = true;
  MenuItemLook item;
  item.row = {0, 0, 120, 20};
  item.caption = "Centre";
  for (int bpp : {15, 32}) {
    const PaintPlan plan = MenueDrawItem(Context(bpp), settings, item);
    size_t fills = 0;
    for (const PlanOp& op : plan) fills += op.shape == PlanShape::Rectangle && !op.pen;
    EXPECT_EQ(fills > 2, bpp > 15) << bpp;  // the gradient's many columns, or row plus icon column
  }
}

TEST(XPMenu, SelectionSeparatorAndDisabledText) {
  const XPPaintContext c = Context(32);
  XPMenuSettings settings;
  MenuItemLook item;
  item.row = {0, 10, 120, 32};
  item.caption = "Stretch";
  item.selected = true;
  PaintPlan plan = MenueDrawItem(c, settings, item);
  const PlanOp& selection = plan[2];
  EXPECT_EQ(selection.rect, (Rect{0, 11, 120, 31}));
  EXPECT_EQ(*selection.brush, c.colors.selection);
  EXPECT_EQ(*selection.pen, c.colors.selectionBorder);
  EXPECT_EQ(plan.back().text, "Stretch");
  EXPECT_EQ(plan.back().rect.left, 24 + 3);

  item.enabled = false;
  plan = MenueDrawItem(c, settings, item);
  EXPECT_EQ(plan.size(), 3u);  // no selection for a disabled item
  EXPECT_EQ(*plan.back().pen, c.colors.disabled);

  item.caption = "-";
  plan = MenueDrawItem(c, settings, item);
  ASSERT_EQ(plan.back().shape, PlanShape::Polyline);
  EXPECT_EQ(plan.back().points, (std::vector<PlanPoint>{{31, 21}, {120, 21}}));
  EXPECT_EQ(*plan.back().pen, c.colors.separator);
}

TEST(XPMenu, CheckedItems) {
  const XPPaintContext c = Context(32);
  MenuItemLook item;
  item.row = {0, 0, 120, 22};
  item.checked = true;
  MenuItemLayout layout = LayOutMenuItem(XPMenuSettings{}, c.metrics, item);
  PaintPlan plan = DrawCheckedItem(c, item, layout);
  ASSERT_EQ(plan.size(), 6u);  // the box and five strokes
  EXPECT_EQ(*plan[0].pen, c.colors.checked);
  EXPECT_EQ(*plan[1].pen, kBlack);

  item.radio = true;
  item.selected = true;
  plan = DrawCheckedItem(c, item, layout);
  ASSERT_EQ(plan.size(), 1u);
  EXPECT_EQ(plan[0].shape, PlanShape::Ellipse);
  EXPECT_EQ(*plan[0].brush, c.colors.checkedAreaSelected);

  item.checked = false;
  EXPECT_TRUE(DrawCheckedItem(c, item, layout).empty());
}

}  // namespace
}  // namespace saverkit
