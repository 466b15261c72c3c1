#include "app/mode_actions.h"

#include <windows.h>

#include "base/win32/working_set.h"
#include "setup/win32/config_dialog.h"
#include "setup/win32/form_x_installer.h"
#include "show/win32/show_window.h"
#include "startup/edition.h"
#include "startup/win32/application_window.h"
#include "startup/win32/change_password.h"
#include "base/win32/scoped_win.h"
#include "startup/win32/process.h"
#include "startup/win32/uninstaller.h"

namespace saverkit {
namespace {

// Window numbers arrive as 32-bit values; Windows sign-extends handles the same way.
HWND AsWindow(int32_t number) { return reinterpret_cast<HWND>(static_cast<intptr_t>(number)); }

// Runs `window` modally: the message loop lasts until it is destroyed.
void RunModal(const Window& window) {
  if (!window.IsAlive()) return;
  TrimWorkingSet();
  RunMessageLoop();
}

}  // namespace

XSCR& Win32ModeActions::Package() {
  if (!package_) package_ = std::make_unique<XSCR>(CurrentReaderEnvironment());
  return *package_;
}

void Win32ModeActions::RunSaver(const StartupDecision& decision) {
  if (!SaverRunsForEdition(ReadEdition(ownPath_))) return;
  const OleSession ole;
  ApplicationWindow application(ApplicationTitle());
  const bool taskbarButton = HasTaskbarButton(decision);
  if (!taskbarButton) application.HideFromTaskbar();
  XSCR& package = Package();

  switch (decision.mode) {
    case RunMode::Configure: {
      // Modal to the window that asked; a number that names no window leaves it unowned.
      const HWND host = AsWindow(decision.HostWindow);
      TForm_XSCR_Config dialog(package, host, taskbarButton ? nullptr : application.Handle());
      if (!dialog.IsAlive()) break;
      SetWindowTextA(application.Handle(), dialog.GetCaption().c_str());
      TrimWorkingSet();
      dialog.ShowModal();
      break;
    }
    case RunMode::Preview: {
      TFormX_Scr_Saver_Main preview(package, RunMode::Preview, AsWindow(decision.HostWindow), nullptr);
      preview.StartShow();
      RunModal(preview);
      break;
    }
    default: {
      TFormX_Scr_Saver_Main show(package, RunMode::Show, nullptr, application.Handle());
      show.StartShow();
      RunModal(show);
      break;
    }
  }
}

void Win32ModeActions::ChangePassword(int32_t owner) { saverkit::ChangePassword(AsWindow(owner)); }

void Win32ModeActions::RunSetup() {
  const OleSession ole;
  TFormXInstaller wizard(Package(), ownPath_);
  if (!wizard.PackageSigned()) wizard.ShowDataError();
  TrimWorkingSet();
  wizard.ShowModal();
}

void Win32ModeActions::RunUninstall() {
  const OleSession ole;
  TrimWorkingSet();
  // The reader gives the name and is released before anything is removed.
  const std::string name = Package().Name();
  package_.reset();
  Win32UninstallSystem system;
  saverkit::RunUninstall(ownPath_, name, system);
}

void ShowErrorBox(const std::string& message) {
  MessageBoxA(nullptr, message.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace saverkit
