#include "setup/win32/form_x_installer.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "package/helpers/win32/registry_settings_store.h"
#include "package/helpers/win32/shell.h"
#include "package/reader_environment.h"
#include "package/texts/win32/program_texts.h"
#include "setup/installer_layout.h"
#include "setup/run_install.h"
#include "setup/target_directory.h"
#include "setup/win32/install_system.h"
#include "setup/win32/message_form.h"
#include "startup/install_names.h"

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

TFormXInstaller::TFormXInstaller(std::string ownPath)
    : TFormScrNeo(nullptr),
      ownPath_(std::move(ownPath)),
      package_(std::make_unique<XSCR>(CurrentReaderEnvironment())),
      pages_(!package_.Reader().LicenceText().empty()) {
  AddInstallerLayout(Components());
  Bind(Components(), "BtnNext", &ComponentEvents::onClick, [this](Component&) { BtnNextClick(); });
  Bind(Components(), "BtnPrev", &ComponentEvents::onClick, [this](Component&) { BtnPrevClick(); });
  Bind(Components(), "CheckBoxAgree", &ComponentEvents::onClick, [this](Component&) { CheckBoxAgreeClick(); });
  Bind(Components(), "ButtonSelectDir", &ComponentEvents::onClick, [this](Component&) { ButtonSelectDirClick(); });
  Bind(Components(), "LabelError", &ComponentEvents::onClick, [this](Component&) { LabelErrorClick(); });
  CreateControls();
  CoverTabs(Components());

  XSCR& reader = package_.Reader();
  LoadFormTexts(Components(), dynamicTexts_, &reader);
  FitToContent(Item("PanelMain"));

  Item("MemoLicense").SetCaption(reader.LicenceText());
  Item("TSLicense").SetTabVisible(pages_.LicenceShown());
  ShowInstallerPage(Components(), pages_);

  SetCaption(SetupCaption());
  Item("EditFileName").SetCaption(FileNamePart(reader.Name()));
  Item("LabelScrName").SetCaption(TrimBlanks(reader.Name()));
  Item("LabelScrDesc").SetCaption(reader.Info().Description);

  targetDirectory_ = DefaultTargetDirectory(CurrentSystemFolders());
  ShowTargetDirectory();
  XPMenu1_.SetActive(true);
}

bool TFormXInstaller::PackageSigned() { return package_.Reader().Info().HasValidSignature(); }

void TFormXInstaller::ShowDataError() {
  SetCaption(kErrorTitle);
  saverkit::ShowDataError(Components());
}

std::string TFormXInstaller::DynamicText(int index) const { return saverkit::DynamicText(index, dynamicTexts_); }

// A package without its own texts keeps the built-in caption rather than an empty title.
std::string TFormXInstaller::SetupCaption() const {
  const std::string caption = DynamicText(kSetupCaptionText);
  return caption.empty() ? kInstallerCaption : caption;
}

void TFormXInstaller::BtnNextClick() {
  if (pages_.BtnNextClick()) {
    RunInstall();
    return;
  }
  ShowInstallerPage(Components(), pages_);
}

void TFormXInstaller::BtnPrevClick() {
  pages_.BtnPrevClick();
  ShowInstallerPage(Components(), pages_);
}

void TFormXInstaller::CheckBoxAgreeClick() {
  pages_.CheckBoxAgreeClick(Item("CheckBoxAgree").checked);
  ShowInstallerPage(Components(), pages_);
}

void TFormXInstaller::ButtonSelectDirClick() {
  const std::string chosen = ChooseDirectory(kChooseDirectoryText);
  if (chosen.empty()) return;
  targetDirectory_ = WithBackslash(chosen);
  ShowTargetDirectory();
  Item("LabelDirPrompt").SetCaption(kDirectoryChosenPrompt);
}

void TFormXInstaller::LabelErrorClick() { SetModalResult(kModalCancel); }

// The path shortened with an ellipsis to nine tenths of the label, the full path as its hint.
void TFormXInstaller::ShowTargetDirectory() {
  Component& label = Item("LabelSysPath");
  char shortened[MAX_PATH * 2] = {};
  lstrcpynA(shortened, targetDirectory_.c_str(), sizeof shortened);
  HDC dc = GetDC(Handle());
  const HGDIOBJ previous = SelectObject(dc, FontFor(label.EffectiveFont()));
  PathCompactPathA(dc, shortened, UINT(label.bounds.width * 9 / 10));
  SelectObject(dc, previous);
  ReleaseDC(Handle(), dc);
  label.SetCaption(shortened);
  label.showHint = true;
  label.SetHint(targetDirectory_);
}

void TFormXInstaller::RunInstall() {
  InstallRequest request;
  request.ownPath = ownPath_;
  request.targetDirectory = targetDirectory_;
  request.fileName = Item("EditFileName").caption;
  request.screenSaverName = Item("LabelScrName").caption;
  request.shortcut = Item("CheckBoxShorcut").checked;
  request.caption = SetupCaption();
  request.overwriteQuestion = DynamicText(kOverwriteQuestionText);
  request.copyFailed = DynamicText(kCopyFailedText);
  Win32InstallSystem system([this](const std::string& text, const std::string& caption, uint32_t style) {
    return MessageBoxForm(text, caption, style, nullptr);
  });
  RegistrySettingsStore registry;
  if (saverkit::RunInstall(request, system, registry)) SetModalResult(kModalOk);
}

}  // namespace saverkit
