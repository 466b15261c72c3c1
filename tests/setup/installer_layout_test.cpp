#include "setup/installer_layout.h"

#include <gtest/gtest.h>

#include "forms/form_texts.h"

namespace saverkit {
namespace {

class InstallerLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddInstallerLayout(form_);
  }
  Component& Item(const char* name) { return *form_.Find(name); }

  ComponentOwner form_;
};

TEST_F(InstallerLayoutTest, RowsNameEarlierParentsOnceEachAndTheFormIsArial13) {
  ComponentOwner fresh;
  EXPECT_TRUE(AddLayout(fresh, InstallerRows()));
  EXPECT_EQ(form_.font.name, "Arial");
  EXPECT_EQ(form_.font.height, -13);
  for (const char* handled : {"BtnNext", "BtnPrev", "CheckBoxAgree", "ButtonSelectDir", "LabelError", "EditFileName",
                              "LabelScrName", "LabelScrDesc", "MemoLicense", "CheckBoxShorcut", "LabelSysPath"})
    EXPECT_NE(form_.Find(handled), nullptr) << handled;
  EXPECT_TRUE(Item("CheckBoxShorcut").checked);
  EXPECT_FALSE(Item("BtnPrev").enabled);
  EXPECT_TRUE(Item("BtnNext").isDefault);
  EXPECT_EQ(Item("BtnCancel").modalResult, kModalCancel);
  EXPECT_FALSE(Item("LabelError").visible);
}

TEST_F(InstallerLayoutTest, TheTitleStripCoversTheTabRow) {
  CoverTabs(form_);
  const ControlBounds& pages = Item("PCInstaller").bounds;
  EXPECT_EQ(Item("PanelHideTabs").bounds, (ControlBounds{pages.left, pages.top, pages.width, 25 + 5}));
}

TEST_F(InstallerLayoutTest, StaticTextsCaptionTheTaggedControls) {
  const TextLines texts = {"[FS_0]",         "S_2001=Welcome",   "S_2010=Agreement", "S_2011=I agree",
                           "S_2002=Where",   "S_2008=Back",      "S_2009=Forward",   "S_1024=Stop",
                           "S_2005=Goes to:", "S_2007=Shortcut", "S_2003=Called",     "S_2004=About it"};
  ApplyStaticTexts(texts, kFormTextsSection, form_);
  const struct {
    const char* name;
    const char* caption;
  } cases[] = {{"TSScr", "Welcome"},        {"TSLicense", "Agreement"},     {"CheckBoxAgree", "I agree"},
               {"Label1", "I agree"},       {"TSDest", "Where"},            {"GroupBox1", "Where"},
               {"BtnPrev", "Back"},         {"BtnNext", "Forward"},         {"BtnCancel", "Stop"},
               {"LabelDirPrompt", "Goes to:"}, {"CheckBoxShorcut", "Shortcut"}, {"GroupBox2", "Called"},
               {"GroupBox3", "About it"},   {"LabelError", "Data Error..."}, {"Label5", ".SCR"}};
  for (const auto& c : cases) EXPECT_EQ(Item(c.name).caption, c.caption) << c.name;

  // The page title follows the page's caption.
  InstallerPages pages(true);
  pages.BtnNextClick();
  ShowInstallerPage(form_, pages);
  EXPECT_EQ(Item("PanelHideTabs").caption, "Agreement");
}

// Controls the layout gives no number carry tag 0, so "S_0" reaches them and no tagged control.
TEST_F(InstallerLayoutTest, TheStaticTextZeroCaptionsTheUntaggedControls) {
  ApplyStaticTexts({"[FS_0]", "S_0=Zero"}, kFormTextsSection, form_);
  for (const char* name : {"ButtonSelectDir", "Label5", "LabelError"}) EXPECT_EQ(Item(name).caption, "Zero") << name;
  for (const char* name : {"BtnNext", "TSScr", "CheckBoxAgree", "GroupBox1"}) EXPECT_NE(Item(name).caption, "Zero") << name;
}

TEST_F(InstallerLayoutTest, ThePageStateReachesPageControlTitleAndButtons) {
  InstallerPages pages(true);
  ShowInstallerPage(form_, pages);
  EXPECT_EQ(Item("PCInstaller").itemIndex, 0);
  EXPECT_EQ(Item("PanelHideTabs").caption, "Screen Saver");
  EXPECT_FALSE(Item("BtnPrev").enabled);
  EXPECT_TRUE(Item("BtnNext").enabled);

  pages.BtnNextClick();
  ShowInstallerPage(form_, pages);
  EXPECT_EQ(Item("PCInstaller").itemIndex, 1);
  EXPECT_EQ(Item("PanelHideTabs").caption, "License Agreement");
  EXPECT_TRUE(Item("BtnPrev").enabled);
  EXPECT_FALSE(Item("BtnNext").enabled);

  pages.CheckBoxAgreeClick(true);
  pages.BtnNextClick();
  ShowInstallerPage(form_, pages);
  EXPECT_EQ(Item("PCInstaller").itemIndex, 2);
  EXPECT_EQ(Item("PanelHideTabs").caption, "Destination");
  EXPECT_TRUE(Item("BtnNext").enabled);
}

TEST_F(InstallerLayoutTest, TheErrorStateLeavesOnlyTheErrorLabelInFront) {
  ShowDataError(form_);
  EXPECT_FALSE(Item("PCInstaller").visible);
  EXPECT_FALSE(Item("PanelB").visible);
  EXPECT_FALSE(Item("PanelHideTabs").visible);
  EXPECT_TRUE(Item("LabelError").visible);
  EXPECT_EQ(&form_.At(form_.Count() - 1), &Item("LabelError"));
}

}  // namespace
}  // namespace saverkit
