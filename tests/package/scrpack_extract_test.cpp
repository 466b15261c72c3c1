// scrpack info and extract run as a user runs them, on screen savers our package writer made.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

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

// info --json is what tests and tools read: every field of the fixture comes back under its
// documented name, as the reader sees it.
TEST_F(ScrpackCommandTest, InfoJsonReportsEverythingThePackageHolds) {
  const CommandRun run = Scrpack("info --json " + Saver());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const nlohmann::json info = nlohmann::json::parse(run.output);
  using nlohmann::json;
  const std::pair<const char*, json> expected[] = {
      {"/name", "Harbour Lights"},
      {"/description", "Lights over the water at night"},
      {"/formatVersion", 5},
      {"/edition", "E"},
      {"/defaults/seconds", 7},
      {"/defaults/effect", 12},
      {"/defaults/outEffect", 13},
      {"/defaults/step", 4},
      {"/defaults/outDelay", 30},
      {"/backgroundColor", "#332211"},
      {"/randomOrder", 1},
      {"/noSaving", 1},
      {"/motionMode", 3},
      {"/ignoreMouseMove", 1},
      {"/hideGeneratorPage", 1},
      {"/designWidth", 800},
      {"/designHeight", 600},
      {"/opacity", 80},
      {"/cursorVisible", 1},
      {"/author/name", "Ada Painter"},
      {"/author/homePage", "http://example.org/lights"},
      {"/background/width", 32},
      {"/licence", "You may share this screen saver."},
      {"/texts/dynamic", json::array({"First", "Second"})},
      {"/texts/static", json::array({"[FS_0]", "S_1=Next"})},
      {"/items/0/kind", "picture"},
      {"/items/0/x", 100},
      {"/items/0/width", 200},
      {"/items/0/outEffect", -2},
      {"/items/0/fixedPosition", true},
      {"/items/0/picture/width", 64},
      {"/items/0/labels/0/text", "Night"},
      {"/items/0/labels/0/font", "Tahoma"},
      {"/items/0/labels/0/style", json::array({"bold", "italic"})},
      {"/items/0/labels/0/color", "#FF0000"},
      {"/items/0/labels/0/transparent", false},
      {"/items/0/labels/1/transparent", true},
      {"/items/1/overlay", true},
      {"/items/2/kind", "movie"},
      {"/items/2/size", 1000},
      {"/items/3/kind", "unknown"},
      {"/items/3/kindValue", 7},
      {"/music/0/name", "Evening Tide"},
      {"/music/0/suffix", ".mp3"},
      {"/music/0/size", 777},
      {"/music/1/resourceName", "TUNE2"},
      {"/blocks/name/size", 64},
      {"/blocks/trailer/size", 400},
      {"/blocks/extension/size", 20},
      {"/blocks/licence/size", 36},
  };
  for (const auto& [pointer, value] : expected) {
    const json::json_pointer at(pointer);
    ASSERT_TRUE(info.contains(at)) << pointer;
    EXPECT_EQ(info.at(at), value) << pointer;
  }
  // The blocks lie where the package's own trailer and label trailer say.
  EXPECT_EQ(info["file"]["size"].get<int64_t>() - info["file"]["packageBase"].get<int64_t>(),
            info["blocks"]["trailer"]["offset"].get<int64_t>() + 400);
  EXPECT_EQ(info["blocks"]["labels"]["offset"].get<int64_t>() + info["blocks"]["labels"]["size"].get<int64_t>(),
            info["blocks"]["extension"]["offset"].get<int64_t>());

  const CommandRun text = Scrpack("info " + Saver());
  ASSERT_EQ(text.exitCode, 0) << text.output;
  for (const char* line : {"name: Harbour Lights\n", "formatVersion: 5\n", "      text: Night\n", "    name: Evening Tide\n"})
    EXPECT_NE(text.output.find(line), std::string::npos) << line << "\n" << text.output;
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
