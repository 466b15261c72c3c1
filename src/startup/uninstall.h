// The uninstaller (run mode 5): after one confirmation it removes the uninstall entry, the desktop
// shortcut and, once the process has ended, its own executable. What it touches on the machine
// goes through UninstallSystem, so the decisions are tested without Windows.
#pragma once

#include <cstdint>
#include <string>

namespace saverkit {

class UninstallSystem {
 public:
  virtual ~UninstallSystem() = default;
  // A message box without owner; the button pressed (6 for Yes).
  virtual int Ask(const std::string& text, const std::string& caption, uint32_t style) = 0;
  // Deletes the key under HKEY_CURRENT_USER with its subkeys and values; a missing key is no fault.
  virtual void DeleteKeyTree(const std::string& keyPath) = 0;
  // The user's desktop folder (SpecialFolderPath code 102), or the empty text.
  virtual std::string DesktopFolder() = 0;
  // Clears a read-only attribute and deletes the file; quiet when it is missing.
  virtual void RemoveFile(const std::string& path) = 0;
  // Schedules the deletion of `path` for after the process has ended.
  virtual bool SelfDelete(const std::string& path) = 0;
};

inline constexpr char kUninstallCaption[] = "Uninstall";
// MB_YESNOCANCEL | MB_ICONWARNING | MB_TOPMOST
inline constexpr uint32_t kUninstallQuestionStyle = 0x40033;
inline constexpr int kAnswerYes = 6;

// "You are about to uninstall the ScreenSaver!\nScreenSaver Name: <name>\nAre you sure?"
std::string UninstallQuestion(const std::string& screenSaverName);

// Asks about the screen saver `screenSaverName` (untrimmed, as the package gives it) installed at
// `ownPath`; on Yes removes its uninstall key and desktop shortcut and schedules its own file for
// deletion. Nothing else is ever touched. True when the user confirmed.
bool RunUninstall(const std::string& ownPath, const std::string& screenSaverName, UninstallSystem& system);

}  // namespace saverkit
