#include "controls/xp_attach_rules.h"

#include <utility>

namespace saverkit {

namespace {

template <typename T, size_t N>
std::optional<T> Lookup(const std::pair<std::string_view, T> (&table)[N], std::string_view name) {
  for (const auto& [key, value] : table)
    if (key == name) return value;
  return std::nullopt;
}

constexpr std::pair<std::string_view, TXPControl> kControlClasses[] = {
    {"TComboBox", xcCombo},         {"TEdit", xcEdit},         {"TLabeledEdit", xcEdit},
    {"TMaskEdit", xcMaskEdit},      {"TMemo", xcMemo},         {"TRichEdit", xcRichEdit},
    {"TCheckBox", xcCheckBox},      {"TRadioButton", xcRadioButton}, {"TButton", xcButton},
    {"TUpDown", xcButton},          {"TBitBtn", xcBitBtn},     {"TSpeedButton", xcSpeedButton},
    {"TPanel", xcPanel},            {"TGroupBox", xcGroupBox},
};

constexpr std::pair<std::string_view, TXPContainer> kContainerClasses[] = {
    {"TToolBar", xccToolbar},     {"TCoolBar", xccCoolbar},       {"TPanel", xccPanel},
    {"TControlBar", xccControlbar}, {"TScrollBox", xccScrollBox}, {"TGroupBox", xccGroupBox},
    {"TTabSheet", xccTabSheet},   {"TPageScroller", xccPageScroller}, {"TFrame", xccFrame},
};

}  // namespace

std::optional<TXPControl> XPControlOfClass(std::string_view className) {
  return Lookup(kControlClasses, className);
}

std::optional<TXPContainer> XPContainerOfClass(std::string_view parentClassName) {
  if (parentClassName.empty() || parentClassName.substr(0, 5) == "TForm") return xccForm;
  return Lookup(kContainerClasses, parentClassName);
}

SubclassKind SubclassKindOf(TXPControl control) {
  switch (control) {
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
  const auto control = XPControlOfClass(candidate.className);
  const auto container = XPContainerOfClass(candidate.parentClassName);
  return control && container && settings.controls.Has(*control) && settings.containers.Has(*container);
}

bool TakesOwnerDraw(int tag, bool hasOwnHandler, const XPMenuSettings& settings) {
  return tag != kXPUntouchedTag && (!hasOwnHandler || settings.overrideOwnerDraw);
}

}  // namespace saverkit
