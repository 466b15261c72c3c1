#include "base/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/readable_file.h"

namespace saverkit {
namespace {

std::string TempPath(const std::string& name) { return ::testing::TempDir() + "files_test_" + name; }

std::vector<uint8_t> Bytes(size_t count, uint8_t seed) {
  std::vector<uint8_t> bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = uint8_t(seed + i * 7);
  return bytes;
}

std::vector<uint8_t> Contents(const std::string& path) {
  std::optional<ReadableFile> file = ReadableFile::Open(path);
  if (!file) return {};
  std::vector<uint8_t> bytes(size_t(file->Size()));
  return file->ReadAt(0, bytes.data(), bytes.size()) ? bytes : std::vector<uint8_t>{};
}

TEST(WholeFiles, WriteReplacesAndCopyCarriesEveryByte) {
  const std::string from = TempPath("copy_from");
  const std::string to = TempPath("copy_to");
  // Larger than the copy's buffer, so that the copy takes several rounds.
  const std::vector<uint8_t> data = Bytes(150 * 1024 + 3, 1);
  ASSERT_TRUE(WriteWholeFile(to, Bytes(400 * 1024, 9)));
  ASSERT_TRUE(WriteWholeFile(from, data));
  EXPECT_EQ(Contents(from), data);

  EXPECT_TRUE(CopyFileReplacing(from, to));
  EXPECT_EQ(Contents(to), data) << "a longer file at the target is replaced, not overwritten in place";
  ASSERT_TRUE(WriteWholeFile(from, {}));
  EXPECT_TRUE(CopyFileReplacing(from, to));
  EXPECT_TRUE(FileExists(to));
  EXPECT_TRUE(Contents(to).empty());
  EXPECT_TRUE(RemoveFile(from));
  EXPECT_TRUE(RemoveFile(to));
  EXPECT_FALSE(FileExists(to));
  EXPECT_TRUE(RemoveFile(to)) << "a file that is not there counts as removed";
}

TEST(WholeFiles, RefusedCopiesLeaveTheTargetAsItWas) {
  const std::string source = TempPath("refused_source");
  const std::string target = TempPath("refused_target");
  const std::vector<uint8_t> kept = Bytes(1000, 5);
  ASSERT_TRUE(WriteWholeFile(source, Bytes(10, 3)));
  struct Case {
    const char* name;
    std::string from, to;
  };
  const Case cases[] = {
      {"the source is missing", TempPath("no_such_file"), target},
      {"the source is a folder", ::testing::TempDir(), target},
      {"both are the same file", target, target},
      {"both are the same file, spelt differently", target, ::testing::TempDir() + "./files_test_refused_target"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteWholeFile(target, kept));
    EXPECT_FALSE(CopyFileReplacing(c.from, c.to)) << c.name;
    EXPECT_EQ(Contents(target), kept) << c.name;
  }
  EXPECT_FALSE(CopyFileReplacing(source, TempPath("no_such_folder/target")));
  EXPECT_FALSE(WriteWholeFile(TempPath("no_such_folder/target"), kept));
  RemoveFile(source);
  RemoveFile(target);
}

TEST(WholeFiles, KindsAndIdentities) {
  const std::string file = TempPath("kinds");
  ASSERT_TRUE(WriteWholeFile(file, Bytes(3, 0)));
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(IsDirectory(file));
  EXPECT_TRUE(FileExists(::testing::TempDir()));
  EXPECT_TRUE(IsDirectory(::testing::TempDir()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(IsDirectory(""));
  EXPECT_TRUE(IsSameFile(file, file));
  EXPECT_FALSE(IsSameFile(file, TempPath("no_such_file")));
  EXPECT_FALSE(IsSameFile(TempPath("no_such_file"), TempPath("no_such_file")));
  EXPECT_FALSE(IsSameFile(file, ::testing::TempDir()));
  RemoveFile(file);
}

TEST(ReadableFileTest, ReadsOnlyWhatLiesInsideTheFile) {
  const std::string path = TempPath("readable");
  const std::vector<uint8_t> data = Bytes(100, 11);
  ASSERT_TRUE(WriteWholeFile(path, data));
  std::optional<ReadableFile> file = ReadableFile::Open(path);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->Size(), 100);
  struct Case {
    int64_t position;
    size_t length;
    bool read;
  };
  const Case cases[] = {
      {0, 100, true}, {99, 1, true}, {40, 10, true}, {100, 0, true}, {0, 0, true},
      {100, 1, false}, {99, 2, false}, {0, 101, false}, {-1, 1, false}, {101, 0, false},
      {1, size_t(-1), false},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> buffer(c.read ? c.length : 0);
    EXPECT_EQ(file->ReadAt(c.position, buffer.data(), c.length), c.read) << c.position << "+" << c.length;
    if (c.read) {
      EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), data.begin() + c.position)) << c.position << "+" << c.length;
    }
  }
  // Reads in any order, the last one first.
  uint8_t last = 0, first = 0;
  EXPECT_TRUE(file->ReadAt(99, &last, 1));
  EXPECT_TRUE(file->ReadAt(0, &first, 1));
  EXPECT_EQ(last, data[99]);
  EXPECT_EQ(first, data[0]);
  EXPECT_FALSE(ReadableFile::Open(TempPath("no_such_file")));
  RemoveFile(path);
}

}  // namespace
}  // namespace saverkit
