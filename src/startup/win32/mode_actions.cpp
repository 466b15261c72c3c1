#include "startup/win32/mode_actions.h"

#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "base/win32/working_set.h"
#include "package/package_slot.h"
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

void Win32ModeActions::RunSaver(const StartupDecision& decision) {
  if (!SaverRunsForEdition(ReadEdition(ownPath_))) return;
  const OleSession ole;
  ApplicationWindow application(ApplicationTitle());
  const bool taskbarButton = HasTaskbarButton(decision);
  if (!taskbarButton) application.HideFromTaskbar();
  std::srand(unsigned(std::time(nullptr)));
  // One reader for the mode's form; it deletes the files extracted from the package when it goes.
  PackageSlot package(std::make_unique<XSCR>(CurrentReaderEnvironment()));

  switch (decision.mode) {
    case RunMode::Configure: {
      // Modal to the window that asked; a number that names no window leaves it unowned.
      const HWND host = AsWindow(decision.HostWindow);
      TForm_XSCR_Config dialog(package.Reader(), host, taskbarButton ? nullptr : application.Handle());
      if (!dialog.IsAlive()) break;
      SetWindowTextA(application.Handle(), dialog.GetCaption().c_str());
      TrimWorkingSet();
      dialog.ShowModal();
      break;
    }
    case RunMode::Preview: {
      TFormX_Scr_Saver_Main preview(package.Reader(), RunMode::Preview, AsWindow(decision.HostWindow), nullptr);
      preview.StartShow();
      RunModal(preview);
      break;
    }
    default: {
      TFormX_Scr_Saver_Main show(package.Reader(), RunMode::Show, nullptr, application.Handle());
      show.StartShow();
      RunModal(show);
      break;
    }
  }
}

void Win32ModeActions::ChangePassword(int32_t owner) { saverkit::ChangePassword(AsWindow(owner)); }

void Win32ModeActions::RunSetup() {
  const OleSession ole;
  PackageSlot package(std::make_unique<XSCR>(CurrentReaderEnvironment()));
  TFormXInstaller wizard(package.Reader(), ownPath_);
  if (!wizard.PackageSigned()) wizard.ShowDataError();
  TrimWorkingSet();
  wizard.ShowModal();
}

void Win32ModeActions::RunUninstall() {
  const OleSession ole;
  TrimWorkingSet();
  // The reader gives the name and is released before anything is removed.
  std::string name;
  {
    PackageSlot package(std::make_unique<XSCR>(CurrentReaderEnvironment()));
    name = package.Reader().Name();
  }
  Win32UninstallSystem system;
  saverkit::RunUninstall(ownPath_, name, system);
}

void ShowErrorBox(const std::string& message) {
  MessageBoxA(nullptr, message.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace saverkit
