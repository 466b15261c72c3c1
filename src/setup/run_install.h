// RunInstall: the setup wizard's last step. Writes a copy of the running executable as a ".scr"
// whose trailer carries the installed edition, then the desktop shortcut, the uninstall entry and
// the hand-over to the display control panel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/settings_store.h"
#include "setup/install_system.h"

namespace saverkit {

// The stored (complemented) edition byte of an installed copy: "S" (0x53) XOR 0xFF.
inline constexpr uint8_t kInstalledEditionStored = 0xAC;

inline constexpr char kCreateDirectoryFailed[] = "Failed to create directory...";
inline constexpr uint32_t kInformationStyle = 64;  // MB_ICONINFORMATION
inline constexpr uint32_t kOverwriteStyle = 35;    // MB_YESNOCANCEL | MB_ICONQUESTION
inline constexpr char kControlPanelProgram[] = "rundll32.exe";
inline constexpr char kInstallScreenSaverEntry[] = "desk.cpl,InstallScreenSaver ";

struct InstallRequest {
  std::string ownPath;          // the running executable
  std::string targetDirectory;  // where the ".scr" goes
  std::string fileName;         // EditFileName: the file name and the uninstall key
  std::string screenSaverName;  // LabelScrName: the shortcut and the display name
  bool shortcut = true;         // CheckBoxShorcut
  std::string caption;          // dynamic text 21
  std::string overwriteQuestion;  // dynamic text 23
  std::string copyFailed;         // dynamic text 24
  std::vector<std::string> buttonTexts;  // the dynamic texts, for the messages' buttons
};

// The installed file: the target directory + the file name + ".scr" (a name typed with ".scr"
// keeps it and gets a second one); the empty text when the name has no usable character.
std::string InstalledFilePath(const std::string& targetDirectory, const std::string& fileName);

// Copies `sourcePath` to `targetPath` with the trailer's edition byte patched, through a new
// temporary file in the target's folder that replaces the target only when it was written whole.
// On failure the target is as it was and the temporary file is gone.
bool CopyAsInstalled(InstallSystem& system, const std::string& sourcePath, const std::string& targetPath);

// The whole install; true when the copy is in place (the wizard closes with modal result 1).
// Tells the user through the message form why it stopped otherwise.
bool RunInstall(const InstallRequest& request, InstallSystem& system, SettingsStore& registry);

}  // namespace saverkit
