#include "setup/installer_pages.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

TEST(InstallerPages, WithoutLicenceNextGoesStraightToTheTargetPageAndPrevComesBack) {
  InstallerPages pages(false);
  EXPECT_EQ(pages.Active(), InstallerPage::Scr);
  EXPECT_FALSE(pages.PrevEnabled());
  EXPECT_TRUE(pages.NextEnabled());

  EXPECT_FALSE(pages.BtnNextClick());
  EXPECT_EQ(pages.Active(), InstallerPage::Dest);
  EXPECT_TRUE(pages.NextEnabled());
  EXPECT_TRUE(pages.PrevEnabled());

  pages.BtnPrevClick();
  EXPECT_EQ(pages.Active(), InstallerPage::Scr);
  EXPECT_FALSE(pages.PrevEnabled());
  EXPECT_TRUE(pages.NextEnabled());
}

TEST(InstallerPages, NextOnTheTargetPageAsksForTheInstallAndStays) {
  InstallerPages pages(false);
  pages.BtnNextClick();
  EXPECT_TRUE(pages.BtnNextClick());
  EXPECT_EQ(pages.Active(), InstallerPage::Dest);
}

TEST(InstallerPages, TheLicenceMustBeAcceptedToGoForwardButPrevAlwaysWorks) {
  InstallerPages pages(true);
  pages.BtnNextClick();
  ASSERT_EQ(pages.Active(), InstallerPage::License);
  EXPECT_FALSE(pages.NextEnabled());
  EXPECT_FALSE(pages.MayLeaveActivePage());
  EXPECT_FALSE(pages.BtnNextClick());
  EXPECT_EQ(pages.Active(), InstallerPage::License);

  pages.CheckBoxAgreeClick(true);
  EXPECT_TRUE(pages.NextEnabled());
  pages.CheckBoxAgreeClick(false);
  EXPECT_FALSE(pages.NextEnabled());

  // Back to the first page while the box is clear, then forward again: still locked.
  pages.BtnPrevClick();
  EXPECT_EQ(pages.Active(), InstallerPage::Scr);
  EXPECT_TRUE(pages.NextEnabled());
  pages.BtnNextClick();
  EXPECT_EQ(pages.Active(), InstallerPage::License);
  EXPECT_FALSE(pages.NextEnabled());

  pages.CheckBoxAgreeClick(true);
  EXPECT_FALSE(pages.BtnNextClick());
  EXPECT_EQ(pages.Active(), InstallerPage::Dest);
  EXPECT_TRUE(pages.PrevEnabled());

  pages.BtnPrevClick();
  EXPECT_EQ(pages.Active(), InstallerPage::License);
  EXPECT_TRUE(pages.NextEnabled());
  EXPECT_TRUE(pages.Agreed());
}

TEST(InstallerPages, AnAcceptedLicenceStaysAcceptedWhenTheUserComesBackToIt) {
  InstallerPages pages(true);
  pages.BtnNextClick();
  pages.CheckBoxAgreeClick(true);
  pages.BtnPrevClick();
  pages.BtnNextClick();
  EXPECT_EQ(pages.Active(), InstallerPage::License);
  EXPECT_TRUE(pages.NextEnabled());
}

}  // namespace
}  // namespace saverkit
