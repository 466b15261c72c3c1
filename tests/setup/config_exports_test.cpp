// Saving one item, one music and the wallpaper bitmap from a package written by our own writer.
#include <gtest/gtest.h>

#include "package/package_fixture.h"
#include "raster/bmp_decoder.h"
#include "raster/jpeg_codec.h"
#include "setup/config_exports.h"

namespace saverkit {
namespace {

using testing::FullContents;
using testing::ReadFileBytes;
using testing::TempFolder;

class ConfigExports : public ::testing::Test {
 protected:
  ConfigExports() {
    contents_ = FullContents();
    file_ = testing::WritePackagedFile(folder_.File("Saver.scr"), contents_);
    reader_ = std::make_unique<XSCR>(testing::TestEnvironment(file_.path, temp_.Path()));
  }

  TempFolder folder_, temp_, out_;
  PackageContents contents_;
  testing::PackagedFile file_;
  std::unique_ptr<XSCR> reader_;
};

TEST_F(ConfigExports, APictureIsSavedInTheFormatItsExtensionNames) {
  struct Case {
    const char* name;
    bool saved;
    bool bmp;
  };
  const Case cases[] = {{"a.bmp", true, true},   {"b.JPG", true, false}, {"c.jpeg", true, false},
                        {"d.Jpe", true, false},  {"e.png", false, false}, {"f", false, false}};
  for (const Case& c : cases) {
    const std::string path = out_.File(c.name);
    EXPECT_EQ(c.saved, SaveItemAs(*reader_, 1, path)) << c.name;
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    Bitmap picture;
    if (!c.saved) {
      EXPECT_TRUE(bytes.empty()) << c.name << " left a file";
      continue;
    }
    EXPECT_TRUE(c.bmp ? DecodeBmp(bytes, picture) : DecodeJpeg(bytes, 0, picture)) << c.name;
    EXPECT_EQ(40, picture.Width()) << c.name;  // full size, not the record's size
    EXPECT_EQ(30, picture.Height()) << c.name;
  }
}

TEST_F(ConfigExports, AMovieIsCopiedAsPackagedAndReplacesAnOldFile) {
  const std::string path = out_.File("movie.swf");
  testing::WriteFileBytes(path, std::vector<uint8_t>(5000, 1));
  ASSERT_TRUE(SaveItemAs(*reader_, 2, path));
  EXPECT_EQ(contents_.items[2].data, ReadFileBytes(path));
}

TEST_F(ConfigExports, MusicIsCopiedAsPackaged) {
  const std::string path = out_.File("tune.mp3");
  ASSERT_TRUE(SaveMusicAs(*reader_, 0, path));
  EXPECT_EQ(contents_.music[0].data, ReadFileBytes(path));
  EXPECT_FALSE(SaveMusicAs(*reader_, 2, out_.File("none.mp3")));
}

TEST_F(ConfigExports, FailuresLeaveNothingBehind) {
  const std::string missingFolder = out_.File("missing") + "/x.jpg";
  EXPECT_FALSE(SaveItemAs(*reader_, 0, missingFolder));
  EXPECT_FALSE(SaveItemAs(*reader_, 2, out_.File("missing") + "/x.swf"));
  EXPECT_FALSE(SaveMusicAs(*reader_, 1, out_.File("missing") + "/x.mid"));
  EXPECT_FALSE(SaveItemAs(*reader_, 3, out_.File("unknown.jpg")));  // an item of no known kind
  EXPECT_FALSE(SaveItemAs(*reader_, 9, out_.File("outside.jpg")));
  EXPECT_TRUE(out_.List().empty());
}

TEST_F(ConfigExports, TheWallpaperIsABitmapOfTheItemsOwnSize) {
  const std::string path = out_.File("SCR Wallpaper.bmp");
  ASSERT_TRUE(WriteWallpaperBitmap(*reader_, 0, path));
  Bitmap picture;
  ASSERT_TRUE(DecodeBmp(ReadFileBytes(path), picture));
  const ItemRecord record = reader_->GetItem(0);  // the record's size on this screen
  EXPECT_EQ(record.Width, picture.Width());
  EXPECT_EQ(record.Height, picture.Height());

  ASSERT_TRUE(WriteWallpaperBitmap(*reader_, 1, path));  // no size of its own: the picture's
  ASSERT_TRUE(DecodeBmp(ReadFileBytes(path), picture));
  EXPECT_EQ(40, picture.Width());
  EXPECT_FALSE(WriteWallpaperBitmap(*reader_, 2, out_.File("movie.bmp")));
}

}  // namespace
}  // namespace saverkit
