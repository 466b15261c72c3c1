#include "forms/component_kind.h"

#include <utility>

namespace saverkit {
namespace {

constexpr std::pair<std::string_view, ComponentKind> kKinds[] = {
    {"TFrame", ComponentKind::kFrame},
    {"TLabel", ComponentKind::kLabel},
    {"TImage", ComponentKind::kImage},
    {"XImageEx", ComponentKind::kHoverImage},
    {"TBevel", ComponentKind::kBevel},
    {"TButton", ComponentKind::kButton},
    {"TBitBtn", ComponentKind::kBitButton},
    {"TSpeedButton", ComponentKind::kSpeedButton},
    {"TCheckBox", ComponentKind::kCheckBox},
    {"TRadioButton", ComponentKind::kRadioButton},
    {"TEdit", ComponentKind::kEdit},
    {"TLabeledEdit", ComponentKind::kLabeledEdit},
    {"TMaskEdit", ComponentKind::kMaskEdit},
    {"TMemo", ComponentKind::kMemo},
    {"TRichEdit", ComponentKind::kRichEdit},
    {"TComboBox", ComponentKind::kComboBox},
    {"TUpDown", ComponentKind::kUpDown},
    {"TPanel", ComponentKind::kPanel},
    {"TGroupBox", ComponentKind::kGroupBox},
    {"TScrollBox", ComponentKind::kScrollBox},
    {"TPageControl", ComponentKind::kPageControl},
    {"TTabSheet", ComponentKind::kTabSheet},
    {"TPageScroller", ComponentKind::kPageScroller},
    {"TToolBar", ComponentKind::kToolBar},
    {"TToolButton", ComponentKind::kToolButton},
    {"TCoolBar", ComponentKind::kCoolBar},
    {"TControlBar", ComponentKind::kControlBar},
    {"TPopupMenu", ComponentKind::kPopupMenu},
    {"TMenuItem", ComponentKind::kMenuItem},
    {"TTimer", ComponentKind::kTimer},
};

constexpr std::string_view kFormPrefix = "TForm";

}  // namespace

ComponentKind ComponentKindOf(std::string_view className) {
  for (const auto& [name, kind] : kKinds) {
    if (name == className) return kind;
  }
  if (className.substr(0, kFormPrefix.size()) == kFormPrefix) return ComponentKind::kForm;
  return ComponentKind::kOther;
}

}  // namespace saverkit
