// The hidden window that stands for the application: it owns the show and the configuration
// dialog, and a window with an owner gets no taskbar button of its own.
#pragma once

#include <windows.h>

#include <string>

#include "forms/win32/window.h"

namespace saverkit {

class ApplicationWindow : public Window {
 public:
  explicit ApplicationWindow(const std::string& title);
  // Takes the application off the taskbar: tool window instead of application window.
  void HideFromTaskbar();
};

}  // namespace saverkit
