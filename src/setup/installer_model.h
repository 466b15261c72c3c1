// TFormXInstaller's behaviour on its component model: what the pages, the captions and the target
// directory show, what each handler does, and the install request made from the controls. The
// Windows half creates the real controls from the same components and lends the few services
// below; every decision is made here.
#pragma once

#include <cstdint>
#include <string>

#include "forms/component.h"
#include "base/settings_store.h"
#include "package/texts/interface_texts.h"
#include "package/xscr.h"
#include "setup/install_system.h"
#include "setup/installer_pages.h"
#include "setup/run_install.h"
#include "setup/target_directory.h"

namespace saverkit {

// What the wizard needs of its window beyond the components.
class InstallerHost {
 public:
  virtual ~InstallerHost() = default;
  // The skinned frame's caption, and the window's own title, which the taskbar shows.
  virtual void ShowCaption(const std::string& caption, const std::string& title) = 0;
  // `path` shortened with an ellipsis to at most `width` pixels in `font`.
  virtual std::string CompactPath(const std::string& path, const ControlFont& font, int32_t width) = 0;
  // The folder chooser; empty when the user cancelled.
  virtual std::string ChooseDirectory() = 0;
  // Ends the modal wizard with `result`.
  virtual void EndModal(int result) = 0;
};

// The target directory's label shows the path in this share of its width.
inline constexpr int32_t kPathWidthTenths = 9;

// The width the target directory may take in a label `labelWidth` pixels wide.
int32_t TargetPathWidth(int32_t labelWidth);

class InstallerModel {
 public:
  // `form` holds the wizard's components (AddInstallerLayout) with the static texts applied;
  // `machine` and `registry` are what the install writes to; `ownPath` is the running executable.
  InstallerModel(ComponentOwner& form, const XSCR& reader, InstallerHost& host, InstallSystem& machine,
                 SettingsStore& registry, TextLines dynamicTexts, std::string ownPath);
  InstallerModel(const InstallerModel&) = delete;
  InstallerModel& operator=(const InstallerModel&) = delete;

  // Fills the controls from the package: the licence (or no licence page), the first page, the
  // caption, the names and the description, and the default target directory on `system`.
  void Load(const SystemFolders& system);

  // Whether the package's information record carries the signature; start-up shows the error
  // state when it does not.
  bool PackageSigned() const;
  // The error state: only "Data Error..." remains, under the title "ScreenSaver Installer".
  void ShowDataError();

  void BtnNextClick();
  void BtnPrevClick();
  void CheckBoxAgreeClick();
  void ButtonSelectDirClick();
  void LabelErrorClick();

  // Dynamic text 21; a package without its own texts keeps the built-in "Install" rather than
  // an empty title.
  std::string Caption() const;
  // The application's title: the caption, one blank and the screen saver's name.
  std::string ApplicationTitle() const;
  // What RunInstall is given: the names as the user left them in the controls.
  InstallRequest Request() const;
  const std::string& TargetDirectory() const { return targetDirectory_; }
  const InstallerPages& Pages() const { return pages_; }

 private:
  Component& C(const char* name) const;
  std::string Text(int index) const { return DynamicText(index, dynamicTexts_); }
  void ShowPage();
  void ShowTargetDirectory();
  void RunInstall();

  ComponentOwner& form_;
  const XSCR& reader_;
  InstallerHost& host_;
  InstallSystem& machine_;
  SettingsStore& registry_;
  TextLines dynamicTexts_;
  std::string ownPath_;
  std::string targetDirectory_;
  InstallerPages pages_;
};

}  // namespace saverkit
