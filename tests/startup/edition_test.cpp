#include "startup/edition.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "package/package_trailer.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

// An executable image of `imageSize` filler bytes followed by a stored trailer.
std::vector<uint8_t> Packaged(size_t imageSize, uint8_t edition, const char* signature = kPackageSignature) {
  PackageTrailer trailer;
  trailer.PackageLength = int32_t(PackageTrailer::kSize);
  std::memcpy(trailer.Info.Signature.data(), signature, kSignatureSize);
  trailer.Info.Edition = edition;
  std::vector<uint8_t> file(imageSize, 0x90);
  file.resize(imageSize + PackageTrailer::kSize);
  trailer.ToStored(file.data() + imageSize);
  return file;
}

class ReadEditionTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path.string();
  }
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("saverkit-edition-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(ReadEditionTest, ReadsTheEditionOfAValidTrailer) {
  const struct {
    size_t imageSize;
    uint8_t edition;
  } cases[] = {{5000, 'E'}, {5000, 'S'}, {5000, 'X'}, {0, 'E'}, {23, 'S'}};
  for (const auto& c : cases) {
    const std::string path = Write("saver.scr", Packaged(c.imageSize, c.edition));
    EXPECT_EQ(ReadEdition(path), c.edition) << c.imageSize << " " << c.edition;
  }
}

TEST_F(ReadEditionTest, GivesZeroWithoutAValidTrailer) {
  std::vector<uint8_t> wrongCase = Packaged(100, 'E', "TWILIGHTPanelGuildByOrinVasquel");
  std::vector<uint8_t> truncated = Packaged(0, 'E');
  truncated.pop_back();
  std::vector<uint8_t> damaged = Packaged(100, 'E');
  damaged[damaged.size() - PackageTrailer::kSize + PackageTrailer::kInfoOffset + 3] ^= 0x01;
  std::vector<uint8_t> plainSignature(1000, 0);  // the signature stored without complementing
  std::memcpy(plainSignature.data() + 600 + PackageTrailer::kInfoOffset, kPackageSignature, kSignatureSize);
  plainSignature[600 + PackageTrailer::kEditionOffset] = 'E';

  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
  } cases[] = {{"wrong-case", wrongCase},   {"truncated", truncated},
               {"damaged", damaged},        {"plain", plainSignature},
               {"empty", {}},               {"unpackaged", std::vector<uint8_t>(4096, 0x4D)}};
  for (const auto& c : cases) EXPECT_EQ(ReadEdition(Write(c.name, c.bytes)), 0) << c.name;
  EXPECT_EQ(ReadEdition((dir_ / "missing.scr").string()), 0);
  EXPECT_EQ(ReadEdition(dir_.string()), 0);  // a folder is not an executable
}

}  // namespace
}  // namespace saverkit
