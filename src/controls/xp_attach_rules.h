// Which components `TXPMenu` takes over when it is switched on: controls by kind and by the kind
// of their parent, never one whose own or whose parent's tag is 999 (the layouts' way of
// keeping a control's own look), menu items and tool bars unless they draw themselves.
#pragma once

#include <optional>
#include <string_view>

#include "controls/control_subclass_state.h"
#include "controls/xp_menu_settings.h"

namespace saverkit {

inline constexpr int kXPUntouchedTag = 999;

// The framework class names of the controls the painter knows ("TEdit", "TComboBox", ...).
std::optional<TXPControl> XPControlOfClass(std::string_view className);
// The container kind of a parent; a control with no parent component sits on the form.
std::optional<TXPContainer> XPContainerOfClass(std::string_view parentClassName);
SubclassKind SubclassKindOf(TXPControl control);

struct XPCandidate {
  std::string_view className;
  int tag = 0;
  std::string_view parentClassName;  // empty: the form itself
  int parentTag = 0;
};

// True when the control gets a `TControlSubClass` on attaching.
bool ShouldSubclass(const XPCandidate& candidate, const XPMenuSettings& settings);

// True when a menu item (or tool bar) gets our drawing handlers.
bool TakesOwnerDraw(int tag, bool hasOwnHandler, const XPMenuSettings& settings);

}  // namespace saverkit
