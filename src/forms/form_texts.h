// The interface texts applied to a form's components: the control captions keyed by tag.
#pragma once

#include <string>

#include "forms/component.h"
#include "package/texts/interface_texts.h"

namespace saverkit {

// Sets the captions of the form's components from key "S_" + tag in `section` (section and key
// names compare without regard to letter case). Components with a negative tag, a missing key or
// an empty value keep their captions, and so does any class but the few whose caption is a text.
void ApplyStaticTexts(const TextLines& staticLines, const std::string& section, ComponentOwner& form);

// Fills `dynamicTexts` and applies the static texts to `form`. When the appended parts cannot be
// read (the file is gone, or the block does not lie within it), the list and the form stay as they
// were; an appended part that is empty is replaced by the program's resource of that part.
void LoadInterfaceTexts(const std::string& section, TextLines& dynamicTexts,
                        const InterfaceTextSource& source, ComponentOwner& form);

}  // namespace saverkit
