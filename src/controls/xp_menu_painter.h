// Owner-drawn menu items of `TXPMenu`: the size an item asks for (`MeasureItem`) and what
// `MenueDrawItem` draws for it: background or gradient, icon column, selection, check mark,
// separator and text.
#pragma once

#include <string>

#include "controls/xp_control_painters.h"

namespace saverkit {

// The text an item is measured by: its caption ("-", a separator, counts as empty) and, with a
// shortcut, the shortcut text and "WWW" as spacing.
std::string MenuItemMeasureText(const std::string& caption, const std::string& shortcut);
bool IsMenuSeparator(const std::string& caption);

struct MenuItemSize {
  int width = 0;
  int height = 0;
};

// What the Windows half measured for an item, in the menu font.
struct MenuItemMeasure {
  std::string caption;
  int textWidth = 0;        // of MenuItemMeasureText
  int textHeight = 0;
  int ampersandWidth = 0;   // of "&"
  int imageWidth = 0;       // 0 without an image
  int imageHeight = 0;
  bool topLevel = false;    // an item of the form's main menu bar
  bool ntFamily = true;
};

// The size Windows asks about grows to fit the item; it never shrinks.
MenuItemSize MeasureItem(const XPMenuSettings& settings, const XPMetrics& metrics, const MenuItemMeasure& item,
                         MenuItemSize given);

struct MenuItemLook {
  Rect row;
  std::string caption;
  std::string shortcut;
  bool selected = false;
  bool enabled = true;
  bool checked = false;
  bool radio = false;
  bool topLevel = false;
  bool rightToLeft = false;
  int imageWidth = 0;  // 0 without an image
};

struct MenuItemLayout {
  Rect iconColumn;
  Rect checkArea;
  Rect textArea;
};

MenuItemLayout LayOutMenuItem(const XPMenuSettings& settings, const XPMetrics& metrics, const MenuItemLook& item);

// The icon column's gradient over `row`: one-pixel columns lightening from the icon column
// colour, quickly across the icon column and slowly after it.
PaintPlan DrawGradient(const XPPaintContext& c, int iconWidth, const Rect& row, bool rightToLeft);

PaintPlan DrawCheckedItem(const XPPaintContext& c, const MenuItemLook& item, const MenuItemLayout& layout);

PaintPlan MenueDrawItem(const XPPaintContext& c, const XPMenuSettings& settings, const MenuItemLook& item);

}  // namespace saverkit
