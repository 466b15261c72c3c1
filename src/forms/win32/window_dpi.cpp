#include "forms/win32/window_dpi.h"

#include "base/win32/scoped_win.h"

namespace saverkit {
namespace {

int ScreenDpi() {
  const ScopedWindowDc screen(nullptr);
  return screen.Dc() ? GetDeviceCaps(screen.Dc(), LOGPIXELSY) : 0;
}

}  // namespace

int WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (window && getDpiForWindow) {
    if (const UINT dpi = getDpiForWindow(window)) return int(dpi);
  }
  return ScreenDpi();
}

}  // namespace saverkit
