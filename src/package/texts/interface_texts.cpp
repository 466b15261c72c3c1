#include "package/texts/interface_texts.h"

#include <algorithm>
#include <cctype>

#include "package/complement.h"

namespace saverkit {
namespace {

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

std::string Trimmed(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && unsigned(text[first]) <= ' ') ++first;
  while (last > first && unsigned(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

// An INI file held in memory: section name -> key -> value, names folded to lower case.
// The first occurrence of a section or key wins, as a lookup that scans from the top would find.
class MemoryIni {
 public:
  explicit MemoryIni(const TextLines& lines) {
    std::string section;
    bool inSection = false;
    for (const std::string& raw : lines) {
      const std::string line = Trimmed(raw);
      if (line.empty() || line[0] == ';') continue;
      if (line.front() == '[' && line.back() == ']') {
        section = Lowered(Trimmed(line.substr(1, line.size() - 2)));
        inSection = true;
        continue;
      }
      if (!inSection) continue;
      const size_t equals = raw.find('=');
      if (equals == std::string::npos) continue;
      const std::string key = Lowered(Trimmed(raw.substr(0, equals)));
      entries_.push_back({section, key, raw.substr(equals + 1)});
    }
  }

  std::string Read(const std::string& section, const std::string& key) const {
    const std::string wantedSection = Lowered(section);
    const std::string wantedKey = Lowered(key);
    for (const Entry& entry : entries_) {
      if (entry.section == wantedSection && entry.key == wantedKey) return entry.value;
    }
    return {};
  }

 private:
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };
  std::vector<Entry> entries_;
};

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

TextLines InterfaceTextLines(const std::vector<uint8_t>& part) {
  const auto nul = std::find(part.begin(), part.end(), uint8_t(0));
  TextLines lines = SplitTextLines(std::string(part.begin(), nul));
  for (std::string& line : lines) line = ExpandLineBreakEscape(line);
  return lines;
}

std::string ExpandLineBreakEscape(const std::string& line) {
  std::string out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
      out += '\n';
      ++i;
    } else {
      out += line[i];
    }
  }
  return out;
}

std::string DynamicText(int index, const TextLines& dynamicTexts) {
  if (index < 0 || size_t(index) >= dynamicTexts.size()) return {};
  return dynamicTexts[size_t(index)];
}

void ApplyStaticTexts(const TextLines& staticLines, const std::string& section, ComponentOwner& form) {
  const MemoryIni ini(staticLines);
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
  auto resource = [&](const char* name) {
    std::optional<std::vector<uint8_t>> bytes;
    if (source.loadResource) bytes = source.loadResource(name);
    if (!bytes) return TextLines{};
    Complement(*bytes);
    return InterfaceTextLines(*bytes);
  };
  TextLines staticLines;
  if (source.packaged) {
    std::vector<uint8_t> dynamicBytes;
    std::vector<uint8_t> staticBytes;
    if (!source.readAppendedParts || !source.readAppendedParts(dynamicBytes, staticBytes)) return;
    // A package without one of the parts takes the program's own texts for it, so that its
    // messages and captions are not left blank.
    dynamicTexts = dynamicBytes.empty() ? resource(kDynamicTextsResource) : InterfaceTextLines(dynamicBytes);
    staticLines = staticBytes.empty() ? resource(kStaticTextsResource) : InterfaceTextLines(staticBytes);
  } else {
    dynamicTexts = resource(kDynamicTextsResource);
    staticLines = resource(kStaticTextsResource);
  }
  ApplyStaticTexts(staticLines, section, form);
}

}  // namespace saverkit
