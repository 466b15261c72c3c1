#include "setup/installer_model.h"

#include <stdexcept>

#include "setup/installer_layout.h"
#include "setup/install_names.h"

namespace saverkit {

int32_t TargetPathWidth(int32_t labelWidth) { return labelWidth * kPathWidthTenths / 10; }

InstallerModel::InstallerModel(ComponentOwner& form, const XSCR& reader, InstallerHost& host, InstallSystem& machine,
                               SettingsStore& registry, TextLines dynamicTexts, std::string ownPath)
    : form_(form),
      reader_(reader),
      host_(host),
      machine_(machine),
      registry_(registry),
      dynamicTexts_(std::move(dynamicTexts)),
      ownPath_(std::move(ownPath)),
      // The licence page shows exactly when the package carries a licence text.
      pages_(!reader.LicenceText().empty()) {}

Component& InstallerModel::C(const char* name) const {
  Component* component = form_.Find(name);
  if (!component) throw std::logic_error(std::string("the setup wizard has no ") + name);
  return *component;
}

void InstallerModel::Load(const SystemFolders& system) {
  C("MemoLicense").SetCaption(reader_.LicenceText());
  C("TSLicense").SetTabVisible(pages_.LicenceShown());
  ShowPage();

  host_.ShowCaption(Caption(), ApplicationTitle());
  C("EditFileName").SetCaption(FileNamePart(reader_.Name()));
  C("LabelScrName").SetCaption(TrimBlanks(reader_.Name()));
  C("LabelScrDesc").SetCaption(reader_.Info().Description);

  targetDirectory_ = DefaultTargetDirectory(system);
  ShowTargetDirectory();
}

bool InstallerModel::PackageSigned() const { return reader_.Info().HasValidSignature(); }

void InstallerModel::ShowDataError() {
  host_.ShowCaption(kErrorTitle, kErrorTitle);
  saverkit::ShowDataError(form_);
}

std::string InstallerModel::Caption() const {
  const std::string caption = Text(kSetupCaptionText);
  return caption.empty() ? kInstallerCaption : caption;
}

std::string InstallerModel::ApplicationTitle() const { return Caption() + " " + reader_.Name(); }

InstallRequest InstallerModel::Request() const {
  InstallRequest request;
  request.ownPath = ownPath_;
  request.targetDirectory = targetDirectory_;
  request.fileName = C("EditFileName").caption;
  request.screenSaverName = C("LabelScrName").caption;
  request.shortcut = C("CheckBoxShorcut").checked;
  request.caption = Caption();
  request.overwriteQuestion = Text(kOverwriteQuestionText);
  request.copyFailed = Text(kCopyFailedText);
  request.buttonTexts = dynamicTexts_;
  return request;
}

void InstallerModel::BtnNextClick() {
  if (pages_.BtnNextClick()) {
    RunInstall();
    return;
  }
  ShowPage();
}

void InstallerModel::BtnPrevClick() {
  pages_.BtnPrevClick();
  ShowPage();
}

void InstallerModel::CheckBoxAgreeClick() {
  pages_.CheckBoxAgreeClick(C("CheckBoxAgree").checked);
  ShowPage();
}

// The chooser's own prompt stands; an empty answer (cancelled) changes nothing.
void InstallerModel::ButtonSelectDirClick() {
  const std::string chosen = host_.ChooseDirectory();
  if (chosen.empty()) return;
  targetDirectory_ = WithBackslash(chosen);
  ShowTargetDirectory();
  C("LabelDirPrompt").SetCaption(kDirectoryChosenPrompt);
}

void InstallerModel::LabelErrorClick() { host_.EndModal(kModalCancel); }

void InstallerModel::ShowPage() { ShowInstallerPage(form_, pages_); }

// The path shortened to fit, the full path as the label's hint.
void InstallerModel::ShowTargetDirectory() {
  Component& label = C("LabelSysPath");
  label.SetCaption(host_.CompactPath(targetDirectory_, label.EffectiveFont(), TargetPathWidth(label.bounds.width)));
  label.showHint = true;
  label.SetHint(targetDirectory_);
}

// A failed install has told the user why and leaves the wizard open on the target page.
void InstallerModel::RunInstall() {
  if (saverkit::RunInstall(Request(), machine_, registry_)) host_.EndModal(kModalOk);
}

}  // namespace saverkit
