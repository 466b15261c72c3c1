// TFormXInstaller: the setup wizard of a setup copy (".exe", edition "E"). Three pages (the screen
// saver, its licence when it has one, the target), then RunInstall writes the ".scr".
#pragma once

#include <string>

#include "controls/win32/xp_menu.h"
#include "forms/win32/scr_neo_form.h"
#include "package/package_slot.h"
#include "package/texts/interface_texts.h"
#include "setup/installer_pages.h"

namespace saverkit {

class TFormXInstaller : public TFormScrNeo {
 public:
  explicit TFormXInstaller(std::string ownPath);

  // Whether the package's information record carries the signature; start-up shows the error
  // state (ShowDataError) when it does not.
  bool PackageSigned();
  void ShowDataError();

 private:
  void BtnNextClick();
  void BtnPrevClick();
  void CheckBoxAgreeClick();
  void ButtonSelectDirClick();
  void LabelErrorClick();
  void RunInstall();
  void ShowTargetDirectory();
  std::string DynamicText(int index) const;
  std::string SetupCaption() const;

  std::string ownPath_;
  PackageSlot package_;
  TextLines dynamicTexts_;
  std::string targetDirectory_;
  InstallerPages pages_;
  // Last, so the flat look is taken off before the controls it paints go.
  TXPMenu XPMenu1_{*this, SetupWizardXPSettings()};
};

}  // namespace saverkit
