// Where the setup wizard installs by default: the documents folder's "My ScreenSavers" on
// Windows 2000 and later, else the Windows system directory.
#pragma once

#include <string>

namespace saverkit {

struct SystemFolders {
  bool ntFamily = false;
  unsigned majorVersion = 0;
  std::string documentsFolder;  // empty when the shell gives none
  std::string systemDirectory;  // as GetSystemDirectoryA gives it
};

inline constexpr char kScreenSaversFolder[] = "My ScreenSavers";

// Always ends in a backslash, unless the system gives no folder at all.
std::string DefaultTargetDirectory(const SystemFolders& system);

}  // namespace saverkit
