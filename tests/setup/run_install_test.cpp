#include "setup/run_install.h"

#include <gtest/gtest.h>

#include "base/memory_settings_store.h"
#include "package/package_fixture.h"
#include "package/xscr.h"
#include "setup/memory_install_system.h"
#include "startup/edition.h"

namespace saverkit {
namespace {

using testing::MemoryInstallSystem;

constexpr char kSetupPath[] = "C:\\Downloads\\Demo.exe";
constexpr char kFolder[] = "C:\\Users\\ada\\Documents\\My ScreenSavers\\";
constexpr char kTarget[] = "C:\\Users\\ada\\Documents\\My ScreenSavers\\Demo.scr";
constexpr char kKey[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo";
constexpr int kYes = 6;
constexpr int kNo = 7;

// A setup copy written by our package writer, with a byte the reader does not interpret set in its
// trailer: a copy made by re-writing the records would lose it.
class RunInstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::PackagedFile packaged = testing::WritePackagedFile(folder_.File("Demo.exe"), testing::FullContents());
    const size_t trailer = packaged.bytes.size() - PackageTrailer::kSize;
    packaged.bytes[trailer + PackageTrailer::kInfoOffset + 88] = 0x5A;
    setup_ = packaged.bytes;
    machine_.files[kSetupPath].bytes = setup_;
    machine_.folders.insert("C:\\Downloads");
  }

  InstallRequest Request() const {
    InstallRequest request;
    request.ownPath = kSetupPath;
    request.targetDirectory = kFolder;
    request.fileName = "Demo";
    request.screenSaverName = "Demo Show";
    request.caption = "Demo Setup";
    request.overwriteQuestion = "Replace it?";
    request.copyFailed = "Could not copy.";
    return request;
  }

  bool Install(const InstallRequest& request) { return RunInstall(request, machine_, registry_); }
  bool Install() { return Install(Request()); }

  // Files the install left in the target folder.
  std::vector<std::string> TargetFolderFiles() const {
    std::vector<std::string> names;
    for (const auto& [path, file] : machine_.files)
      if (path.rfind(kFolder, 0) == 0) names.push_back(path.substr(std::string(kFolder).size()));
    return names;
  }

  testing::TempFolder folder_;
  std::vector<uint8_t> setup_;
  MemoryInstallSystem machine_;
  MemorySettingsStore registry_;
};

TEST_F(RunInstallTest, TheCopyDiffersFromTheSetupOnlyInItsEditionByte) {
  ASSERT_TRUE(Install());
  const std::vector<uint8_t>& copy = machine_.files.at(kTarget).bytes;
  ASSERT_EQ(copy.size(), setup_.size());
  const size_t edition = setup_.size() - PackageTrailer::kSize + PackageTrailer::kEditionOffset;
  for (size_t i = 0; i < copy.size(); ++i)
    if (i != edition) {
      ASSERT_EQ(copy[i], setup_[i]) << "offset " << i;
    }
  EXPECT_EQ(copy[edition], 0xAC);

  // Read back as a file, the copy is an installed screen saver with the same package.
  const std::string installed = folder_.File("Demo.scr");
  testing::WriteFileBytes(installed, copy);
  EXPECT_EQ(ReadEdition(installed), kEditionInstalled);
  XSCR reader(testing::TestEnvironment(installed, folder_.Path()));
  EXPECT_TRUE(reader.Packaged());
  EXPECT_EQ(reader.ItemCount(), 4);
  EXPECT_FALSE(machine_.files.at(kTarget).readOnly);
}

TEST_F(RunInstallTest, WritesShortcutUninstallEntryAndHandsTheFileToTheControlPanel) {
  ASSERT_TRUE(Install());
  EXPECT_TRUE(machine_.messages.empty());
  EXPECT_TRUE(machine_.folders.count("C:\\Users\\ada\\Documents\\My ScreenSavers"));

  ASSERT_EQ(machine_.shortcuts.size(), 1u);
  EXPECT_EQ(machine_.shortcuts[0].target, kTarget);
  EXPECT_EQ(machine_.shortcuts[0].link, "C:\\Users\\ada\\Desktop\\Demo Show.lnk");
  EXPECT_EQ(machine_.shortcuts[0].workingDirectory, kFolder);

  EXPECT_EQ(registry_.ReadString(kKey, "DisplayName"), "Demo Show");
  // Quoted: the default folder has a blank in it.
  EXPECT_EQ(registry_.ReadString(kKey, "UninstallString"),
            "\"C:\\Users\\ada\\Documents\\My ScreenSavers\\Demo.scr\" -U");
  ASSERT_EQ(machine_.programs.size(), 1u);
  EXPECT_EQ(machine_.programs[0],
            "rundll32.exe desk.cpl,InstallScreenSaver C:\\Users\\ada\\Documents\\My ScreenSavers\\Demo.scr");
  EXPECT_EQ(TargetFolderFiles(), std::vector<std::string>{"Demo.scr"});
}

TEST_F(RunInstallTest, FileNameDecidesFileAndKeyScreenSaverNameDecidesShortcutAndDisplayName) {
  const struct {
    const char* fileName;
    const char* screenSaverName;
    const char* file;
    const char* key;
    const char* link;
  } cases[] = {
      {"Night Sky", "Stars", "Night Sky.scr", "Night Sky", "Stars.lnk"},
      // A name typed with ".scr" gets a second one; the uninstaller strips one and finds the key.
      {"Demo.scr", "Demo", "Demo.scr.scr", "Demo.scr", "Demo.lnk"},
      // Names from the package or the keyboard never lead out of their folders.
      {"..\\..\\Windows\\evil", "a/b:c", "....Windowsevil.scr", "....Windowsevil", "abc.lnk"},
  };
  for (const auto& c : cases) {
    MemoryInstallSystem machine;
    machine.files[kSetupPath].bytes = setup_;
    MemorySettingsStore registry;
    InstallRequest request = Request();
    request.fileName = c.fileName;
    request.screenSaverName = c.screenSaverName;
    ASSERT_TRUE(RunInstall(request, machine, registry)) << c.fileName;
    EXPECT_TRUE(machine.files.count(std::string(kFolder) + c.file)) << c.fileName;
    const std::string key = std::string("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\") + c.key;
    EXPECT_EQ(registry.ReadString(key, "DisplayName"), c.screenSaverName);
    ASSERT_EQ(machine.shortcuts.size(), 1u);
    EXPECT_EQ(machine.shortcuts[0].link, std::string("C:\\Users\\ada\\Desktop\\") + c.link);
  }
}

TEST_F(RunInstallTest, NoShortcutWhenTheBoxIsClear) {
  InstallRequest request = Request();
  request.shortcut = false;
  ASSERT_TRUE(Install(request));
  EXPECT_TRUE(machine_.shortcuts.empty());
  EXPECT_TRUE(registry_.ReadString(kKey, "UninstallString").has_value());
}

TEST_F(RunInstallTest, AnExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
  for (int answer : {kNo, 2}) {
    machine_.files[kTarget] = {{1, 2, 3}, false};
    machine_.folders.insert("C:\\Users\\ada\\Documents\\My ScreenSavers");
    machine_.answers = {answer};
    EXPECT_FALSE(Install());
    ASSERT_EQ(machine_.messages.size(), 1u);
    EXPECT_EQ(machine_.messages[0].text, "Replace it?");
    EXPECT_EQ(machine_.messages[0].caption, "Demo Setup");
    EXPECT_EQ(machine_.messages[0].style, 35u);
    EXPECT_EQ(machine_.files.at(kTarget).bytes, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(registry_.ReadString(kKey, "DisplayName").has_value());
    EXPECT_TRUE(machine_.programs.empty());
    machine_.messages.clear();
  }
}

TEST_F(RunInstallTest, AReadOnlyFileAnsweredYesIsOverwrittenAndEndsWritable) {
  machine_.folders.insert("C:\\Users\\ada\\Documents\\My ScreenSavers");
  machine_.files[kTarget] = {{1, 2, 3}, true};
  machine_.answers = {kYes};
  ASSERT_TRUE(Install());
  EXPECT_EQ(machine_.files.at(kTarget).bytes.size(), setup_.size());
  EXPECT_FALSE(machine_.files.at(kTarget).readOnly);
}

TEST_F(RunInstallTest, AFolderThatCannotBeMadeStopsBeforeAnythingIsWritten) {
  machine_.unwritableFolders.insert("C:\\Users\\ada\\Documents");
  EXPECT_FALSE(Install());
  ASSERT_EQ(machine_.messages.size(), 1u);
  EXPECT_EQ(machine_.messages[0].text, "Failed to create directory...");
  EXPECT_EQ(machine_.messages[0].caption, "Demo Setup");
  EXPECT_EQ(machine_.messages[0].style, 64u);
  EXPECT_TRUE(TargetFolderFiles().empty());
  EXPECT_TRUE(machine_.shortcuts.empty());
}

// Whatever stops the copy, the user hears it, nothing else happens and no file is left half
// written; a screen saver that was there before survives.
TEST_F(RunInstallTest, AFailedCopyLeavesTheOldFileAndNoTemporaryFile) {
  const std::vector<uint8_t> previous = {9, 9, 9};
  const struct {
    const char* what;
    void (*damage)(MemoryInstallSystem&);
  } cases[] = {
      {"disk full", [](MemoryInstallSystem& m) { m.diskSpace = 5000; }},
      {"disk full at the trailer", [](MemoryInstallSystem& m) { m.diskSpace = int64_t(m.files.at(kSetupPath).bytes.size()) - 10; }},
      {"unreadable source", [](MemoryInstallSystem& m) { m.sourceReadFails = true; }},
      {"source gone", [](MemoryInstallSystem& m) { m.files.erase(kSetupPath); }},
      {"source without trailer", [](MemoryInstallSystem& m) { m.files.at(kSetupPath).bytes.resize(399); }},
      {"folder takes no new file",
       [](MemoryInstallSystem& m) { m.unwritableFolders.insert("C:\\Users\\ada\\Documents\\My ScreenSavers"); }},
  };
  for (const auto& c : cases) {
    for (bool existed : {false, true}) {
      MemoryInstallSystem machine;
      machine.files[kSetupPath].bytes = setup_;
      machine.folders.insert("C:\\Users\\ada\\Documents\\My ScreenSavers");
      if (existed) machine.files[kTarget].bytes = previous;
      machine.answers = {kYes};
      c.damage(machine);
      MemorySettingsStore registry;
      EXPECT_FALSE(RunInstall(Request(), machine, registry)) << c.what;
      ASSERT_FALSE(machine.messages.empty()) << c.what;
      EXPECT_EQ(machine.messages.back().text, "Could not copy.") << c.what;
      EXPECT_EQ(machine.messages.back().style, 64u);
      EXPECT_EQ(machine.files.count(kTarget), existed ? 1u : 0u) << c.what;
      if (existed) {
        EXPECT_EQ(machine.files.at(kTarget).bytes, previous) << c.what;
      }
      size_t inFolder = 0;
      for (const auto& entry : machine.files) inFolder += entry.first.rfind(kFolder, 0) == 0;
      EXPECT_EQ(inFolder, existed ? 1u : 0u) << c.what;
      EXPECT_TRUE(machine.shortcuts.empty());
      EXPECT_TRUE(machine.programs.empty());
      EXPECT_FALSE(registry.ReadString(kKey, "DisplayName").has_value());
    }
  }
}

TEST_F(RunInstallTest, ATemporaryNameInUseIsLeftAlone) {
  machine_.folders.insert("C:\\Users\\ada\\Documents\\My ScreenSavers");
  const std::string other = std::string(kFolder) + "~setup0.tmp";
  machine_.files[other].bytes = {7};
  ASSERT_TRUE(Install());
  EXPECT_EQ(machine_.files.at(other).bytes, std::vector<uint8_t>{7});
  EXPECT_EQ(machine_.files.at(kTarget).bytes.size(), setup_.size());
}

TEST_F(RunInstallTest, ANameWithoutAnyUsableCharacterWritesNothing) {
  InstallRequest request = Request();
  request.fileName = "\\/:";
  EXPECT_FALSE(Install(request));
  ASSERT_EQ(machine_.messages.size(), 1u);
  EXPECT_EQ(machine_.messages[0].text, "Could not copy.");
  EXPECT_TRUE(TargetFolderFiles().empty());
}

}  // namespace
}  // namespace saverkit
