// Which components `TXPMenu` takes over when it is switched on: controls by kind and by the kind
// of their parent, never one whose own or whose parent's tag is 999 (the layouts' way of
// keeping a control's own look), menu items and tool bars unless they draw themselves.
#pragma once

#include <optional>

#include "controls/control_subclass_state.h"
#include "controls/xp_menu_settings.h"
#include "forms/component_kind.h"

namespace saverkit {

inline constexpr int kXPUntouchedTag = 999;

// The painter's kind of a control it knows (edits, combo boxes, buttons, panels, ...).
std::optional<TXPControl> XPControlOf(ComponentKind kind);
// The container kind of a parent; a control with no parent component sits on the form.
std::optional<TXPContainer> XPContainerOf(ComponentKind parentKind);
// The painter of a control the flat look takes over. Up-down controls are taken with the buttons
// but keep Windows' own drawing: Other, which paints nothing.
SubclassKind SubclassKindOf(ComponentKind kind);

struct XPCandidate {
  ComponentKind kind = ComponentKind::kOther;
  int tag = 0;
  ComponentKind parentKind = ComponentKind::kForm;  // a control with no parent component sits on the form
  int parentTag = 0;
};

// True when the control gets a `TControlSubClass` on attaching.
bool ShouldSubclass(const XPCandidate& candidate, const XPMenuSettings& settings);

// True when a menu item (or tool bar) gets our drawing handlers.
bool TakesOwnerDraw(int tag, bool hasOwnHandler, const XPMenuSettings& settings);

}  // namespace saverkit
