#include "startup/win32/screen_saver_password.h"

namespace saverkit {

bool AskScreenSaverPassword(HWND window) {
  using VerifyScreenSavePwd = BOOL(WINAPI*)(HWND);
  HMODULE library = LoadLibraryA("PASSWORD.CPL");
  if (!library) return true;
  bool mayEnd = true;
  auto verify = reinterpret_cast<VerifyScreenSavePwd>(reinterpret_cast<void*>(GetProcAddress(library, "VerifyScreenSavePwd")));
  if (verify) mayEnd = verify(window) != FALSE;
  FreeLibrary(library);
  return mayEnd;
}

}  // namespace saverkit
