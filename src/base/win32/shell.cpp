#include "base/win32/shell.h"

#include <ole2.h>
#include <shlobj.h>
#include <shellapi.h>

#include "base/opacity.h"
#include "base/win32/scoped_win.h"

namespace saverkit {

namespace {
constexpr UINT kChooserPromptResource = 1025;
constexpr const char* kDefaultChooserPrompt = "Please Select a Directory:";
}  // namespace

void ShellOpen(const std::string& target) {
  // Shown normally: a program that honours the show command would otherwise open the home page
  // or the document in a hidden window the user never sees.
  ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::string ChooseDirectory() {
  char prompt[256] = {};
  if (LoadStringA(GetModuleHandleA(nullptr), kChooserPromptResource, prompt, sizeof prompt) <= 0 || !prompt[0])
    lstrcpynA(prompt, kDefaultChooserPrompt, sizeof prompt);
  char chosen[MAX_PATH] = {};
  BROWSEINFOA info = {};
  info.hwndOwner = GetActiveWindow();
  info.pidlRoot = nullptr;  // the desktop
  info.pszDisplayName = chosen;
  info.lpszTitle = prompt;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  const ScopedShellMemory list(SHBrowseForFolderA(&info));
  if (!list) return {};
  const bool found = SHGetPathFromIDListA(static_cast<PCIDLIST_ABSOLUTE>(list.Get()), chosen);
  return found ? std::string(chosen) : std::string();
}

bool SetFormOpacity(HWND form, int percent) {
  const std::optional<Opacity> opacity = OpacityForPercent(percent);
  if (!opacity) return true;
  const LONG_PTR exStyle = GetWindowLongPtrA(form, GWL_EXSTYLE);
  if (!opacity->layered) {
    SetWindowLongPtrA(form, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    return true;
  }
  SetWindowLongPtrA(form, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  return SetLayeredWindowAttributes(form, 0, opacity->alpha, LWA_ALPHA) != FALSE;
}

}  // namespace saverkit
