// Interface texts: the numbered messages (dynamic texts) and the control captions keyed by tag
// (static texts, INI form) that travel inside the package, so one runtime speaks the language the
// screen saver was authored in.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/component.h"
#include "package/text_lines.h"

namespace saverkit {

// The lines of one interface-text part (complemented back): the part ends at its first NUL byte,
// is split into lines (SplitTextLines) and each line has its line-break escapes expanded.
TextLines InterfaceTextLines(const std::vector<uint8_t>& part);

// Every backslash followed by a small letter n becomes one line feed (0x0A).
std::string ExpandLineBreakEscape(const std::string& line);

// Text `index` of the dynamic list, or the empty text when there is none.
std::string DynamicText(int index, const TextLines& dynamicTexts);

// Sets the captions of the form's components from key "S_" + tag in `section` (section and key
// names compare without regard to letter case). Components with a negative tag, a missing key or
// an empty value keep their captions, and so does any class but the few whose caption is a text.
void ApplyStaticTexts(const TextLines& staticLines, const std::string& section, ComponentOwner& form);

// Where the two text parts come from: the appended package, or, for a package kept as resources,
// the raw-data resources "LNGDYNA" and "LNGSTATIC".
struct InterfaceTextSource {
  bool packaged = false;
  // The appended package's two parts, complemented back; false when they cannot be read.
  std::function<bool(std::vector<uint8_t>& dynamicTexts, std::vector<uint8_t>& staticTexts)> readAppendedParts;
  // The bytes of a raw-data resource as stored (still complemented), or nothing.
  std::function<std::optional<std::vector<uint8_t>>(const std::string& name)> loadResource;
};

inline constexpr char kDynamicTextsResource[] = "LNGDYNA";
inline constexpr char kStaticTextsResource[] = "LNGSTATIC";
inline constexpr char kFormTextsSection[] = "FS_0";

// Fills `dynamicTexts` and applies the static texts to `form`. When the appended parts cannot be
// read (the file is gone, or the block does not lie within it), the list and the form stay as they
// were; an appended part that is empty is replaced by the program's resource of that part.
void LoadInterfaceTexts(const std::string& section, TextLines& dynamicTexts,
                        const InterfaceTextSource& source, ComponentOwner& form);

}  // namespace saverkit
