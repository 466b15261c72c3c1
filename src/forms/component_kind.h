// What kind of control a component is, worked out once from the class name its layout row gives
// it ("TButton", "TLabel", "XImageEx", ...). Everything that treats kinds differently asks the
// kind; the class name itself is only kept to describe the component.
#pragma once

#include <string_view>

namespace saverkit {

enum class ComponentKind {
  kOther,  // a class no code treats apart (an image list, a painter, a class we do not know)
  kForm,   // "TForm" and the forms derived from it ("TFormScrNeo", ...)
  kFrame,
  kLabel,
  kImage,
  kHoverImage,  // "XImageEx"
  kBevel,
  kButton,
  kBitButton,
  kSpeedButton,
  kCheckBox,
  kRadioButton,
  kEdit,
  kLabeledEdit,
  kMaskEdit,
  kMemo,
  kRichEdit,
  kComboBox,
  kUpDown,
  kPanel,
  kGroupBox,
  kScrollBox,
  kPageControl,
  kTabSheet,
  kPageScroller,
  kToolBar,
  kToolButton,
  kCoolBar,
  kControlBar,
  kPopupMenu,
  kMenuItem,
  kTimer,
};

// The one place that reads class names: exact names, and any name starting "TForm" is a form.
ComponentKind ComponentKindOf(std::string_view className);

}  // namespace saverkit
