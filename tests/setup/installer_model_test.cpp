// The setup wizard on its component model, with a package written by our own writer, the install
// on a machine in memory and the window replaced by a host that records what it was asked to do.
#include "setup/installer_model.h"

#include <gtest/gtest.h>

#include <memory>

#include "base/memory_settings_store.h"
#include "package/package_fixture.h"
#include "setup/installer_layout.h"
#include "setup/memory_install_system.h"
#include "setup/install_names.h"

namespace saverkit {
namespace {

using testing::MemoryInstallSystem;

constexpr char kSetupPath[] = "C:\\Downloads\\Demo.exe";
constexpr char kDocuments[] = "C:\\Users\\ada\\Documents";
constexpr char kDefaultFolder[] = "C:\\Users\\ada\\Documents\\My ScreenSavers\\";

struct CompactCall {
  std::string path;
  std::string fontName;
  int32_t width;
};

class RecordingHost : public InstallerHost {
 public:
  void ShowCaption(const std::string& caption, const std::string& title) override {
    captions.push_back(caption);
    titles.push_back(title);
  }
  // Stands for the ellipsis: the path with the width it was given, so tests see both.
  std::string CompactPath(const std::string& path, const ControlFont& font, int32_t width) override {
    compacted.push_back({path, font.name, width});
    return "[" + std::to_string(width) + "]" + path;
  }
  std::string ChooseDirectory() override { return chosenFolder; }
  void EndModal(int result) override { modalResults.push_back(result); }

  std::vector<std::string> captions;
  std::vector<std::string> titles;
  std::vector<CompactCall> compacted;
  std::string chosenFolder;
  std::vector<int> modalResults;
};

// Dynamic texts with 21, 23 and 24 set as a package would set them.
TextLines WizardTexts() {
  TextLines texts(25);
  texts[19] = "&Ja";  // a translated package captions the message buttons too
  texts[20] = "&Nein";
  texts[21] = "Demo Setup";
  texts[23] = "Replace it?";
  texts[24] = "Could not copy.";
  return texts;
}

SystemFolders Windows10() {
  SystemFolders system;
  system.ntFamily = true;
  system.majorVersion = 10;
  system.documentsFolder = kDocuments;
  system.systemDirectory = "C:\\Windows\\system32";
  return system;
}

PackageContents Contents() {
  PackageContents contents = testing::FullContents();
  contents.name = "  Sea: Night ";
  contents.info.Description = "A blue screen saver.";
  contents.licence = "Use it kindly.";
  return contents;
}

class InstallerModelTest : public ::testing::Test {
 protected:
  void Open(const PackageContents& contents, TextLines texts = WizardTexts(),
            const SystemFolders& system = Windows10()) {
    model_.reset();
    packaged_ = testing::WritePackagedFile(folder_.File("Demo.exe"), contents);
    reader_ = std::make_unique<XSCR>(testing::TestEnvironment(packaged_.path, temp_.Path()));
    form_ = std::make_unique<ComponentOwner>();
    AddInstallerLayout(*form_);
    CoverTabs(*form_);
    machine_ = MemoryInstallSystem();
    machine_.files[kSetupPath].bytes = packaged_.bytes;
    host_ = RecordingHost();
    model_ = std::make_unique<InstallerModel>(*form_, *reader_, host_, machine_, registry_, std::move(texts),
                                              kSetupPath);
    model_->Load(system);
  }
  void Open() { Open(Contents()); }
  Component& C(const char* name) { return *form_->Find(name); }
  // The user's click on the agreement box: the box changes, then its handler runs.
  void ClickAgree() {
    C("CheckBoxAgree").SetChecked(!C("CheckBoxAgree").checked);
    model_->CheckBoxAgreeClick();
  }
  std::string ActivePage() { return C("PanelHideTabs").caption; }

  testing::TempFolder folder_, temp_;
  testing::PackagedFile packaged_;
  std::unique_ptr<XSCR> reader_;
  std::unique_ptr<ComponentOwner> form_;
  MemoryInstallSystem machine_;
  MemorySettingsStore registry_;
  RecordingHost host_;
  std::unique_ptr<InstallerModel> model_;
};

TEST_F(InstallerModelTest, LoadFillsTheControlsFromThePackage) {
  Open();
  // The file name holds only what a file name can; the shown name is only trimmed.
  EXPECT_EQ(C("EditFileName").caption, "Sea Night");
  EXPECT_EQ(C("LabelScrName").caption, "Sea: Night");
  EXPECT_EQ(C("LabelScrDesc").caption, "A blue screen saver.");
  EXPECT_EQ(C("MemoLicense").caption, "Use it kindly.");
  EXPECT_EQ(host_.captions, std::vector<std::string>{"Demo Setup"});
  // The title, which the taskbar shows, names the screen saver as well.
  EXPECT_EQ(host_.titles, std::vector<std::string>{"Demo Setup Sea: Night"});
  EXPECT_EQ(ActivePage(), "Screen Saver");
  EXPECT_EQ(C("PCInstaller").itemIndex, 0);
  EXPECT_FALSE(C("BtnPrev").enabled);
  EXPECT_TRUE(C("BtnNext").enabled);
  EXPECT_EQ(model_->TargetDirectory(), kDefaultFolder);
}

// The licence page is there exactly when the package carries a licence text, whatever it holds.
TEST_F(InstallerModelTest, TheLicencePageShowsForAnyLicenceTextAndOnlyThen) {
  const struct {
    const char* licence;
    bool shown;
  } cases[] = {{"", false}, {"Use it kindly.", true}, {" ", true}, {"\r\n", true}};
  for (const auto& c : cases) {
    PackageContents contents = Contents();
    contents.licence = c.licence;
    Open(contents);
    ASSERT_EQ(reader_->LicenceText(), c.licence);
    EXPECT_EQ(C("TSLicense").tabVisible, c.shown) << '"' << c.licence << '"';
    model_->BtnNextClick();
    EXPECT_EQ(ActivePage(), c.shown ? "License Agreement" : "Destination") << '"' << c.licence << '"';
    EXPECT_EQ(C("BtnNext").enabled, !c.shown) << '"' << c.licence << '"';
  }
}

TEST_F(InstallerModelTest, TheCaptionIsDynamicText21OrTheBuiltInOne) {
  const struct {
    TextLines texts;
    const char* caption;
  } cases[] = {
      {WizardTexts(), "Demo Setup"},
      {TextLines{}, "Install"},  // no texts at all
      {TextLines(21, "x"), "Install"},  // the list ends before 21
      {TextLines(25), "Install"},  // 21 is empty
  };
  for (const auto& c : cases) {
    Open(Contents(), c.texts);
    EXPECT_EQ(model_->Caption(), c.caption);
    EXPECT_EQ(host_.captions, std::vector<std::string>{c.caption});
    EXPECT_EQ(model_->Request().caption, c.caption);
  }
}

// LabelSysPath shows the path shortened to nine tenths of its width, in its own font, and keeps
// the whole path as its hint.
TEST_F(InstallerModelTest, TheTargetDirectoryIsShortenedToNineTenthsOfItsLabel) {
  const struct {
    int32_t labelWidth;
    int32_t pathWidth;
  } cases[] = {{502, 451}, {500, 450}, {10, 9}, {9, 8}, {1, 0}, {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(TargetPathWidth(c.labelWidth), c.pathWidth) << c.labelWidth;

  Open();
  ASSERT_EQ(host_.compacted.size(), 1u);
  EXPECT_EQ(host_.compacted[0].path, kDefaultFolder);
  EXPECT_EQ(host_.compacted[0].fontName, "Arial");
  EXPECT_EQ(host_.compacted[0].width, TargetPathWidth(C("LabelSysPath").bounds.width));
  EXPECT_EQ(C("LabelSysPath").caption, "[451]" + std::string(kDefaultFolder));
  EXPECT_EQ(C("LabelSysPath").hint, kDefaultFolder);
  EXPECT_TRUE(C("LabelSysPath").showHint);
}

TEST_F(InstallerModelTest, AChosenFolderBecomesTheTargetAndCancellingChangesNothing) {
  Open();
  const std::string prompt = C("LabelDirPrompt").caption;

  host_.chosenFolder = "";  // cancelled
  model_->ButtonSelectDirClick();
  EXPECT_EQ(model_->TargetDirectory(), kDefaultFolder);
  EXPECT_EQ(C("LabelDirPrompt").caption, prompt);
  EXPECT_EQ(host_.compacted.size(), 1u);

  const struct {
    const char* chosen;
    const char* target;
  } cases[] = {{"D:\\Savers", "D:\\Savers\\"}, {"D:\\", "D:\\"}, {"E:\\Old\\", "E:\\Old\\"}};
  for (const auto& c : cases) {
    host_.chosenFolder = c.chosen;
    model_->ButtonSelectDirClick();
    EXPECT_EQ(model_->TargetDirectory(), c.target);
    EXPECT_EQ(C("LabelSysPath").hint, c.target);
    EXPECT_EQ(host_.compacted.back().path, c.target);
    EXPECT_EQ(C("LabelDirPrompt").caption, "Your ScreenSaver will be installed to:");
    EXPECT_EQ(model_->Request().targetDirectory, c.target);
  }
}

// The request takes the names as the user left them in the controls, not as the package had them.
TEST_F(InstallerModelTest, TheInstallRequestIsMadeFromTheControls) {
  const struct {
    const char* what;
    const char* fileName;  // typed into EditFileName; null leaves the package's name
    bool shortcut;
    const char* expectedFileName;
  } cases[] = {
      {"as loaded", nullptr, true, "Sea Night"},
      {"renamed", "Night Sky", true, "Night Sky"},
      {"typed with its extension", "Night.scr", true, "Night.scr"},
      {"without a shortcut", nullptr, false, "Sea Night"},
  };
  for (const auto& c : cases) {
    Open();
    if (c.fileName) C("EditFileName").SetCaption(c.fileName);
    C("CheckBoxShorcut").SetChecked(c.shortcut);
    const InstallRequest request = model_->Request();
    EXPECT_EQ(request.ownPath, kSetupPath) << c.what;
    EXPECT_EQ(request.targetDirectory, kDefaultFolder) << c.what;
    EXPECT_EQ(request.fileName, c.expectedFileName) << c.what;
    EXPECT_EQ(request.screenSaverName, "Sea: Night") << c.what;
    EXPECT_EQ(request.shortcut, c.shortcut) << c.what;
    EXPECT_EQ(request.caption, "Demo Setup") << c.what;
    EXPECT_EQ(request.overwriteQuestion, "Replace it?") << c.what;
    EXPECT_EQ(request.copyFailed, "Could not copy.") << c.what;
  }
}

// Next and Prev through every page, as the controls show it: page, title and buttons.
TEST_F(InstallerModelTest, PagesStepThroughTheControls) {
  const struct {
    const char* licence;
    // Steps: 'n' Next, 'p' Prev, 'a' click the agreement box; after each, the page's title and
    // whether Prev and Next are enabled.
    struct Step {
      char action;
      const char* page;
      bool prev, next;
    } steps[8];
  } cases[] = {
      {"",
       {{'n', "Destination", true, true}, {'p', "Screen Saver", false, true}, {'n', "Destination", true, true}}},
      {"Use it kindly.",
       {{'n', "License Agreement", true, false},
        {'n', "License Agreement", true, false},  // a disabled Next does nothing
        {'a', "License Agreement", true, true},
        {'a', "License Agreement", true, false},
        {'p', "Screen Saver", false, true},
        {'n', "License Agreement", true, false},
        {'a', "License Agreement", true, true},
        {'n', "Destination", true, true}}},
  };
  for (const auto& c : cases) {
    PackageContents contents = Contents();
    contents.licence = c.licence;
    Open(contents);
    for (const auto& step : c.steps) {
      if (!step.action) break;
      if (step.action == 'n') model_->BtnNextClick();
      if (step.action == 'p') model_->BtnPrevClick();
      if (step.action == 'a') ClickAgree();
      const std::string where = std::string(c.licence) + " / " + step.action + " -> " + step.page;
      EXPECT_EQ(ActivePage(), step.page) << where;
      EXPECT_EQ(C("BtnPrev").enabled, step.prev) << where;
      EXPECT_EQ(C("BtnNext").enabled, step.next) << where;
    }
    EXPECT_TRUE(host_.modalResults.empty());
  }
}

TEST_F(InstallerModelTest, NextOnTheTargetPageInstallsAndClosesTheWizard) {
  PackageContents contents = Contents();
  contents.licence = "";
  Open(contents);
  model_->BtnNextClick();
  model_->BtnNextClick();
  const std::string target = InstalledFilePath(kDefaultFolder, C("EditFileName").caption);
  ASSERT_TRUE(machine_.files.count(target));
  EXPECT_EQ(machine_.files.at(target).bytes.size(), packaged_.bytes.size());
  EXPECT_EQ(registry_.ReadString(UninstallKeyPath(C("EditFileName").caption), "DisplayName"), "Sea: Night");
  EXPECT_EQ(host_.modalResults, std::vector<int>{kModalOk});
}

// The overwrite question: only Yes installs; any other answer leaves the wizard open on the target
// page with the old file in place.
TEST_F(InstallerModelTest, OnlyYesToTheOverwriteQuestionInstallsOverAnExistingFile) {
  const struct {
    int answer;
    bool installed;
  } cases[] = {{kModalYes, true}, {kModalNo, false}, {kModalCancel, false}};
  for (const auto& c : cases) {
    PackageContents contents = Contents();
    contents.licence = "";
    Open(contents);
    const std::string target = InstalledFilePath(kDefaultFolder, C("EditFileName").caption);
    machine_.files[target].bytes = {1, 2, 3};
    machine_.answers = {c.answer};
    model_->BtnNextClick();
    model_->BtnNextClick();
    ASSERT_EQ(machine_.messages.size(), 1u) << c.answer;
    EXPECT_EQ(machine_.messages[0].text, "Replace it?");
    EXPECT_EQ(machine_.messages[0].caption, "Demo Setup");
    EXPECT_EQ(machine_.messages[0].buttonTexts, WizardTexts()) << "the buttons would stay English";
    EXPECT_EQ(machine_.files.at(target).bytes.size(), c.installed ? packaged_.bytes.size() : 3u) << c.answer;
    EXPECT_EQ(host_.modalResults, c.installed ? std::vector<int>{kModalOk} : std::vector<int>{}) << c.answer;
    EXPECT_EQ(ActivePage(), "Destination") << c.answer;
  }
}

TEST_F(InstallerModelTest, AFailedInstallKeepsTheWizardOpenOnTheTargetPage) {
  PackageContents contents = Contents();
  contents.licence = "";
  Open(contents);
  machine_.unwritableFolders.insert(kDocuments);
  model_->BtnNextClick();
  model_->BtnNextClick();
  ASSERT_EQ(machine_.messages.size(), 1u);
  EXPECT_EQ(machine_.messages[0].text, "Failed to create directory...");
  EXPECT_EQ(machine_.messages[0].buttonTexts, WizardTexts());
  EXPECT_TRUE(host_.modalResults.empty());
  EXPECT_EQ(ActivePage(), "Destination");
  EXPECT_TRUE(C("BtnNext").enabled);
}

TEST_F(InstallerModelTest, AnUnsignedPackageShowsTheErrorStateWhichEndsWithCancel) {
  Open();
  EXPECT_TRUE(model_->PackageSigned());

  packaged_.EditTrailer([](PackageTrailer& trailer) { trailer.Info.Signature[0] ^= 1; });
  packaged_.Save();
  XSCR damaged(testing::TestEnvironment(packaged_.path, temp_.Path()));
  InstallerModel model(*form_, damaged, host_, machine_, registry_, WizardTexts(), kSetupPath);
  EXPECT_FALSE(model.PackageSigned());

  model.ShowDataError();
  EXPECT_EQ(host_.captions.back(), "ScreenSaver Installer");
  EXPECT_EQ(host_.titles.back(), "ScreenSaver Installer");
  EXPECT_FALSE(C("PCInstaller").visible);
  EXPECT_TRUE(C("LabelError").visible);
  model.LabelErrorClick();
  EXPECT_EQ(host_.modalResults, std::vector<int>{kModalCancel});
}

}  // namespace
}  // namespace saverkit
