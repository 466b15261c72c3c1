#include "startup/uninstall.h"

#include "setup/install_names.h"

namespace saverkit {

std::string UninstallQuestion(const std::string& screenSaverName) {
  return "You are about to uninstall the ScreenSaver!\nScreenSaver Name: " + screenSaverName + "\nAre you sure?";
}

bool RunUninstall(const std::string& ownPath, const std::string& screenSaverName, UninstallSystem& system) {
  if (system.Ask(UninstallQuestion(screenSaverName), kUninstallCaption, kUninstallQuestionStyle) != kAnswerYes)
    return false;
  // The key the wizard wrote is named after the installed file: C:\X\Aurora.scr has ...\Aurora.
  const std::string key = UninstallKeyPath(FileNameWithoutExtension(ownPath));
  if (!key.empty()) system.DeleteKeyTree(key);
  const std::string shortcut = ShortcutPath(system.DesktopFolder(), screenSaverName);
  if (!shortcut.empty()) system.RemoveFile(shortcut);
  system.SelfDelete(ownPath);
  return true;
}

}  // namespace saverkit
