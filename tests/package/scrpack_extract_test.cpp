// scrpack info and extract run as a user runs them, on screen savers our package writer made.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "package/package_fixture.h"
#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

using testing::TempFolder;

struct CommandRun {
  int exitCode;
  std::string output;  // standard output and error together
};

CommandRun Scrpack(const std::string& arguments) {
  const std::string command = std::string(SCRPACK_PATH) + " " + arguments + " 2>&1";
  CommandRun run{-1, {}};
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class ScrpackCommandTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::WritePackagedFile(Saver(), testing::FullContents()); }
  std::string Saver() const { return folder_.File("saver.scr"); }
  TempFolder folder_;
};

TEST_F(ScrpackCommandTest, ExtractExportsWhatTheConfigurationDialogWould) {
  const std::string out = folder_.File("export");  // created by the command
  const CommandRun run = Scrpack("extract " + Saver() + " " + out);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const PackageContents contents = testing::FullContents();
  EXPECT_EQ(testing::ReadFileBytes(out + "/Flash_3.swf"), contents.items[2].data);
  EXPECT_EQ(testing::ReadFileBytes(out + "/Music_1.mp3"), contents.music[0].data);
  EXPECT_EQ(testing::ReadFileBytes(out + "/Music_2.mid"), contents.music[1].data);
  Bitmap picture;
  ASSERT_TRUE(DecodeJpeg(testing::ReadFileBytes(out + "/Pic_1.jpg"), 0, picture));
  EXPECT_EQ(picture.Width(), 200) << "the item's own size in design pixels";
  EXPECT_TRUE(std::filesystem::exists(out + "/Pic_2.jpg"));
  EXPECT_TRUE(std::filesystem::exists(out + "/Pic_bk.jpg"));
}

TEST_F(ScrpackCommandTest, ExtractLeavesOutWhatItIsToldTo) {
  TempFolder out;
  ASSERT_EQ(Scrpack("extract " + Saver() + " " + out.Path() + " --no-pictures").exitCode, 0);
  EXPECT_EQ(out.List(), (std::vector<std::string>{"Music_1.mp3", "Music_2.mid"}));
  TempFolder pictures;
  ASSERT_EQ(Scrpack("extract " + Saver() + " " + pictures.Path() + " --no-music").exitCode, 0);
  EXPECT_EQ(pictures.List(), (std::vector<std::string>{"Flash_3.swf", "Pic_1.jpg", "Pic_2.jpg", "Pic_bk.jpg"}));
}

TEST_F(ScrpackCommandTest, InfoDescribesThePackage) {
  const CommandRun run = Scrpack("info " + Saver());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  for (const char* expected : {"name: Harbour Lights", "format: 5", "items: 4 (1 overlays)", "music: 2",
                               "item 3: movie (1), 1000 bytes", "\"Evening Tide\"", "label 0: \"Night\"",
                               "background picture: 32x24", "licence text: 32 bytes"})
    EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
}

TEST_F(ScrpackCommandTest, FilesWithoutPackageAndBadCommandLinesFail) {
  testing::WriteFileBytes(folder_.File("plain.exe"), testing::PatternBytes(1000, 1));
  TempFolder out;
  const CommandRun notPackaged = Scrpack("extract " + folder_.File("plain.exe") + " " + out.Path());
  EXPECT_EQ(notPackaged.exitCode, 1);
  EXPECT_NE(notPackaged.output.find("carries no saverkit package"), std::string::npos) << notPackaged.output;
  EXPECT_TRUE(out.List().empty());
  EXPECT_EQ(Scrpack("info " + folder_.File("missing.scr")).exitCode, 1);
  EXPECT_EQ(Scrpack("extract " + Saver()).exitCode, 1) << "no output folder";
}

}  // namespace
}  // namespace saverkit
