// The setup wizard's page stepping: TSScr, then TSLicense when the package has a licence text,
// then TSDest. The tab row is covered, so pages change only through Next and Prev, and the licence
// must be accepted to go forward from it. InstallerModel mirrors this state into the controls.
#pragma once

namespace saverkit {

enum class InstallerPage { Scr, License, Dest };

class InstallerPages {
 public:
  // `licenceShown`: the licence page is visible (the package carries a licence text).
  explicit InstallerPages(bool licenceShown) : licenceShown_(licenceShown) {}

  InstallerPage Active() const { return active_; }
  bool LicenceShown() const { return licenceShown_; }
  bool NextEnabled() const { return nextEnabled_; }
  bool PrevEnabled() const { return active_ != InstallerPage::Scr; }
  bool Agreed() const { return agreed_; }

  // BtnNextClick: on TSDest the install is due (true, the page stays); elsewhere steps forward.
  bool BtnNextClick();
  // BtnPrevClick: enables Next (going back is always allowed) and steps back one visible page.
  void BtnPrevClick();
  // CheckBoxAgreeClick with the box's new state.
  void CheckBoxAgreeClick(bool checked);
  // PCInstallerChanging: leaving the licence page only while Next is enabled.
  bool MayLeaveActivePage() const;

 private:
  void Step(int direction);

  bool licenceShown_;
  InstallerPage active_ = InstallerPage::Scr;
  bool nextEnabled_ = true;
  bool agreed_ = false;
};

}  // namespace saverkit
