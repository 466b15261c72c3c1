#include "setup/installer_pages.h"

namespace saverkit {

bool InstallerPages::BtnNextClick() {
  if (!nextEnabled_) return false;  // a disabled button cannot be clicked
  switch (active_) {
    case InstallerPage::Dest:
      return true;
    case InstallerPage::Scr:
      Step(+1);
      CheckBoxAgreeClick(agreed_);
      return false;
    case InstallerPage::License:
      Step(+1);
      return false;
  }
  return false;
}

void InstallerPages::BtnPrevClick() {
  if (active_ == InstallerPage::Scr) return;
  nextEnabled_ = true;
  Step(-1);
}

void InstallerPages::CheckBoxAgreeClick(bool checked) {
  agreed_ = checked;
  nextEnabled_ = agreed_ || !licenceShown_;
}

bool InstallerPages::MayLeaveActivePage() const { return active_ != InstallerPage::License || nextEnabled_; }

void InstallerPages::Step(int direction) {
  if (!MayLeaveActivePage()) return;
  int page = int(active_) + direction;
  if (page == int(InstallerPage::License) && !licenceShown_) page += direction;
  if (page < int(InstallerPage::Scr) || page > int(InstallerPage::Dest)) return;
  active_ = InstallerPage(page);
}

}  // namespace saverkit
