#include "show/win32/screen_saver_password.h"

#include "base/win32/scoped_win.h"

namespace saverkit {

bool AskScreenSaverPassword(HWND window) {
  using VerifyScreenSavePwd = BOOL(WINAPI*)(HWND);
  const ScopedLibrary library(LoadLibraryA("PASSWORD.CPL"));
  if (!library) return true;
  auto verify = reinterpret_cast<VerifyScreenSavePwd>(reinterpret_cast<void*>(GetProcAddress(library.Get(), "VerifyScreenSavePwd")));
  return !verify || verify(window) != FALSE;
}

}  // namespace saverkit
