// The configuration dialog on its component model, with a package written by our own writer and
// Windows replaced by a host that records what it was asked to do.
#include <gtest/gtest.h>

#include <filesystem>

#include "forms/form_texts.h"
#include "forms/layout.h"
#include "base/memory_settings_store.h"
#include "package/package_fixture.h"
#include "package/temp_files.h"
#include "raster/bmp_decoder.h"
#include "raster/stretch.h"
#include "setup/config_dialog_model.h"
#include "setup/config_layout.h"
#include "music/scripted_media.h"

namespace saverkit {
namespace {

using testing::TempFolder;

struct Message {
  std::string text, caption;
  int32_t style;
};

class RecordingHost : public ConfigDialogHost {
 public:
  std::unique_ptr<MediaWindow> CreateMusicWindow(uint32_t style) override {
    createdStyle = style;
    return std::make_unique<ScriptedMediaWindow>(media);
  }
  void ShowPreviewPicture(Bitmap picture) override { preview = std::move(picture); }
  bool StartMoviePreview(const std::string& path) override {
    moviePreview = path;
    return true;
  }
  void FreeFlashPreview() override {
    moviePreview.clear();
    ++flashFreed;
  }
  std::string AskSaveName(const SaveDialogRequest& request) override {
    asked.push_back(request);
    return saveName;
  }
  std::string ChooseDirectory() override { return folder; }
  void ShowMessage(const std::string& text, const std::string& caption, int32_t style) override {
    messages.push_back({text, caption, style});
  }
  void PopupWallpaperMenu() override { ++popups; }
  std::string WallpaperFolder() override { return wallpaperFolder; }
  std::string CurrentWallpaper() override { return wallpaperPath; }
  void ApplyWallpaper(const std::string& path, int32_t style) override {
    wallpaperPath = path;
    wallpaperStyle = style;
  }
  void ClearWallpaper() override { wallpaperPath.clear(); }
  void OpenMail(const std::string& target) override { opened.push_back(target); }
  void OpenAddress(const std::string& address) override { opened.push_back(address); }

  std::shared_ptr<MediaLog> media = std::make_shared<MediaLog>();
  uint32_t createdStyle = 0;
  Bitmap preview;
  std::string moviePreview;
  int flashFreed = 0;
  std::vector<SaveDialogRequest> asked;
  std::string saveName, folder, wallpaperFolder;
  std::vector<Message> messages;
  int popups = 0;
  std::string wallpaperPath;
  int32_t wallpaperStyle = -1;
  std::vector<std::string> opened;
};

// Dynamic texts "T0" .. "T25", so each message shows which text it took.
TextLines NumberedTexts() {
  TextLines texts;
  for (int i = 0; i <= 25; ++i) texts.push_back("T" + std::to_string(i));
  return texts;
}

// FullContents with saving allowed and the Generator page shown; tests change what they test.
PackageContents Contents() {
  PackageContents contents = testing::FullContents();
  contents.name = "Harbour";
  contents.info.NoSaving = 0;
  contents.info.HideGeneratorPage = 0;
  return contents;
}

class ConfigDialog : public ::testing::Test {
 protected:
  void Open(const PackageContents& contents) {
    file_ = testing::WritePackagedFile(folder_.File("Saver.scr"), contents);
    reader_ = std::make_unique<XSCR>(testing::TestEnvironment(file_.path, temp_.Path()));
    form_ = std::make_unique<ComponentOwner>();
    ASSERT_TRUE(AddLayout(*form_, ConfigDialogLayout()));
    model_ = std::make_unique<ConfigDialogModel>(*form_, *reader_, settings_, host_, NumberedTexts());
    model_->PlaceTabCover();
    model_->LoadFromPackage();
    model_->PageControlScrChange();
  }
  void Reopen(const PackageContents& contents) {
    model_.reset();
    reader_.reset();
    Open(contents);
  }
  Component& C(const char* name) { return *form_->Find(name); }
  void SelectPicture(int32_t row) {
    C("ComboBoxPics").SetItemIndex(row);
    model_->ComboBoxPicsChange();
  }
  void SelectMusic(int32_t row) {
    C("ComboBoxMusics").SetItemIndex(row);
    model_->ComboBoxMusicsChange();
  }
  // Music buttons as "play pause stop", 1 for enabled.
  std::string MusicButtons() {
    std::string states;
    for (const char* name : {"TBtnEMusicPlay", "TBtnEMusicPause", "TBtnEMusicStop"})
      states += C(name).enabled ? '1' : '0';
    return states;
  }

  TempFolder folder_, temp_, out_;
  testing::PackagedFile file_;
  std::unique_ptr<XSCR> reader_;
  std::unique_ptr<ComponentOwner> form_;
  MemorySettingsStore settings_;
  RecordingHost host_;
  std::unique_ptr<ConfigDialogModel> model_;
};

// "S_0" reaches the controls the layout gives no number, but never the menu's separator, which a
// caption would turn into a command, nor the generator's address, which its click opens.
TEST(ConfigDialogLayout, TheStaticTextZeroCaptionsTheUntaggedControlsButTheFixedOnes) {
  ComponentOwner form;
  ASSERT_TRUE(AddLayout(form, ConfigDialogLayout()));
  const std::string address = form.Find("LabelQelWeb")->caption;
  ApplyStaticTexts({"[FS_0]", "S_0=Zero"}, "FS_0", form);
  for (const char* name : {"LabelScrName", "LabelAuthor", "LabelEmail"}) EXPECT_EQ(form.Find(name)->caption, "Zero") << name;
  EXPECT_EQ(form.Find("N1")->caption, "-");
  EXPECT_EQ(form.Find("LabelQelWeb")->caption, address);
  EXPECT_EQ(form.Find("BtnTab1")->caption, "General");
}

TEST_F(ConfigDialog, PagesAndButtonsFollowThePackage) {
  struct Case {
    const char* what;
    void (*edit)(PackageContents&);
    const char* tabs;  // General, Pictures, Musics, License, Generator
  };
  const Case cases[] = {
      {"everything", [](PackageContents&) {}, "11111"},
      {"no music", [](PackageContents& c) { c.music.clear(); }, "11011"},
      {"no licence", [](PackageContents& c) { c.licence.clear(); }, "11101"},
      {"generator hidden", [](PackageContents& c) { c.info.HideGeneratorPage = 1; }, "11110"},
      {"no pictures", [](PackageContents& c) { c.items.clear(); }, "10111"},
  };
  const char* const pages[] = {"TSGeneral", "TSPictures", "TSMusics", "TSLicense", "TSGenerator"};
  const char* const buttons[] = {"BtnTab1", "BtnTab2", "BtnTab3", "BtnTab6", "BtnTab5"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PackageContents contents = Contents();
    c.edit(contents);
    Reopen(contents);
    std::string tabs, pagesShown;
    for (int i = 0; i < 5; ++i) {
      tabs += C(buttons[i]).visible ? '1' : '0';
      pagesShown += C(pages[i]).tabVisible ? '1' : '0';
    }
    EXPECT_EQ(c.tabs, tabs);
    EXPECT_EQ(c.tabs, pagesShown);
    EXPECT_EQ(contents.music.empty(), model_->MusicWindow() == nullptr);
    // The row fills the 551-pixel panel with General down and widest.
    const Component& general = C("BtnTab1");
    EXPECT_TRUE(general.checked);
    EXPECT_EQ(0, general.bounds.left);
    int right = 0;
    for (const char* name : buttons)
      if (C(name).visible) right = std::max(right, C(name).bounds.left + C(name).bounds.width);
    EXPECT_EQ(549, right);
  }
}

TEST_F(ConfigDialog, GeneralPageShowsTheAuthorOrTextSixteen) {
  Open(Contents());
  EXPECT_EQ("Harbour T13", model_->Caption());
  EXPECT_EQ("Harbour", C("LabelScrName").caption);
  EXPECT_EQ("Lights over the water at night", C("LabelScrDesc").caption);
  EXPECT_EQ("ada@example.org", C("LabelEmail").caption);
  EXPECT_TRUE(C("LabelHomePage").visible);
  EXPECT_EQ("", C("PanelCR").caption);
  model_->LabelEmailClick();
  model_->LabelHomePageClick();
  model_->LabelQelWebClick();
  EXPECT_EQ((std::vector<std::string>{"mailto:ada@example.org?subject=T11", "http://example.org/lights",
                                      kGeneratorWebAddress}),
            host_.opened);
}

TEST_F(ConfigDialog, WithoutAuthorThePanelShowsTextSixteenAndLinksDoNothing) {
  PackageContents contents = Contents();
  contents.writeAuthor = false;
  Open(contents);
  EXPECT_EQ("T16", C("PanelCR").caption);
  for (const char* name : {"PanelCopyRight", "LabelAuthor", "LabelEmail", "LabelHomePage"})
    EXPECT_FALSE(C(name).visible) << name;
  model_->LabelEmailClick();
  model_->LabelHomePageClick();
  EXPECT_TRUE(host_.opened.empty());
}

TEST_F(ConfigDialog, TabButtonsShowTheirPage) {
  Open(Contents());
  EXPECT_EQ((ControlBounds{24, 24, 551, 25}), C("PanelHideTabs").bounds);  // over the page control's tabs
  // In front of the page control, and still made before its buttons.
  EXPECT_GT(form_->IndexOf(&C("PanelHideTabs")), form_->IndexOf(&C("PageControlScr")));
  EXPECT_LT(form_->IndexOf(&C("PanelHideTabs")), form_->IndexOf(&C("BtnTab1")));
  model_->BtnTabsClick(C("BtnTab3"));
  EXPECT_EQ(2, C("PageControlScr").itemIndex);
  EXPECT_TRUE(C("BtnTab3").checked);
  EXPECT_FALSE(C("BtnTab1").checked);
  EXPECT_GT(C("BtnTab3").bounds.width, C("BtnTab1").bounds.width);
  model_->BtnTabsClick(C("LabelEmail"));  // not a speed button
  EXPECT_EQ(2, C("PageControlScr").itemIndex);
}

TEST_F(ConfigDialog, PicturesGetThumbnailsAndAFittedPreview) {
  Open(Contents());
  ASSERT_EQ(4u, C("ComboBoxPics").items.size());
  EXPECT_EQ("Pic", C("ComboBoxPics").items[0]);
  EXPECT_EQ(0, C("ComboBoxPics").itemIndex);
  // The 64 x 48 picture decodes at one eighth: 8 x 6.
  EXPECT_EQ(8, model_->Thumbnail(0)->Width());
  EXPECT_EQ(nullptr, model_->Thumbnail(4));
  // Row 0: 200 x 100 at (100, 50) on an 800-pixel design screen, in a 344-pixel panel.
  EXPECT_EQ((ControlBounds{43, 21, 86, 43}), C("ImageFore").bounds);
  EXPECT_EQ(86, host_.preview.Width());
  EXPECT_EQ(43, host_.preview.Height());
  EXPECT_EQ(0x00112233u, C("PanelScreen").EffectiveColor());  // the show's background colour
  EXPECT_TRUE(C("SBtnPSave").enabled);
  EXPECT_TRUE(C("SBtnPSaveAll").enabled);
  EXPECT_TRUE(C("BtnWallpaper").enabled);
}

// The preview decodes a picture no larger than it shows it: a large photo at a reduced JPEG scale,
// then stretched to the preview's size; it looks like the full picture stretched there.
TEST_F(ConfigDialog, ThePreviewDecodesAPictureAtTheSizeItShowsIt) {
  struct Case {
    int width, height;
  };
  for (const Case c : {Case{64, 48}, Case{1600, 1200}, Case{3000, 400}}) {
    PackageContents contents = Contents();
    contents.items[0].record.Width = 0;  // shown at the picture's own size
    contents.items[0].record.Height = 0;
    contents.items[0].data = testing::TestJpeg(c.width, c.height);
    Reopen(contents);
    const ControlBounds& bounds = C("ImageFore").bounds;
    ASSERT_TRUE(C("ImageFore").visible);
    ASSERT_EQ(bounds.width, host_.preview.Width()) << c.width;
    ASSERT_EQ(bounds.height, host_.preview.Height()) << c.width;

    Bitmap reduced;
    ASSERT_TRUE(reader_->LoadPictureToCover(0, bounds.width, bounds.height, reduced));
    EXPECT_LE(reduced.Width(), std::max(bounds.width * 2, c.width / 8 + 1)) << c.width;
    StretchBitmap(reduced, bounds.width, bounds.height);
    Bitmap full;
    ASSERT_TRUE(reader_->LoadPicture(0, XSCR::kFullScale, full));
    StretchBitmap(full, bounds.width, bounds.height);
    int notFromTheReducedDecode = 0;
    long differenceFromFull = 0;
    for (int y = 0; y < bounds.height; ++y)
      for (int x = 0; x < bounds.width; ++x) {
        const Rgb shown = host_.preview.Pixel(x, y), large = full.Pixel(x, y);
        notFromTheReducedDecode += !(shown == reduced.Pixel(x, y));
        differenceFromFull += std::abs(shown.r - large.r) + std::abs(shown.g - large.g) + std::abs(shown.b - large.b);
      }
    EXPECT_EQ(notFromTheReducedDecode, 0) << c.width;
    EXPECT_LT(double(differenceFromFull) / (3.0 * bounds.width * bounds.height), 8.0) << c.width;
  }
}

TEST_F(ConfigDialog, AMovieItemPlaysInThePreviewAndSavesAsSwf) {
  Open(Contents());
  SelectPicture(2);
  EXPECT_FALSE(C("ImageFore").visible);
  EXPECT_TRUE(C("SBtnPSave").enabled);
  ASSERT_FALSE(host_.moviePreview.empty());
  EXPECT_EQ(Contents().items[2].data, testing::ReadFileBytes(host_.moviePreview));

  host_.saveName = out_.File("movie.swf");
  model_->SBtnPSaveClick();
  ASSERT_EQ(1u, host_.asked.size());
  EXPECT_EQ("T8", host_.asked[0].title);
  EXPECT_EQ("T25", host_.asked[0].filter);
  EXPECT_EQ("swf", host_.asked[0].defaultExtension);
  EXPECT_EQ(Contents().items[2].data, testing::ReadFileBytes(host_.saveName));

  SelectPicture(0);  // leaving the movie frees its preview
  EXPECT_TRUE(host_.moviePreview.empty());
  EXPECT_TRUE(C("ImageFore").visible);
}

TEST_F(ConfigDialog, AFailedPictureSaveShowsTheMessageAndTheDialogGoesOn) {
  Open(Contents());
  host_.saveName = "";  // cancelled
  model_->SBtnPSaveClick();
  EXPECT_EQ("jpg", host_.asked.at(0).defaultExtension);
  EXPECT_EQ("T7", host_.asked.at(0).filter);
  EXPECT_TRUE(host_.messages.empty());

  host_.saveName = out_.File("picture.png");
  model_->SBtnPSaveClick();
  ASSERT_EQ(1u, host_.messages.size());
  EXPECT_EQ("T6", host_.messages[0].text);
  EXPECT_EQ("T5", host_.messages[0].caption);
  EXPECT_EQ(kMessageWarning, host_.messages[0].style);

  host_.saveName = out_.File("picture.jpg");
  model_->SBtnPSaveClick();
  EXPECT_EQ(1u, host_.messages.size());
  EXPECT_TRUE(FileExists(host_.saveName));
}

TEST_F(ConfigDialog, SaveAllWritesThePicturesOrReportsTheFailure) {
  Open(Contents());
  host_.folder = "";
  model_->SBtnPSaveAllClick();
  EXPECT_TRUE(out_.List().empty());

  host_.folder = out_.Path();
  model_->SBtnPSaveAllClick();
  EXPECT_EQ((std::vector<std::string>{"Flash_3.swf", "Pic_1.jpg", "Pic_2.jpg", "Pic_bk.jpg"}), out_.List());
  EXPECT_TRUE(host_.messages.empty());

  host_.folder = out_.File("missing");
  model_->SBtnPSaveAllClick();
  ASSERT_EQ(1u, host_.messages.size());
  EXPECT_EQ("T1", host_.messages[0].text);
  EXPECT_EQ("T0", host_.messages[0].caption);
  EXPECT_EQ(kMessageInformation, host_.messages[0].style);
}

TEST_F(ConfigDialog, NoSavingDisablesTheSavingControlsAndTheWallpaperStyles) {
  PackageContents contents = Contents();
  contents.info.NoSaving = 1;
  Open(contents);
  for (const char* name : {"SBtnPSave", "SBtnPSaveAll", "TBtnSaveM"}) EXPECT_FALSE(C(name).enabled) << name;

  // A click that reaches a handler anyway saves nothing.
  host_.saveName = out_.File("x.jpg");
  host_.folder = out_.Path();
  host_.wallpaperFolder = out_.Path();
  model_->SBtnPSaveClick();
  model_->SBtnPSaveAllClick();
  model_->TBtnSaveMClick();
  model_->PMIWallpaperClick(C("PMICenter"));
  EXPECT_TRUE(out_.List().empty());
  EXPECT_TRUE(host_.asked.empty());
}

// Removing a wallpaper stays possible where setting one is not: the menu opens with only Remove.
TEST_F(ConfigDialog, TheWallpaperMenuOffersItsStylesOnlyForAPictureThatMayBeSaved) {
  struct Case {
    const char* what;
    bool noSaving;
    int32_t row;
    bool styles;
  };
  const Case cases[] = {
      {"a picture", false, 0, true},
      {"a movie", false, 2, false},
      {"a picture, saving forbidden", true, 0, false},
  };
  for (const Case& c : cases) {
    PackageContents contents = Contents();
    contents.info.NoSaving = c.noSaving;
    Reopen(contents);
    SelectPicture(c.row);
    EXPECT_TRUE(C("BtnWallpaper").enabled) << c.what;
    host_.popups = 0;
    model_->BtnWallpaperClick();
    EXPECT_EQ(1, host_.popups) << c.what;
    model_->PMWallpaperPopup();
    for (const char* name : {"PMICenter", "PMITile", "PMIStretch"}) EXPECT_EQ(c.styles, C(name).visible) << c.what;
    EXPECT_TRUE(C("PMIRemove").visible) << c.what;
  }
}

TEST_F(ConfigDialog, AWallpaperIsWrittenToTheUsersFolderThenAppliedAndRemovedAgain) {
  Open(Contents());
  host_.wallpaperFolder = out_.Path();
  model_->PMIWallpaperClick(C("PMITile"));
  EXPECT_EQ(out_.File("SCR Wallpaper.bmp"), host_.wallpaperPath);
  EXPECT_EQ(2, host_.wallpaperStyle);
  Bitmap written;
  EXPECT_TRUE(DecodeBmp(testing::ReadFileBytes(host_.wallpaperPath), written));
  EXPECT_TRUE(host_.messages.empty());

  // Windows may hand the path back in another letter case.
  host_.wallpaperPath = out_.Path() + "/scr WALLPAPER.bmp";
  model_->PMIRemoveClick();
  EXPECT_EQ("", host_.wallpaperPath);
  EXPECT_TRUE(out_.List().empty()) << "the bitmap stays behind";
}

TEST_F(ConfigDialog, RemoveLeavesAWallpaperTheUserChoseSince) {
  Open(Contents());
  host_.wallpaperFolder = out_.Path();
  model_->PMIWallpaperClick(C("PMICenter"));
  host_.wallpaperPath = "C:\\Users\\Ada\\Pictures\\Beach.jpg";
  model_->PMIRemoveClick();
  EXPECT_EQ("C:\\Users\\Ada\\Pictures\\Beach.jpg", host_.wallpaperPath);
  EXPECT_TRUE(out_.List().empty()) << "our bitmap, no longer shown, stays behind";
}

TEST_F(ConfigDialog, AWallpaperThatCannotBeWrittenShowsTheMessageAndChangesNothing) {
  for (const std::string folder : {std::string(), out_.File("missing")}) {
    Reopen(Contents());
    host_.messages.clear();
    host_.wallpaperPath = "C:\\Windows\\Web\\Wallpaper\\Hills.jpg";
    host_.wallpaperFolder = folder;
    model_->PMIWallpaperClick(C("PMICenter"));
    EXPECT_EQ("C:\\Windows\\Web\\Wallpaper\\Hills.jpg", host_.wallpaperPath) << folder;
    ASSERT_EQ(1u, host_.messages.size()) << folder;
    EXPECT_EQ("T6", host_.messages[0].text);
    EXPECT_EQ("T5", host_.messages[0].caption);
  }
}

TEST_F(ConfigDialog, MusicButtonsFollowThePlayer) {
  Open(Contents());
  EXPECT_EQ(mci::kDialogWindowStyle, host_.createdStyle);
  EXPECT_EQ((std::vector<std::string>{"Evening Tide", "Lullaby"}), C("ComboBoxMusics").items);
  EXPECT_EQ("Evening Tide", C("ComboBoxMusics").hint);
  EXPECT_TRUE(C("ComboBoxMusics").showHint);
  EXPECT_EQ("100", MusicButtons());

  model_->TBtnEMusicPlayClick();
  EXPECT_EQ(mci::kModePlaying, host_.media->mode);
  EXPECT_EQ("011", MusicButtons());
  EXPECT_TRUE(C("TimerMusics").enabled);

  model_->TBtnEMusicPauseClick();
  EXPECT_EQ("101", MusicButtons());
  EXPECT_FALSE(C("TimerMusics").enabled);

  model_->TBtnEMusicPlayClick();  // opens the track anew: from the beginning
  EXPECT_EQ(2u, host_.media->opened.size());
  EXPECT_EQ("011", MusicButtons());

  SelectMusic(0);  // the same row again: it plays on
  EXPECT_EQ(mci::kModePlaying, host_.media->mode);
  SelectMusic(1);
  EXPECT_EQ(mci::kModeStopped, host_.media->mode);
  EXPECT_EQ(1, model_->CurrentMusicRow());
  EXPECT_EQ("100", MusicButtons());

  model_->TBtnEMusicPlayClick();
  host_.media->mode = mci::kModeStopped;  // the track ends
  model_->TimerMusicsTimer();
  EXPECT_EQ("100", MusicButtons());
}

TEST_F(ConfigDialog, AMusicIsSavedWithItsOwnExtension) {
  PackageContents contents = Contents();
  contents.music[1].name = "Lullaby.mid";
  Open(contents);
  SelectMusic(1);
  host_.saveName = out_.File("lullaby.mid");
  model_->TBtnSaveMClick();
  EXPECT_EQ("T4", host_.asked.at(0).title);
  EXPECT_EQ("T3(*.mid)|*.mid", host_.asked.at(0).filter);
  EXPECT_EQ("mid", host_.asked.at(0).defaultExtension);
  EXPECT_EQ(Contents().music[1].data, testing::ReadFileBytes(host_.saveName));

  host_.saveName = out_.File("missing") + "/x.mid";
  model_->TBtnSaveMClick();
  ASSERT_EQ(1u, host_.messages.size());
  EXPECT_EQ("T2", host_.messages[0].text);
  EXPECT_EQ("T5", host_.messages[0].caption);

  // A name without an extension offers the music's own file type.
  contents.music[1].name = "Lullaby";
  Reopen(contents);
  SelectMusic(1);
  model_->TBtnSaveMClick();
  EXPECT_EQ("T3(*.mid)|*.mid", host_.asked.back().filter);
}

TEST_F(ConfigDialog, OkStoresTheMusicOptionsOnlyWhenThereIsMusic) {
  {
    PackageContents contents = Contents();
    contents.music.clear();
    Open(contents);
    model_->BtnOKClick();
    EXPECT_FALSE(settings_.ReadInt("\\Software\\Varnimo\\Harbour", "MRA").has_value());
  }
  Reopen(Contents());
  EXPECT_FALSE(C("CheckBoxMusicROP").checked);  // defaults: 0, 1, 0
  EXPECT_TRUE(C("CheckBoxMusicRA").checked);
  EXPECT_FALSE(C("CheckBoxMusicMute").checked);
  C("CheckBoxMusicROP").SetChecked(true);
  C("CheckBoxMusicMute").SetChecked(true);
  model_->BtnOKClick();
  EXPECT_EQ(1, settings_.ReadInt(model_->SettingsKey(), "MROP"));
  EXPECT_EQ(1, settings_.ReadInt(model_->SettingsKey(), "MRA"));
  EXPECT_EQ(1, settings_.ReadInt(model_->SettingsKey(), "Mute"));
}

TEST_F(ConfigDialog, WithOneMusicRandomOrderIsDisabledButKeptAndWritten) {
  settings_.WriteInt("\\Software\\Varnimo\\Harbour", "MROP", 1);
  PackageContents contents = Contents();
  contents.music.resize(1);
  Open(contents);
  EXPECT_FALSE(C("CheckBoxMusicROP").enabled);
  EXPECT_TRUE(C("CheckBoxMusicROP").checked);
  settings_.WriteInt("\\Software\\Varnimo\\Harbour", "MROP", 0);
  model_->SaveSettings();
  EXPECT_EQ(1, settings_.ReadInt("\\Software\\Varnimo\\Harbour", "MROP"));
}

TEST_F(ConfigDialog, ClosingStopsTheMusicAndThePreviewSoEveryExtractedFileGoes) {
  Open(Contents());
  SelectPicture(2);  // extracts the movie
  model_->TBtnEMusicPlayClick();  // extracts a music
  EXPECT_EQ(2u, temp_.List().size());
  const int freedBefore = host_.flashFreed;
  model_.reset();
  EXPECT_GT(host_.flashFreed, freedBefore);
  EXPECT_TRUE(host_.media->destroyed);
  reader_.reset();
  EXPECT_TRUE(temp_.List().empty());
}

}  // namespace
}  // namespace saverkit
