#include "package/helpers/win32/shell.h"

#include <ole2.h>
#include <wininet.h>  // before shlobj.h, which declares the Active Desktop only after it
#include <shlobj.h>
#include <shellapi.h>

#include "forms/win32/scoped_com.h"
#include "package/helpers/opacity.h"
#include "package/helpers/registry_values.h"
#include "package/helpers/win32/registry_settings_store.h"

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
  PIDLIST_ABSOLUTE list = SHBrowseForFolderA(&info);
  if (!list) return {};
  const bool found = SHGetPathFromIDListA(list, chosen);
  CoTaskMemFree(list);
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

void RemoveWallpaper() {
  RegistrySettingsStore store;
  RegWriteString(store, "\\Software\\Microsoft\\Internet Explorer\\Desktop\\General", "Wallpaper", "");
  ScopedComPtr<IActiveDesktop> desktop;
  if (FAILED(CoCreateInstance(CLSID_ActiveDesktop, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveDesktop,
                              reinterpret_cast<void**>(desktop.Receive()))) ||
      !desktop)
    return;
  desktop->ApplyChanges(AD_APPLY_SAVE | AD_APPLY_HTMLGEN | AD_APPLY_REFRESH | AD_APPLY_FORCE);
}

}  // namespace saverkit
