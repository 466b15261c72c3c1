#include "forms/win32/program_texts.h"

#include <windows.h>

#include "base/win32/resources.h"

namespace saverkit {

InterfaceTextSource ProgramTextSource(const XSCR* reader) {
  InterfaceTextSource source;
  source.packaged = reader && reader->Packaged();
  if (source.packaged) {
    source.readAppendedParts = [reader](std::vector<uint8_t>& dynamicTexts, std::vector<uint8_t>& staticTexts) {
      return reader->ReadTextBlocks(dynamicTexts, staticTexts);
    };
  }
  source.loadResource = [](const std::string& name) -> std::optional<std::vector<uint8_t>> {
    std::vector<uint8_t> bytes;
    if (!LoadResourceStream(GetModuleHandleA(nullptr), name.c_str(), MAKEINTRESOURCEA(10), bytes)) return std::nullopt;
    return bytes;
  };
  return source;
}

void LoadFormTexts(ComponentOwner& form, TextLines& dynamicTexts, const XSCR* reader) {
  LoadInterfaceTexts(kFormTextsSection, dynamicTexts, ProgramTextSource(reader), form);
}

}  // namespace saverkit
