#include "setup/win32/wallpaper.h"

#include <ole2.h>
#include <wininet.h>  // before shlobj.h, which declares the Active Desktop only after it
#include <shlobj.h>

#include <vector>

#include "base/registry_values.h"
#include "base/win32/registry_settings_store.h"
#include "base/win32/scoped_win.h"
#include "base/win32/wide_text.h"
#include "setup/config_rules.h"

namespace saverkit {
namespace {

// The shell's Active Desktop; empty where the system has none.
ScopedComPtr<IActiveDesktop> ActiveDesktop() {
  ScopedComPtr<IActiveDesktop> desktop;
  if (FAILED(CoCreateInstance(CLSID_ActiveDesktop, nullptr, CLSCTX_INPROC_SERVER, IID_IActiveDesktop,
                              reinterpret_cast<void**>(desktop.Receive()))))
    desktop.Reset();
  return desktop;
}

bool ApplyThroughActiveDesktop(const std::string& bitmapPath, int32_t style) {
  const ScopedComPtr<IActiveDesktop> desktop = ActiveDesktop();
  if (!desktop) return false;
  WALLPAPEROPT options = {};
  options.dwSize = sizeof options;
  switch (style) {
    case kWallpaperCentre: options.dwStyle = WPSTYLE_CENTER; break;
    case kWallpaperTile: options.dwStyle = WPSTYLE_TILE; break;
    case kWallpaperStretch: options.dwStyle = WPSTYLE_STRETCH; break;
    default:
      if (FAILED(desktop->GetWallpaperOptions(&options, 0))) return false;
      break;
  }
  const WideText widePath = Widen(bitmapPath);
  if (widePath.empty()) return false;
  return SUCCEEDED(desktop->SetWallpaperOptions(&options, 0)) &&
         SUCCEEDED(desktop->SetWallpaper(widePath.c_str(), 0)) &&
         SUCCEEDED(desktop->ApplyChanges(AD_APPLY_ALL | AD_APPLY_FORCE));
}

// Stored in the user's profile as well, so that the change outlasts the next logon.
void SetDesktopWallpaper(const std::string& bitmapPath) {
  std::vector<char> path(bitmapPath.begin(), bitmapPath.end());
  path.push_back('\0');
  SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.data(), SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

}  // namespace

void ApplyWallpaper(const std::string& bitmapPath, int32_t style) {
  if (!ApplyThroughActiveDesktop(bitmapPath, style)) SetDesktopWallpaper(bitmapPath);
}

std::string CurrentWallpaper() {
  char path[MAX_PATH] = {};
  if (!SystemParametersInfoA(SPI_GETDESKWALLPAPER, MAX_PATH, path, 0)) return {};
  return path;
}

void RemoveWallpaper() {
  RegistrySettingsStore store;
  RegWriteString(store, "\\Software\\Microsoft\\Internet Explorer\\Desktop\\General", "Wallpaper", "");
  if (const ScopedComPtr<IActiveDesktop> desktop = ActiveDesktop())
    desktop->ApplyChanges(AD_APPLY_SAVE | AD_APPLY_HTMLGEN | AD_APPLY_REFRESH | AD_APPLY_FORCE);
  SetDesktopWallpaper("");
}

}  // namespace saverkit
