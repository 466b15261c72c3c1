// The uninstaller's Windows half: the question box, the registry, the desktop folder and the
// hidden batch file that deletes the executable once the process has ended.
#pragma once

#include <string>

#include "startup/uninstall.h"

namespace saverkit {

class Win32UninstallSystem : public UninstallSystem {
 public:
  int Ask(const std::string& text, const std::string& caption, uint32_t style) override;
  void DeleteKeyTree(const std::string& keyPath) override;
  std::string DesktopFolder() override;
  void RemoveFile(const std::string& path) override;
  bool SelfDelete(const std::string& path) override;
};

// Writes "delme.bat" into the temporary folder and starts it hidden; false (nothing started)
// when it cannot be written.
bool SelfDelete(const std::string& path);

}  // namespace saverkit
