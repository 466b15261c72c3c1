#include "startup/win32/change_password.h"

#include "base/win32/scoped_win.h"
#include "base/win32/working_set.h"

namespace saverkit {
namespace {

using PwdChangePasswordA = DWORD(WINAPI*)(LPCSTR provider, HWND owner, DWORD reserved1, LPVOID reserved2);

}  // namespace

void ChangePassword(HWND owner) {
  // NT-family systems keep the screen-saver password in the logon and never send /a; some
  // of their mpr.dll builds still export the name as a stub that aborts the caller.
  if (IsNtPlatform()) return;
  const ScopedLibrary mpr(LoadLibraryA("mpr.dll"));
  if (!mpr) return;
  const auto change = reinterpret_cast<PwdChangePasswordA>(reinterpret_cast<void (*)()>(GetProcAddress(mpr.Get(), "PwdChangePasswordA")));
  if (change) change("SCRSAVE", owner, 0, nullptr);
}

}  // namespace saverkit
