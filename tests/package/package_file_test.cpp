#include "package/package_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "package/byte_order.h"
#include "package/complement.h"
#include "package/temp_files.h"

namespace saverkit {
namespace {

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "package_file_test_" + name;
}

// `leading` bytes of filler, then a stored trailer with the given package length and signature.
std::vector<uint8_t> FileWithTrailer(size_t leading, int32_t packageLength, const char* signature = kPackageSignature) {
  std::vector<uint8_t> file(leading, 0x5A);
  PackageTrailer trailer;
  trailer.PackageLength = packageLength;
  trailer.DirectoryOffset = 64;
  std::memcpy(trailer.Info.Signature.data(), signature, kSignatureSize);
  std::vector<uint8_t> stored(PackageTrailer::kSize);
  trailer.ToStored(stored.data());
  file.insert(file.end(), stored.begin(), stored.end());
  return file;
}

TEST(IsPackagedTest, DecidesFromSizeLengthAndSignature) {
  struct Case {
    const char* name;
    std::vector<uint8_t> file;
    bool packaged;
  };
  std::vector<uint8_t> shortFile = FileWithTrailer(0, 400);
  shortFile.erase(shortFile.begin());  // 399 bytes
  const Case cases[] = {
      {"exactly 400 bytes, whole file is the package", FileWithTrailer(0, 400), true},
      {"exactly 400 bytes, shorter package", FileWithTrailer(0, 100), true},
      {"length equals the file", FileWithTrailer(600, 1000), true},
      {"length one past the file", FileWithTrailer(600, 1001), false},
      {"negative length", FileWithTrailer(600, -1), false},
      {"signature in other letter case", FileWithTrailer(600, 1000, "TwilightPanelGuildByOrinVasqueL"), false},
      {"399 bytes", shortFile, false},
      {"empty file", {}, false},
  };
  for (const Case& c : cases) {
    const std::string path = TempPath("detect");
    WriteWholeFile(path, c.file);
    EXPECT_EQ(IsPackaged(path), c.packaged) << c.name;
    std::remove(path.c_str());
  }
  EXPECT_FALSE(IsPackaged(TempPath("no_such_file")));
}

TEST(PackageFileTest, BaseAndTrailerComeFromTheEnd) {
  const std::string path = TempPath("base");
  WriteWholeFile(path, FileWithTrailer(1000, 700));
  std::optional<PackageFile> file = PackageFile::Open(path);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->Size(), 1400);
  EXPECT_EQ(file->Base(), 700);
  EXPECT_EQ(file->Trailer().DirectoryOffset, 64);
  std::remove(path.c_str());
}

TEST(PackageFileTest, BlockReadsStayInsideTheFile) {
  std::vector<uint8_t> bytes = FileWithTrailer(600, 1000);  // S = 1000, B = 0
  for (int i = 0; i < 600; ++i) bytes[size_t(i)] = uint8_t(i);
  const std::string path = TempPath("blocks");
  WriteWholeFile(path, bytes);
  std::optional<PackageFile> file = PackageFile::Open(path);
  ASSERT_TRUE(file);

  struct Case {
    int64_t offset, length;
    bool ok;
  };
  const Case cases[] = {
      {10, 4, true},    {0, 0, true},   {996, 4, true},   {997, 4, false}, {-1, 4, false},
      {10, -4, false},  {1000, 0, true}, {1001, 0, false}, {0, INT64_MAX, false}, {INT64_MAX, 1, false},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> out{1, 2, 3};
    EXPECT_EQ(file->ReadBlock(c.offset, c.length, out), c.ok) << c.offset << "+" << c.length;
    EXPECT_EQ(out.size(), c.ok ? size_t(c.length) : 0u);
  }
  std::vector<uint8_t> out;
  ASSERT_TRUE(file->ReadComplementedBlock(10, 2, out));
  EXPECT_EQ(out, (std::vector<uint8_t>{uint8_t(~10), uint8_t(~11)}));
  std::remove(path.c_str());
}

// File of S bytes with package base B = 0: a label trailer at S - 424 before the trailer.
std::vector<uint8_t> FileWithLabelTrailer(int32_t labelOffset, int32_t labelLength, const char* marker = LabelTrailer::kMarker) {
  std::vector<uint8_t> file = FileWithTrailer(1000, 1400);
  uint8_t* labels = file.data() + 1000 - LabelTrailer::kSize;
  std::memcpy(labels, marker, LabelTrailer::kMarkerSize);
  WriteI32(labels + 16, labelOffset);
  WriteI32(labels + 20, labelLength);
  return file;
}

TEST(PackageFileTest, LabelTrailerMustPointInsideTheFile) {
  struct Case {
    const char* name;
    std::vector<uint8_t> file;
    bool valid;
  };
  const Case cases[] = {
      {"block inside", FileWithLabelTrailer(100, 50), true},
      {"block ends one byte before the end", FileWithLabelTrailer(1000, 399), true},
      {"block ends exactly at the end", FileWithLabelTrailer(1000, 400), false},
      {"negative offset", FileWithLabelTrailer(-1, 10), false},
      {"negative length", FileWithLabelTrailer(100, -10), false},
      {"huge length", FileWithLabelTrailer(100, 0x7FFFFFFF), false},
      {"marker without its terminator", FileWithLabelTrailer(100, 50, "TAVIRLABELSTARTX"), false},
  };
  for (const Case& c : cases) {
    const std::string path = TempPath("labels");
    WriteWholeFile(path, c.file);
    std::optional<PackageFile> file = PackageFile::Open(path);
    ASSERT_TRUE(file) << c.name;
    EXPECT_EQ(file->ValidLabelTrailer().has_value(), c.valid) << c.name;
    std::remove(path.c_str());
  }
}

TEST(PackageFileTest, FileShorterThanTheLabelTrailerHasNone) {
  const std::string path = TempPath("short");
  WriteWholeFile(path, FileWithTrailer(20, 400));  // 420 bytes: too short for a label trailer
  std::optional<PackageFile> file = PackageFile::Open(path);
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->ValidLabelTrailer());
  std::remove(path.c_str());
}

}  // namespace
}  // namespace saverkit
