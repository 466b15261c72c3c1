#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "raster/save_bitmap.h"
#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class SaveBitmapAsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("saverkit_save_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
    picture_.Reset(33, 20);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 33; ++x) picture_.SetPixel(x, y, Rgb{uint8_t(x * 7), uint8_t(y * 12), 200});
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
  Bitmap picture_;
};

TEST_F(SaveBitmapAsTest, ChoosesTheFormatByTheExtensionInAnyCase) {
  struct Case { const char* name; bool saved; bool jpeg; } cases[] = {
      {"a.jpg", true, true}, {"b.JPG", true, true}, {"c.Jpeg", true, true}, {"d.jpe", true, true},
      {"e.bmp", true, false}, {"f.BMP", true, false}, {"g.png", false, false}, {"noext", false, false},
      {"dir.jpg/h", false, false}};
  for (const Case& c : cases) {
    const fs::path path = dir_ / c.name;
    EXPECT_EQ(SaveBitmapAs(picture_, path.string(), 75), c.saved) << c.name;
    EXPECT_EQ(fs::exists(path), c.saved) << c.name;
    if (!c.saved) continue;
    const std::vector<uint8_t> bytes = ReadAll(path);
    Bitmap decoded;
    EXPECT_EQ(DecodeJpeg(bytes, 0, decoded), c.jpeg) << c.name;
    if (!c.jpeg) {
      EXPECT_EQ(bytes, EncodeBmp(picture_)) << c.name;
    }
  }
}

TEST_F(SaveBitmapAsTest, BmpStoresRowsBottomUpWithPaddedStride) {
  const std::vector<uint8_t> bmp = EncodeBmp(picture_);
  const size_t stride = 100;  // 33 * 3 = 99, padded to 100
  ASSERT_EQ(bmp.size(), 54 + stride * 20);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[28], 24);
  // The first stored row is the picture's last one.
  const Rgb bottomLeft = picture_.Pixel(0, 19);
  EXPECT_EQ(bmp[54], bottomLeft.b);
  EXPECT_EQ(bmp[56], bottomLeft.r);
  EXPECT_EQ(bmp[54 + stride * 19 + 3 * 5 + 1], picture_.Pixel(5, 0).g);
}

TEST_F(SaveBitmapAsTest, FailsWithoutLeavingAFileForEmptyPicturesOrUnwritablePaths) {
  EXPECT_FALSE(SaveBitmapAs(Bitmap(), (dir_ / "empty.bmp").string(), 75));
  EXPECT_FALSE(fs::exists(dir_ / "empty.bmp"));
  EXPECT_FALSE(SaveBitmapAs(picture_, (dir_ / "missing" / "x.bmp").string(), 75));
  EXPECT_FALSE(SaveBitmapAs(picture_, (dir_ / "missing" / "x.jpg").string(), 75));
}

TEST_F(SaveBitmapAsTest, ReportsAFullDiskAsFailure) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  // /dev/full accepts the open and fails the write; a link gives it the extension.
  const fs::path link = dir_ / "full.bmp";
  fs::create_symlink("/dev/full", link);
  EXPECT_FALSE(SaveBitmapAs(picture_, link.string(), 75));
}

}  // namespace
}  // namespace saverkit
