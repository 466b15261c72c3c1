// A form's layout as data: one row per component, in the order the form creates them, naming its
// class, name, parent, tag, built-in caption and bounds, then the properties of its class.
//
//   const LayoutRow kRows[] = {
//     {"TPanel", "PanelMain", "", kUntagged, "", {0, 0, 392, 183}, Props().Colour(kColorWhite)},
//     {"TButton", "Btn1", "PanelMain", kUntagged, "&OK", {34, 130, 100, 29}, Props().Default().Result(kModalOk)},
//   };
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/component.h"

namespace saverkit {

// The tag of a component the layout gives no number: like any tag it looks up "S_" + tag in the
// static texts, so a package's "S_0" reaches every such label, button, box and menu item.
inline constexpr int32_t kUntagged = 0;
// A component whose caption must never change, whatever the texts say.
inline constexpr int32_t kFixedCaption = -1;

struct LayoutRow {
  const char* className;
  const char* name;
  const char* parent;  // the name of an earlier row; "" for the form itself
  int32_t tag;
  const char* caption;
  ControlBounds bounds;
  ControlProps props;
};

// Adds the rows' components to `form` in order. False when a row names a parent that no earlier
// row declared, or repeats a name; every row is still added (an unknown parent becomes the form),
// so a form's test can hold its table to this.
bool AddLayout(ComponentOwner& form, const std::vector<LayoutRow>& rows);

// Places the aligned children of `parent` (nullptr: the form) in a client area of `width` x
// `height`, as the framework does: top-aligned children from the top down in creation order,
// bottom-aligned from the bottom up, then left, right, and client-aligned ones fill what is left.
// Hidden children take no room. Bounds change through SetBounds, so resize events follow.
void AlignChildren(ComponentOwner& form, const Component* parent, int32_t width, int32_t height);

}  // namespace saverkit
