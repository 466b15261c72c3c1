// Stand-in windows for the modes whose real forms are not part of the program yet. Each states
// its mode in its title ("saverkit: configuration", "saverkit: setup", "saverkit: uninstall"),
// which the end-to-end tests look for.
#pragma once

#include <windows.h>

#include <string>

#include "forms/win32/window.h"

namespace saverkit {

// The hidden window that owns the mode windows; a window with an owner gets no taskbar button.
class ApplicationWindow : public Window {
 public:
  explicit ApplicationWindow(const std::string& title);
  // Takes the application off the taskbar: tool window instead of application window.
  void HideFromTaskbar();
};

// A small captioned window with a Close button, standing in for a dialog. With an owner it is
// modal to it: the owner stays disabled while it is open.
class DialogPlaceholder : public Window {
 public:
  DialogPlaceholder(const std::string& title, const std::string& text, HWND owner, bool taskbarButton);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientArea) override;
  void OnDestroyed() override { PostQuitMessage(0); }

 private:
  void OnCreate();
  void OnCommand(WORD id);
  void OnDestroy();
  std::string text_;
  HWND owner_;
  bool disabledOwner_ = false;
};

}  // namespace saverkit
