#include "setup/installer_layout.h"

namespace saverkit {
namespace {

constexpr int32_t kTabHeight = 25;
constexpr int32_t kTabWidth = 100;
constexpr int32_t kTabCoverExtra = 5;

}  // namespace

void AddInstallerLayout(ComponentOwner& form) {
  form.font.name = "Arial";
  form.font.height = -13;  // 13-pixel glyphs
  AddLayout(form, InstallerRows());
}

const std::vector<LayoutRow>& InstallerRows() {
  static const std::vector<LayoutRow> rows = {
      {"TPanel", "PanelMain", "", kUntagged, "", {0, 0, kInstallerWidth, kInstallerHeight}, Props()},
      {"TPageControl", "PCInstaller", "PanelMain", kUntagged, "", {8, 8, 526, 290}, Props().Tabs(kTabWidth, kTabHeight)},
      {"TTabSheet", "TSScr", "PCInstaller", 2001, "Screen Saver", {}, Props()},
      {"TPanel", "PanelScr", "TSScr", kUntagged, "", {}, Props().Aligned(Align::kClient).Colour(kColorWhite)},
      {"TGroupBox", "GroupBox2", "PanelScr", 2003, "Name", {16, 10, 486, 72}, Props()},
      {"TLabel", "LabelScrName", "GroupBox2", kUntagged, "", {10, 22, 466, 40},
       Props().FixedSize().WordWrap().TextAligned(TextAlign::kCenter)},
      {"TGroupBox", "GroupBox3", "PanelScr", 2004, "Description", {16, 92, 486, 150}, Props()},
      {"TLabel", "LabelScrDesc", "GroupBox3", kUntagged, "", {10, 22, 466, 118}, Props().FixedSize().WordWrap()},
      {"TTabSheet", "TSLicense", "PCInstaller", 2010, "License Agreement", {}, Props()},
      {"TPanel", "Panel2", "TSLicense", kUntagged, "", {0, 0, 518, 20}, Props().Hidden()},
      {"TLabel", "Label1", "Panel2", 2011, "", {4, 2, 500, 16}, Props()},
      {"TMemo", "MemoLicense", "TSLicense", kUntagged, "", {8, 8, 502, 200}, Props().ReadOnly().VerticalScrollBar()},
      {"TCheckBox", "CheckBoxAgree", "TSLicense", 2011, "I &Accept the License Agreement", {8, 218, 502, 20}, Props()},
      {"TTabSheet", "TSDest", "PCInstaller", 2002, "Destination", {}, Props()},
      {"TLabel", "LabelDirPrompt", "TSDest", 2005, "The ScreenSaver will be installed to:", {8, 8, 502, 36},
       Props().FixedSize().TextAligned(TextAlign::kCenter).VerticallyAligned(VerticalAlign::kBottom)},
      {"TLabel", "LabelSysPath", "TSDest", kUntagged, "", {8, 50, 502, 18}, Props().FixedSize().TextAligned(TextAlign::kCenter)},
      {"TButton", "ButtonSelectDir", "TSDest", kUntagged, "&Select a different directory...", {131, 76, 256, 27},
       Props().Hint("Select a different directory to install the ScreenSaver...")},
      {"TGroupBox", "GroupBox1", "TSDest", 2002, "File name", {8, 118, 502, 58}, Props()},
      {"TEdit", "EditFileName", "GroupBox1", kUntagged, "", {12, 22, 420, 22}, Props()},
      {"TLabel", "Label5", "GroupBox1", kUntagged, ".SCR", {440, 25, 40, 16}, Props()},
      {"TCheckBox", "CheckBoxShorcut", "TSDest", 2007, "Put a shortcut on the &desktop", {8, 192, 502, 20},
       Props().Checked()},
      {"TPanel", "PanelB", "PanelMain", kUntagged, "", {0, kInstallerHeight - 73, kInstallerWidth, 73},
       Props().Aligned(Align::kBottom)},
      {"TButton", "BtnPrev", "PanelB", 2008, "< &Back", {244, 24, 90, 27}, Props().Disabled()},
      {"TButton", "BtnNext", "PanelB", 2009, "&Next >", {340, 24, 90, 27}, Props().Default()},
      {"TButton", "BtnCancel", "PanelB", 1024, "Cancel", {444, 24, 90, 27}, Props().Cancel().Result(kModalCancel)},
      {"TPanel", "PanelHideTabs", "PanelMain", kUntagged, "", {}, Props().Colour(kColorBtnFace).Font("Arial", -16, 0, FontStyleSet{true})},
      {"TLabel", "LabelError", "PanelMain", kUntagged, "Data Error...", {0, 0, kInstallerWidth, kInstallerHeight},
       Props().Hidden().FixedSize().Centred().HandCursor().Font("Arial", -24, 0x000000C0, FontStyleSet{true})},
  };
  return rows;
}

const char* PageName(InstallerPage page) {
  switch (page) {
    case InstallerPage::Scr:
      return "TSScr";
    case InstallerPage::License:
      return "TSLicense";
    case InstallerPage::Dest:
      return "TSDest";
  }
  return "TSScr";
}

void ShowInstallerPage(ComponentOwner& form, const InstallerPages& pages) {
  Component& sheet = *form.Find(PageName(pages.Active()));
  Component& pageControl = *form.Find("PCInstaller");
  const std::vector<Component*> sheets = form.ChildrenOf(&pageControl);
  for (size_t i = 0; i < sheets.size(); ++i)
    if (sheets[i] == &sheet) pageControl.SetItemIndex(int32_t(i));
  form.Find("PanelHideTabs")->SetCaption(sheet.caption);
  form.Find("BtnNext")->SetEnabled(pages.NextEnabled());
  form.Find("BtnPrev")->SetEnabled(pages.PrevEnabled());
}

void CoverTabs(ComponentOwner& form) {
  const Component& pageControl = *form.Find("PCInstaller");
  const ControlBounds& pages = pageControl.bounds;
  Component& cover = *form.Find("PanelHideTabs");
  cover.SetBounds({pages.left, pages.top, pages.width, pageControl.tabHeight + kTabCoverExtra});
  form.BringToFront(cover);
}

void ShowDataError(ComponentOwner& form) {
  for (const char* name : {"PCInstaller", "PanelB", "PanelHideTabs"}) form.Find(name)->SetVisible(false);
  Component& error = *form.Find("LabelError");
  error.SetVisible(true);
  form.BringToFront(error);
}

}  // namespace saverkit
