#include "setup/config_layout.h"

namespace saverkit {
namespace {

constexpr uint32_t kBlue = 0x00FF0000;  // 0x00BBGGRR
const FontStyleSet kBold{true, false, false, false};
const FontStyleSet kBoldUnderlined{true, false, true, false};

}  // namespace

const std::vector<LayoutRow>& ConfigDialogLayout() {
  // Inside PanelMain's 7-pixel border: 17-pixel spacers left, top and right, the button strip at
  // the bottom and the page control (551 wide) in the rest. Tab sheets are placed by their page control.
  static const std::vector<LayoutRow> kRows = {
      {"TPanel", "PanelMain", "", kUntagged, "", {0, 0, 599, 407}, Props().Border(7)},
      {"TBevel", "Bevel1", "PanelMain", kUntagged, "", {7, 7, 17, 315}, Props()},
      {"TBevel", "Bevel2", "PanelMain", kUntagged, "", {24, 7, 551, 17}, Props()},
      {"TBevel", "Bevel3", "PanelMain", kUntagged, "", {575, 7, 17, 315}, Props()},
      {"TPanel", "Panel2", "PanelMain", kUntagged, "", {7, 322, 585, 78}, Props()},
      {"TBevel", "Bevel4", "Panel2", kUntagged, "", {17, 0, 551, 2}, Props().Bevels(Bevel::kLowered, Bevel::kNone)},
      {"TButton", "BtnOK", "Panel2", 1023, "OK", {360, 22, 85, 35}, Props().Default().Result(kModalOk)},
      {"TButton", "BtnCancel", "Panel2", 1024, "Cancel", {472, 22, 85, 35}, Props().Cancel().Result(kModalCancel)},
      {"TPageControl", "PageControlScr", "PanelMain", kUntagged, "", {24, 24, 551, 298}, Props().Tabs(80, 25)},

      {"TTabSheet", "TSGeneral", "PageControlScr", 1001, "General", {4, 29, 543, 265}, Props()},
      {"TPanel", "Panel3", "TSGeneral", kUntagged, "", {0, 0, 543, 265}, Props().Colour(kColorWhite)},
      {"TPanel", "Panel4", "Panel3", kUntagged, "", {0, 0, 543, 32}, Props()},
      {"TLabel", "LabelScrName", "Panel4", kUntagged, "", {0, 0, 543, 32},
       Props().FixedSize().Centred().Font("Times New Roman", -16, 0, kBold)},
      {"TLabel", "LabelScrDesc", "Panel3", kUntagged, "", {16, 42, 511, 124}, Props().FixedSize().WordWrap()},
      {"TPanel", "PanelCR", "Panel3", kUntagged, "", {0, 176, 543, 89},
       Props().Colour(kColorWhite).Bevels(Bevel::kNone, Bevel::kLowered).Border(5)},
      {"TPanel", "PanelCopyRight", "PanelCR", kUntagged, "", {6, 6, 420, 77}, Props()},
      {"TLabel", "Label1", "PanelCopyRight", 1007, "Author:", {0, 10, 96, 16},
       Props().FixedSize().TextAligned(TextAlign::kRight)},
      {"TLabel", "Label3", "PanelCopyRight", 1008, "E-mail:", {0, 32, 96, 16},
       Props().FixedSize().TextAligned(TextAlign::kRight)},
      {"TLabel", "Label5", "PanelCopyRight", 1009, "Home page:", {0, 54, 96, 16},
       Props().FixedSize().TextAligned(TextAlign::kRight)},
      {"TLabel", "LabelAuthor", "PanelCopyRight", kUntagged, "", {104, 10, 310, 16},
       Props().FixedSize().Font("MS Sans Serif", -12, kBlue)},
      {"TLabel", "LabelEmail", "PanelCopyRight", kUntagged, "", {104, 32, 310, 16},
       Props().FixedSize().Font("MS Sans Serif", -12, kBlue).HandCursor()},
      {"TLabel", "LabelHomePage", "PanelCopyRight", kUntagged, "", {104, 54, 310, 16},
       Props().FixedSize().Font("MS Sans Serif", -12, kBlue).HandCursor()},
      {"TImage", "ImagesScrIcon", "PanelCR", kUntagged, "", {436, 6, 99, 77}, Props().Centred()},

      {"TTabSheet", "TSPictures", "PageControlScr", 1002, "Pictures", {4, 29, 543, 265}, Props()},
      {"TComboBox", "ComboBoxPics", "TSPictures", kUntagged, "", {10, 10, 173, 106},
       Props().OwnerDrawRows(100).DropDownCount(1)},
      {"TSpeedButton", "SBtnPSave", "TSPictures", 1017, "Save...", {16, 128, 161, 30}, Props()},
      {"TSpeedButton", "SBtnPSaveAll", "TSPictures", 1018, "Save all...", {16, 164, 161, 30}, Props()},
      {"TSpeedButton", "BtnWallpaper", "TSPictures", 1026, "Wallpaper", {16, 200, 161, 30}, Props()},
      {"TPanel", "PanelScreen", "TSPictures", kUntagged, "", {193, 4, 344, 258},
       Props().Bevels(Bevel::kLowered, Bevel::kNone).Border(2)},
      {"TImage", "ImageFore", "PanelScreen", kUntagged, "", {0, 0, 0, 0}, Props().Stretch()},

      {"TTabSheet", "TSMusics", "PageControlScr", 1003, "Musics", {4, 29, 543, 265}, Props()},
      {"TComboBox", "ComboBoxMusics", "TSMusics", kUntagged, "", {10, 10, 441, 56}, Props().OwnerDrawRows(50).ShowsHint()},
      {"TToolBar", "ToolBarMusic", "TSMusics", kUntagged, "", {10, 74, 441, 45}, Props()},
      {"TToolButton", "TBtnEMusicPlay", "ToolBarMusic", kUntagged, "", {0, 0, 56, 41}, Props().Image(0)},
      {"TToolButton", "TBtnEMusicPause", "ToolBarMusic", kUntagged, "", {56, 0, 56, 41}, Props().Image(1)},
      {"TToolButton", "TBtnEMusicStop", "ToolBarMusic", kUntagged, "", {112, 0, 56, 41}, Props().Image(2)},
      {"TToolButton", "ToolButton4", "ToolBarMusic", kUntagged, "", {168, 0, 8, 41}, Props().Separator()},
      {"TToolButton", "TBtnSaveM", "ToolBarMusic", kUntagged, "", {176, 0, 56, 41}, Props().Image(3)},
      {"TGroupBox", "GroupBox1", "TSMusics", 1025, "Music options", {10, 130, 441, 100}, Props()},
      {"TCheckBox", "CheckBoxMusicROP", "GroupBox1", 1019, "Random order of play", {16, 22, 400, 20}, Props()},
      {"TCheckBox", "CheckBoxMusicRA", "GroupBox1", 1020, "Repeat all", {16, 46, 400, 20}, Props()},
      {"TCheckBox", "CheckBoxMusicMute", "GroupBox1", 1021, "Mute", {16, 70, 400, 20}, Props()},

      {"TTabSheet", "TSLicense", "PageControlScr", 1032, "License", {4, 29, 543, 265}, Props()},
      {"TMemo", "MemoLA", "TSLicense", kUntagged, "", {4, 4, 535, 257},
       Props().ReadOnly().VerticalScrollBar().MaxLength(65536)},

      {"TTabSheet", "TSGenerator", "PageControlScr", 1006, "Generator", {4, 29, 543, 265}, Props()},
      {"TPanel", "Panel5", "TSGenerator", kUntagged, "", {0, 0, 543, 265}, Props().Colour(kColorWhite)},
      {"TImage", "ImageQelIcon", "Panel5", kUntagged, "", {24, 24, 32, 32}, Props()},
      {"TLabel", "Label9", "Panel5", 1015, "This screen saver was made with saverkit.", {72, 24, 440, 20},
       Props().FixedSize().WordWrap()},
      {"TLabel", "Label10", "Panel5", 1016, "saverkit packs pictures, movies, captions and music into one screen saver for Windows.",
       {72, 52, 440, 60}, Props().FixedSize().WordWrap()},
      // Shows the address its click opens, whatever the texts say.
      {"TLabel", "LabelQelWeb", "Panel5", kFixedCaption, kGeneratorWebAddress, {72, 124, 440, 22},
       Props().Font("Times New Roman", -15, kBlue, kBoldUnderlined).HandCursor()},

      // Covers the page control's own tabs; placed over them when the dialog is made.
      {"TPanel", "PanelHideTabs", "PanelMain", kUntagged, "", {24, 24, 551, 25}, Props()},
      {"TSpeedButton", "BtnTab1", "PanelHideTabs", 1001, "General", {0, 0, 80, 25}, Props().Group(1).Checked()},
      {"TSpeedButton", "BtnTab2", "PanelHideTabs", 1002, "Pictures", {80, 0, 80, 25}, Props().Group(1)},
      {"TSpeedButton", "BtnTab3", "PanelHideTabs", 1003, "Musics", {160, 0, 80, 25}, Props().Group(1)},
      {"TSpeedButton", "BtnTab6", "PanelHideTabs", 1032, "License", {240, 0, 80, 25}, Props().Group(1)},
      {"TSpeedButton", "BtnTab5", "PanelHideTabs", 1006, "Generator", {320, 0, 80, 25}, Props().Group(1)},

      {"TTimer", "TimerMusics", "", kUntagged, "", {}, Props().Interval(2000).Disabled()},
      {"TPopupMenu", "PMWallpaper", "", kUntagged, "", {}, Props()},
      {"TMenuItem", "PMICenter", "PMWallpaper", 1028, "&Center", {}, Props()},
      {"TMenuItem", "PMITile", "PMWallpaper", 1029, "&Tile", {}, Props()},
      {"TMenuItem", "PMIStretch", "PMWallpaper", 1030, "&Stretch", {}, Props()},
      // A caption would turn the separator into a command.
      {"TMenuItem", "N1", "PMWallpaper", kFixedCaption, "-", {}, Props().Separator()},
      {"TMenuItem", "PMIRemove", "PMWallpaper", 1031, "&Remove", {}, Props()},
  };
  return kRows;
}

}  // namespace saverkit
