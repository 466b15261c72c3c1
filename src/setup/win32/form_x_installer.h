// TFormXInstaller: the setup wizard of a setup copy (".exe", edition "E"). Three pages (the screen
// saver, its licence when it has one, the target), then RunInstall writes the ".scr". The window
// and its controls are made from the components of AddInstallerLayout, with InstallerModel
// deciding what they show and do; this half lends the model the frame's caption, text measuring,
// the folder chooser, the message form and the machine the install writes to.
#pragma once

#include <memory>
#include <string>

#include "controls/win32/xp_menu.h"
#include "forms/win32/scr_neo_form.h"
#include "base/win32/registry_settings_store.h"
#include "package/xscr.h"
#include "setup/installer_model.h"
#include "setup/win32/install_system.h"

namespace saverkit {

class TFormXInstaller : public TFormScrNeo, private InstallerHost {
 public:
  // `reader`: the package, owned by the caller and kept until the wizard is gone; `ownPath`: the
  // running executable, which the install copies.
  TFormXInstaller(const XSCR& reader, std::string ownPath);

  // Whether the package's information record carries the signature; start-up shows the error
  // state (ShowDataError) when it does not.
  bool PackageSigned() const { return model_->PackageSigned(); }
  void ShowDataError() { model_->ShowDataError(); }

 private:
  void BindHandlers();

  void ShowCaption(const std::string& caption, const std::string& title) override {
    SetCaption(caption);
    SetTitle(title);
  }
  std::string CompactPath(const std::string& path, const ControlFont& font, int32_t width) override;
  std::string ChooseDirectory() override;
  void EndModal(int result) override { SetModalResult(result); }

  Win32InstallSystem machine_;
  RegistrySettingsStore registry_;
  std::unique_ptr<InstallerModel> model_;
  // Last, so the flat look is taken off before the controls it paints go.
  TXPMenu XPMenu1_{*this, SetupWizardXPSettings()};
};

}  // namespace saverkit
