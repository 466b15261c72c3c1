#include "package/temp_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "package/package_fixture.h"

namespace saverkit {
namespace {

using testing::TempFolder;

TEST(TempFilesTest, FreshNamesTakeTheSmallestFreeNumber) {
  TempFolder temp;
  EXPECT_EQ(FreshTempName(temp.Path(), "~F_", ".swf"), temp.File("~F_0.swf"));
  testing::WriteFileBytes(temp.File("~F_0.swf"), {1});
  testing::WriteFileBytes(temp.File("~F_2.swf"), {1});
  EXPECT_EQ(FreshTempName(temp.Path(), "~F_", ".swf"), temp.File("~F_1.swf"));
  EXPECT_EQ(FreshTempName(temp.Path() + "/", "~S_", ".mp3"), temp.File("~S_0.mp3")) << "one separator only";
}

TEST(TempFilesTest, CreatingNeverOverwritesAnExistingFile) {
  TempFolder temp;
  testing::WriteFileBytes(temp.File("~S_0.mp3"), {7, 7});
  const std::string path = CreateFreshTempFile(temp.Path(), "~S_", ".mp3", {1, 2, 3});
  EXPECT_EQ(path, temp.File("~S_1.mp3"));
  EXPECT_EQ(testing::ReadFileBytes(path), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(testing::ReadFileBytes(temp.File("~S_0.mp3")), (std::vector<uint8_t>{7, 7}));
  EXPECT_EQ(CreateFreshTempFile(temp.Path(), "~S_", ".mp3", {}), temp.File("~S_2.mp3")) << "an empty file is a file";
}

TEST(TempFilesTest, CreatingInAMissingFolderFailsWithoutLooping) {
  TempFolder temp;
  EXPECT_EQ(CreateFreshTempFile(temp.File("missing"), "~F_", ".swf", {1}), "");
}

TEST(TempFilesTest, SuffixesFromAPackageCannotLeaveTheFolder) {
  const struct {
    const char* suffix;
    const char* safe;
  } cases[] = {{".mp3", ".mp3"}, {"/../x", "..x"}, {"\\..\\a.b", "..a.b"}, {"C:x", "Cx"}, {"\t.m\n", ".m"}};
  for (const auto& c : cases) EXPECT_EQ(SafeFileSuffix(c.suffix), c.safe) << c.suffix;
  TempFolder temp;
  EXPECT_EQ(CreateFreshTempFile(temp.Path(), "~S_", "/../../evil", {1}), temp.File("~S_0....evil"));
}

TEST(TempFilesTest, RemoveFileDeletesReadOnlyFilesAndAcceptsMissingOnes) {
  TempFolder temp;
  const std::string path = temp.File("locked.swf");
  testing::WriteFileBytes(path, {1});
  std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  EXPECT_TRUE(RemoveFile(path));
  EXPECT_FALSE(FileExists(path));
  EXPECT_TRUE(RemoveFile(path)) << "gone already";
  EXPECT_TRUE(RemoveFile(""));
}

}  // namespace
}  // namespace saverkit
