// pictrans-frame run as a process on pictures written at test time.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "raster/save_bitmap.h"
#include "pictrans/frame_pictures.h"
#include "raster/bmp_decoder.h"
#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

class FrameToolTest : public ::testing::Test {
 protected:
  FrameToolTest() : dir_(fs::temp_directory_path() / ("pictrans_frame_" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
    Write("old.bmp", EncodeBmp(Bitmap(60, 40, kOldColour)));
    Write("new.bmp", EncodeBmp(CoordinatePicture(60, 40)));
    Write("small.bmp", EncodeBmp(CoordinatePicture(30, 40)));
    Write("new.jpg", EncodeJpeg(Bitmap(60, 40, Rgb{20, 200, 40}), 95));
  }
  ~FrameToolTest() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  int Run(const std::string& arguments) const {
    const std::string command = std::string(PICTRANS_FRAME_TOOL) + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  Bitmap Read(const std::string& name) const {
    std::ifstream file(dir_ / name, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Bitmap picture;
    DecodeBmp(bytes, picture);
    return picture;
  }

  fs::path dir_;
};

TEST_F(FrameToolTest, WritesTheFrameOfTheEffect) {
  ASSERT_EQ(Run("--old " + Path("old.bmp") + " --new " + Path("new.bmp") + " --effect 5 --progress 50 --out " +
                Path("frame.bmp")),
            0);
  const Bitmap frame = Read("frame.bmp");
  ASSERT_EQ(frame.Width(), 60);
  EXPECT_EQ(frame.Pixel(29, 3), (Rgb{29, 3, 200}));
  EXPECT_EQ(frame.Pixel(30, 3), kOldColour);
}

TEST_F(FrameToolTest, ReadsJpegAndWritesAContactSheet) {
  ASSERT_EQ(Run("--old " + Path("old.bmp") + " --new " + Path("new.jpg") + " --effect 22 --strip --out " +
                Path("sheet.bmp")),
            0);
  const Bitmap sheet = Read("sheet.bmp");
  EXPECT_EQ(sheet.Width(), 4 * 60 + 5 * 4);
  EXPECT_EQ(sheet.Height(), 3 * 40 + 4 * 4);
  EXPECT_EQ(sheet.Pixel(4 + 10, 4 + 10), kOldColour);  // progress 0
  const Rgb last = sheet.Pixel(4 + 2 * 64 + 10, 4 + 2 * 44 + 10);  // progress 100
  EXPECT_NEAR(last.g, 200, 8);
}

TEST_F(FrameToolTest, BadInvocationsFailWithoutOutput) {
  const std::string pictures = "--old " + Path("old.bmp") + " --new " + Path("new.bmp");
  const struct {
    std::string arguments;
    int exitCode;
  } cases[] = {
      {"", 2},
      {pictures + " --effect 256 --progress 5 --out " + Path("x.bmp"), 2},
      {pictures + " --effect 5 --progress 101 --out " + Path("x.bmp"), 2},
      {pictures + " --effect 5 --progress 5x --out " + Path("x.bmp"), 2},
      {pictures + " --effect 5 --out " + Path("x.bmp"), 2},
      {pictures + " --effect 5 --progress 5 --step 0 --out " + Path("x.bmp"), 2},
      {pictures + " --effect 5 --progress 5 --out", 2},
      {"--old " + Path("missing.bmp") + " --new " + Path("new.bmp") + " --effect 5 --progress 5 --out " + Path("x.bmp"), 1},
      {"--old " + Path("old.bmp") + " --new " + Path("small.bmp") + " --effect 5 --progress 5 --out " + Path("x.bmp"), 1},
      {"--old " + Path("old.bmp") + " --new " + Path("old.bmp") + " --effect 5 --progress 5 --out " +
           Path("nofolder/x.bmp"), 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.arguments), c.exitCode) << c.arguments;
    EXPECT_FALSE(fs::exists(dir_ / "x.bmp")) << c.arguments;
  }
}

}  // namespace
}  // namespace saverkit
