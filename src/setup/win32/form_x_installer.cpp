#include "setup/win32/form_x_installer.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "base/win32/scoped_win.h"
#include "base/win32/shell.h"
#include "forms/win32/program_texts.h"
#include "setup/installer_layout.h"
#include "setup/win32/message_form.h"

namespace saverkit {
namespace {

// The version structure with the service-pack fields (156 bytes); systems older than Windows NT 4
// SP6 know only the 148-byte one.
SystemFolders CurrentSystemFolders() {
  SystemFolders folders;
  OSVERSIONINFOEXA version = {};
  version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version))) {
    version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version));
  }
  folders.ntFamily = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
  folders.majorVersion = version.dwMajorVersion;
  char path[MAX_PATH] = {};
  if (SHGetSpecialFolderPathA(nullptr, path, CSIDL_PERSONAL, FALSE)) folders.documentsFolder = path;
  char system[MAX_PATH] = {};
  if (GetSystemDirectoryA(system, sizeof system)) folders.systemDirectory = system;
  return folders;
}

}  // namespace

TFormXInstaller::TFormXInstaller(const XSCR& reader, std::string ownPath)
    : TFormScrNeo(nullptr),
      machine_([](const std::string& text, const std::string& caption, uint32_t style,
                  const std::vector<std::string>& buttonTexts) {
        return MessageBoxForm(text, caption, style, &buttonTexts);
      }) {
  AddInstallerLayout(Components());
  BindHandlers();
  CreateControls();
  CoverTabs(Components());

  TextLines dynamicTexts;
  LoadFormTexts(Components(), dynamicTexts, &reader);
  FitToContent(Item("PanelMain"));

  InstallerHost& host = *this;
  model_ = std::make_unique<InstallerModel>(Components(), reader, host, machine_, registry_, std::move(dynamicTexts),
                                            std::move(ownPath));
  model_->Load(CurrentSystemFolders());
  XPMenu1_.SetActive(true);
}

void TFormXInstaller::BindHandlers() {
  auto click = [this](const char* name, void (InstallerModel::*handler)()) {
    Bind(Components(), name, &ComponentEvents::onClick, [this, handler](Component&) { (model_.get()->*handler)(); });
  };
  click("BtnNext", &InstallerModel::BtnNextClick);
  click("BtnPrev", &InstallerModel::BtnPrevClick);
  click("CheckBoxAgree", &InstallerModel::CheckBoxAgreeClick);
  click("ButtonSelectDir", &InstallerModel::ButtonSelectDirClick);
  click("LabelError", &InstallerModel::LabelErrorClick);
}

std::string TFormXInstaller::CompactPath(const std::string& path, const ControlFont& font, int32_t width) {
  char shortened[MAX_PATH * 2] = {};
  lstrcpynA(shortened, path.c_str(), sizeof shortened);
  const ScopedWindowDc dc(Handle());
  const ScopedSelect select(dc.Dc(), FontFor(font));
  PathCompactPathA(dc.Dc(), shortened, UINT(Scale().Length(width)));
  return shortened;
}

std::string TFormXInstaller::ChooseDirectory() { return saverkit::ChooseDirectory(); }

}  // namespace saverkit
