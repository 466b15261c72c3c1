#include "startup/win32/application_window.h"

namespace saverkit {

ApplicationWindow::ApplicationWindow(const std::string& title) {
  WindowPlacement p;
  p.exStyle = WS_EX_APPWINDOW;
  p.style = WS_POPUP;
  p.x = p.y = p.width = p.height = 0;
  Create("saverkit.Application", title, p);
}

void ApplicationWindow::HideFromTaskbar() {
  const LONG exStyle = GetWindowLongA(Handle(), GWL_EXSTYLE);
  SetWindowLongA(Handle(), GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
}

}  // namespace saverkit
