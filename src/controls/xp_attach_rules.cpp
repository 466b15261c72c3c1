#include "controls/xp_attach_rules.h"

namespace saverkit {

std::optional<TXPControl> XPControlOf(ComponentKind kind) {
  switch (kind) {
    case ComponentKind::kComboBox: return xcCombo;
    case ComponentKind::kEdit:
    case ComponentKind::kLabeledEdit: return xcEdit;
    case ComponentKind::kMaskEdit: return xcMaskEdit;
    case ComponentKind::kMemo: return xcMemo;
    case ComponentKind::kRichEdit: return xcRichEdit;
    case ComponentKind::kCheckBox: return xcCheckBox;
    case ComponentKind::kRadioButton: return xcRadioButton;
    case ComponentKind::kButton:
    case ComponentKind::kUpDown: return xcButton;
    case ComponentKind::kBitButton: return xcBitBtn;
    case ComponentKind::kSpeedButton: return xcSpeedButton;
    case ComponentKind::kPanel: return xcPanel;
    case ComponentKind::kGroupBox: return xcGroupBox;
    default: return std::nullopt;
  }
}

std::optional<TXPContainer> XPContainerOf(ComponentKind parentKind) {
  switch (parentKind) {
    case ComponentKind::kForm: return xccForm;
    case ComponentKind::kFrame: return xccFrame;
    case ComponentKind::kToolBar: return xccToolbar;
    case ComponentKind::kCoolBar: return xccCoolbar;
    case ComponentKind::kPanel: return xccPanel;
    case ComponentKind::kControlBar: return xccControlbar;
    case ComponentKind::kScrollBox: return xccScrollBox;
    case ComponentKind::kGroupBox: return xccGroupBox;
    case ComponentKind::kTabSheet: return xccTabSheet;
    case ComponentKind::kPageScroller: return xccPageScroller;
    default: return std::nullopt;
  }
}

SubclassKind SubclassKindOf(ComponentKind kind) {
  const std::optional<TXPControl> control = XPControlOf(kind);
  if (!control || kind == ComponentKind::kUpDown) return SubclassKind::Other;
  switch (*control) {
    case xcCombo:
      return SubclassKind::Combo;
    case xcEdit:
    case xcMaskEdit:
    case xcMemo:
    case xcRichEdit:
      return SubclassKind::Edit;
    case xcCheckBox:
      return SubclassKind::CheckBox;
    case xcRadioButton:
      return SubclassKind::Radio;
    case xcButton:
    case xcBitBtn:
      return SubclassKind::Button;
    case xcSpeedButton:
      return SubclassKind::SpeedButton;
    case xcPanel:
      return SubclassKind::Panel;
    case xcGroupBox:
      return SubclassKind::GroupBox;
    default:
      return SubclassKind::Other;
  }
}

bool ShouldSubclass(const XPCandidate& candidate, const XPMenuSettings& settings) {
  if (candidate.tag == kXPUntouchedTag || candidate.parentTag == kXPUntouchedTag) return false;
  const auto control = XPControlOf(candidate.kind);
  const auto container = XPContainerOf(candidate.parentKind);
  return control && container && settings.controls.Has(*control) && settings.containers.Has(*container);
}

bool TakesOwnerDraw(int tag, bool hasOwnHandler, const XPMenuSettings& settings) {
  return tag != kXPUntouchedTag && (!hasOwnHandler || settings.overrideOwnerDraw);
}

}  // namespace saverkit
