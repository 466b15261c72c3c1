#include "controls/xp_menu_painter.h"

#include <algorithm>
#include <utility>

namespace saverkit {

bool IsMenuSeparator(const std::string& caption) { return caption == "-"; }

std::string MenuItemMeasureText(const std::string& caption, const std::string& shortcut) {
  std::string text = IsMenuSeparator(caption) ? std::string() : caption;
  if (!shortcut.empty()) text += shortcut + "WWW";
  return text;
}

MenuItemSize MeasureItem(const XPMenuSettings& settings, const XPMetrics& metrics, const MenuItemMeasure& item,
                         MenuItemSize given) {
  const int imageExtent =
      item.topLevel ? item.imageWidth : std::max(item.imageWidth, metrics.Scaled(settings.iconWidth));
  int width = item.textWidth + metrics.Scaled(5) + imageExtent;
  if (item.caption.find('&') != std::string::npos) width -= item.ampersandWidth;
  if (item.topLevel && item.ntFamily) width += metrics.Scaled(8);

  int height;
  if (IsMenuSeparator(item.caption)) {
    height = metrics.Scaled(4);
  } else {
    height = item.textHeight + (item.textHeight * 3 + 2) / 4;  // text height + round(0.75 x text height)
    if (item.imageHeight > 0) height = std::max(height, item.imageHeight + metrics.Scaled(6));
  }
  return MenuItemSize{std::max(given.width, width), std::max(given.height, height)};
}

MenuItemLayout LayOutMenuItem(const XPMenuSettings& settings, const XPMetrics& metrics, const MenuItemLook& item) {
  const Rect& row = item.row;
  const int iconWidth = metrics.Scaled(settings.iconWidth);
  MenuItemLayout layout;
  layout.iconColumn = item.rightToLeft ? Rect{row.right - iconWidth, row.top, row.right, row.bottom}
                                       : Rect{row.left, row.top, row.left + iconWidth, row.bottom};
  const Rect& icon = layout.iconColumn;
  if (item.imageWidth > 0) {
    layout.checkArea = Rect{icon.left + 1, icon.top + 2, icon.right - 3, icon.bottom - 2};
  } else {
    const int side = metrics.Scaled(10);
    const int left = icon.left + (icon.Width() - side) / 2;
    const int top = icon.top + (icon.Height() - side) / 2;
    layout.checkArea = Rect{left, top, left + side, top + side};
  }
  if (item.imageWidth > iconWidth) {
    if (item.rightToLeft)
      layout.checkArea.left = layout.checkArea.right - item.imageWidth;
    else
      layout.checkArea.right = layout.checkArea.left + item.imageWidth;
  }
  if (item.topLevel) layout.checkArea.top -= 1;

  int textStart = item.topLevel ? metrics.Scaled(4) : iconWidth;
  if (item.imageWidth > 0) textStart = std::max(textStart, item.imageWidth + metrics.Scaled(4));
  layout.textArea = item.rightToLeft ? Rect{row.left, row.top, row.right - textStart, row.bottom}
                                     : Rect{row.left + textStart, row.top, row.right, row.bottom};
  return layout;
}

PaintPlan DrawGradient(const XPPaintContext& c, int iconWidth, const Rect& row, bool rightToLeft) {
  PaintPlan plan;
  const int fastColumns = iconWidth + 5;
  // Neighbouring columns of one colour become one rectangle.
  const auto addRun = [&](int from, int to, ColorRef colour) {
    const Rect r = rightToLeft ? Rect{row.right - to, row.top, row.right - from, row.bottom}
                               : Rect{row.left + from, row.top, row.left + to, row.bottom};
    AddFill(plan, r, colour);
  };
  int offset = 0;
  int runStart = 0;
  ColorRef runColour = c.Lighter(c.colors.iconColumn, 0);
  for (int k = 0; k < row.Width(); ++k) {
    const ColorRef colour = c.Lighter(c.colors.iconColumn, offset);
    if (colour != runColour) {
      addRun(runStart, k, runColour);
      runStart = k;
      runColour = colour;
    }
    offset = std::min(offset + (k < fastColumns ? 3 : 1), 96);
  }
  if (row.Width() > 0) addRun(runStart, row.Width(), runColour);
  return plan;
}

PaintPlan DrawCheckedItem(const XPPaintContext& c, const MenuItemLook& item, const MenuItemLayout& layout) {
  PaintPlan plan;
  if (!item.checked) return plan;
  const XPWorkingColors& w = c.colors;
  const Rect& area = layout.checkArea;
  const ColorRef fill = item.selected ? w.checkedAreaSelected : w.checkedArea;
  const bool hasImage = item.imageWidth > 0;
  const ColorRef border = item.enabled ? w.selectionBorder : w.disabled;
  if (item.radio) {
    PlanOp op;
    op.shape = hasImage ? PlanShape::RoundRect : PlanShape::Ellipse;
    op.rect = area;
    op.pen = border;
    op.brush = fill;
    op.corner = c.metrics.Scaled(6);
    plan.push_back(std::move(op));
  } else if (hasImage) {
    AddRectangle(plan, area, border, fill);
  } else {
    const ColorRef frame = item.enabled ? w.checked : w.disabled;
    const ColorRef mark = item.enabled ? c.Ink() : w.disabled;
    AddRectangle(plan, area, frame, fill);
    // A tick of five strokes: two for the short leg, three for the long one.
    const int s = c.metrics.Scaled(1);
    const int x = area.left, y = area.top;
    for (int i = 0; i < 2; ++i) AddLine(plan, {{x + 2 * s, y + 4 * s + i}, {x + 4 * s, y + 6 * s + i}}, mark);
    for (int i = 0; i < 3; ++i) AddLine(plan, {{x + 4 * s, y + 6 * s + i - 1}, {x + 8 * s, y + 2 * s + i - 1}}, mark);
  }
  return plan;
}

PaintPlan MenueDrawItem(const XPPaintContext& c, const XPMenuSettings& settings, const MenuItemLook& item) {
  const XPWorkingColors& w = c.colors;
  const MenuItemLayout layout = LayOutMenuItem(settings, c.metrics, item);
  const Rect& row = item.row;
  const bool separator = IsMenuSeparator(item.caption);
  PaintPlan plan;

  if (item.topLevel) {
    AddFill(plan, row, w.menuBar);
  } else if (w.highColor && settings.gradient) {
    plan = DrawGradient(c, c.metrics.Scaled(settings.iconWidth), row, item.rightToLeft);
  } else {
    AddFill(plan, row, w.menu);
    AddFill(plan, layout.iconColumn, w.iconColumn);
  }

  ColorRef textColor = item.enabled ? w.fontColor : w.disabled;
  if (item.selected && settings.drawSelect && item.enabled && !separator) {
    if (item.topLevel) {
      // The bar's item lights up as a flat button.
      AddRectangle(plan, row, w.selectionBorder, w.selection);
      textColor = TopMenuFontColor(c.surface, w.selection, w.fontColor);
    } else {
      const int rightInset = settings.flatMenu ? 1 : 0;
      AddRectangle(plan, {row.left, row.top + 1, row.right - rightInset, row.bottom - 1}, w.selectionBorder,
                   w.selection);
      textColor = w.selectionFont;
    }
  }

  for (auto& op : DrawCheckedItem(c, item, layout)) plan.push_back(std::move(op));

  if (separator) {
    const int y = row.top + row.Height() / 2;
    const Rect& t = layout.textArea;
    const int start = c.metrics.Scaled(7);
    if (item.rightToLeft)
      AddLine(plan, {{t.left, y}, {t.right - start, y}}, w.separator);
    else
      AddLine(plan, {{t.left + start, y}, {t.right, y}}, w.separator);
    return plan;
  }

  const Rect textRect = Inset(layout.textArea, c.metrics.Scaled(3), 0);
  PlanOp text;
  text.shape = PlanShape::Text;
  text.rect = textRect;
  text.text = item.caption;
  text.pen = textColor;
  text.align = item.topLevel ? PlanAlign::Center : (item.rightToLeft ? PlanAlign::Right : PlanAlign::Left);
  text.rightToLeft = item.rightToLeft;
  plan.push_back(text);
  if (!item.shortcut.empty()) {
    text.text = item.shortcut;
    text.align = item.rightToLeft ? PlanAlign::Left : PlanAlign::Right;
    plan.push_back(std::move(text));
  }
  return plan;
}

}  // namespace saverkit
