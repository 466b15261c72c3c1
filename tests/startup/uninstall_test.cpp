#include "startup/uninstall.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace saverkit {
namespace {

class RecordingUninstallSystem : public UninstallSystem {
 public:
  int Ask(const std::string& text, const std::string& caption, uint32_t style) override {
    questions.push_back(text);
    EXPECT_EQ(caption, "Uninstall");
    EXPECT_EQ(style, 0x40033u);
    return answer;
  }
  void DeleteKeyTree(const std::string& keyPath) override { deletedKeys.push_back(keyPath); }
  std::string DesktopFolder() override { return desktop; }
  void RemoveFile(const std::string& path) override { removedFiles.push_back(path); }
  bool SelfDelete(const std::string& path) override {
    selfDeleted.push_back(path);
    return true;
  }

  int answer = 6;
  std::string desktop = "C:\\Users\\ada\\Desktop";
  std::vector<std::string> questions;
  std::vector<std::string> deletedKeys;
  std::vector<std::string> removedFiles;
  std::vector<std::string> selfDeleted;
};

TEST(RunUninstall, YesRemovesTheKeyAndShortcutItNamesAndSchedulesItsOwnFile) {
  RecordingUninstallSystem system;
  // The name may carry blanks around it; the question shows it as it is, the shortcut trimmed.
  EXPECT_TRUE(RunUninstall("C:\\X\\Aurora.scr", "  Aurora ", system));
  ASSERT_EQ(system.questions.size(), 1u);
  EXPECT_EQ(system.questions[0], "You are about to uninstall the ScreenSaver!\nScreenSaver Name:   Aurora \nAre you sure?");
  EXPECT_EQ(system.deletedKeys,
            std::vector<std::string>{"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Aurora"});
  EXPECT_EQ(system.removedFiles, std::vector<std::string>{"C:\\Users\\ada\\Desktop\\Aurora.lnk"});
  EXPECT_EQ(system.selfDeleted, std::vector<std::string>{"C:\\X\\Aurora.scr"});
}

TEST(RunUninstall, AnyAnswerButYesRemovesNothing) {
  for (int answer : {7, 2, 0}) {
    RecordingUninstallSystem system;
    system.answer = answer;
    EXPECT_FALSE(RunUninstall("C:\\X\\Aurora.scr", "Aurora", system));
    EXPECT_TRUE(system.deletedKeys.empty());
    EXPECT_TRUE(system.removedFiles.empty());
    EXPECT_TRUE(system.selfDeleted.empty());
  }
}

// Names that would address more than the screen saver's own entry and shortcut are not used.
TEST(RunUninstall, NeverAddressesTheWholeUninstallListOrAFileOutsideTheDesktop) {
  const struct {
    const char* ownPath;
    const char* name;
    const char* desktop;
    std::vector<std::string> keys;
    std::vector<std::string> files;
  } cases[] = {
      {"C:\\X\\.scr", "Aurora", "C:\\D", {}, {"C:\\D\\Aurora.lnk"}},
      {"C:\\X\\Demo.scr.scr", "   ", "C:\\D", {"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo.scr"}, {}},
      {"C:\\X\\Demo.scr", "..\\..\\boot", "C:\\D", {"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo"},
       {"C:\\D\\....boot.lnk"}},
      {"C:\\X\\Demo.scr", "Demo", "", {"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo"}, {}},
  };
  for (const auto& c : cases) {
    RecordingUninstallSystem system;
    system.desktop = c.desktop;
    RunUninstall(c.ownPath, c.name, system);
    EXPECT_EQ(system.deletedKeys, c.keys) << c.ownPath;
    EXPECT_EQ(system.removedFiles, c.files) << c.ownPath;
    EXPECT_EQ(system.selfDeleted, std::vector<std::string>{c.ownPath});
  }
}

}  // namespace
}  // namespace saverkit
