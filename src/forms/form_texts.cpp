#include "forms/form_texts.h"

namespace saverkit {
namespace {

bool TakesStaticCaption(ComponentKind kind) {
  switch (kind) {
    case ComponentKind::kSpeedButton:
    case ComponentKind::kLabel:
    case ComponentKind::kTabSheet:
    case ComponentKind::kCheckBox:
    case ComponentKind::kButton:
    case ComponentKind::kGroupBox:
    case ComponentKind::kMenuItem:
      return true;
    default:
      return false;
  }
}

}  // namespace

void ApplyStaticTexts(const TextLines& staticLines, const std::string& section, ComponentOwner& form) {
  const StaticTexts ini(staticLines);
  for (int i = 0; i < form.Count(); ++i) {
    Component& component = form.At(i);
    if (component.tag < 0) continue;
    const std::string value = ini.Read(section, "S_" + std::to_string(component.tag));
    if (value.empty() || !TakesStaticCaption(component.Kind())) continue;
    component.SetCaption(value);
  }
}

void LoadInterfaceTexts(const std::string& section, TextLines& dynamicTexts,
                        const InterfaceTextSource& source, ComponentOwner& form) {
  TextLines staticLines;
  if (ReadInterfaceTexts(source, dynamicTexts, staticLines)) ApplyStaticTexts(staticLines, section, form);
}

}  // namespace saverkit
