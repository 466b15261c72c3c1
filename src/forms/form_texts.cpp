#include "forms/form_texts.h"

namespace saverkit {
namespace {

bool TakesStaticCaption(const std::string& className) {
  static const char* const kCaptionClasses[] = {"TSpeedButton", "TLabel",  "TTabSheet",
                                                "TCheckBox",    "TButton", "TGroupBox", "TMenuItem"};
  for (const char* name : kCaptionClasses) {
    if (className == name) return true;
  }
  return false;
}

}  // namespace

void ApplyStaticTexts(const TextLines& staticLines, const std::string& section, ComponentOwner& form) {
  const StaticTexts ini(staticLines);
  for (int i = 0; i < form.Count(); ++i) {
    Component& component = form.At(i);
    if (component.tag < 0) continue;
    const std::string value = ini.Read(section, "S_" + std::to_string(component.tag));
    if (value.empty() || !TakesStaticCaption(component.className)) continue;
    component.SetCaption(value);
  }
}

void LoadInterfaceTexts(const std::string& section, TextLines& dynamicTexts,
                        const InterfaceTextSource& source, ComponentOwner& form) {
  TextLines staticLines;
  if (ReadInterfaceTexts(source, dynamicTexts, staticLines)) ApplyStaticTexts(staticLines, section, form);
}

}  // namespace saverkit
