// Interface texts: the numbered messages (dynamic texts) and the control captions keyed by tag
// (static texts, INI form) that travel inside the package, so one runtime speaks the language the
// screen saver was authored in.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "package/text_lines.h"

namespace saverkit {

// The lines of one interface-text part (complemented back): the part ends at its first NUL byte,
// is split into lines (SplitTextLines) and each line has its line-break escapes expanded.
TextLines InterfaceTextLines(const std::vector<uint8_t>& part);

// Every backslash followed by a small letter n becomes one line feed (0x0A).
std::string ExpandLineBreakEscape(const std::string& line);

// Text `index` of the dynamic list, or the empty text when there is none.
std::string DynamicText(int index, const TextLines& dynamicTexts);

// The static texts in INI form, held in memory: section name -> key -> value, names compared
// without regard to letter case. The first occurrence of a section or key wins, as a lookup that
// scans from the top would find.
class StaticTexts {
 public:
  explicit StaticTexts(const TextLines& lines);
  // The value, or the empty text when the section or key is missing.
  std::string Read(const std::string& section, const std::string& key) const;

 private:
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Entry> entries_;
};

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

// Reads both parts into `dynamicTexts` and `staticLines`. False when the appended parts cannot be
// read (the file is gone, or the block does not lie within it): both lists stay as they were
// then. An appended part that is empty is replaced by the program's resource of that part.
bool ReadInterfaceTexts(const InterfaceTextSource& source, TextLines& dynamicTexts, TextLines& staticLines);

}  // namespace saverkit
