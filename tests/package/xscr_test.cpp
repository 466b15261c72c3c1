#include "package/xscr.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "package/complement.h"
#include "package/package_fixture.h"
#include "package/temp_files.h"
#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

using testing::FullContents;
using testing::PackagedFile;
using testing::TempFolder;
using testing::TestEnvironment;
using testing::WritePackagedFile;

// The first luminance quantiser of a JPEG: libjpeg's standard table scaled for the quality, so it
// tells which quality a file was written with (16 at 50, 6 at 80, 3 at 90).
int FirstQuantiser(const std::vector<uint8_t>& jpeg) {
  for (size_t i = 2; i + 5 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDB) return jpeg[i + 5];
  return -1;
}

class XscrTest : public ::testing::Test {
 protected:
  std::string Executable() const { return folder_.File("saver.scr"); }
  PackagedFile Write(const PackageContents& contents) { return WritePackagedFile(Executable(), contents); }
  XSCR Open(int screenWidth = 800, int screenHeight = 600) {
    return XSCR(TestEnvironment(Executable(), temp_.Path(), screenWidth, screenHeight));
  }
  // Extracts the full package's movie (item 2) and its first tune; the movie's copy's path.
  std::string ExtractMovieAndTune(XSCR& reader) {
    std::string movie, tune;
    MusicRecord record;
    EXPECT_TRUE(reader.ExtractMovie(2, movie));
    EXPECT_TRUE(reader.ExtractMusic(0, tune, record));
    return movie;
  }

  TempFolder folder_;
  TempFolder temp_;
};

TEST_F(XscrTest, ReadsBackEveryRecordAndBlockItWasWrittenWith) {
  const PackageContents contents = FullContents();
  Write(contents);
  XSCR reader = Open();

  EXPECT_TRUE(reader.Packaged());
  EXPECT_EQ(reader.Name(), "Harbour Lights");
  const InfoRecord& info = reader.Info();
  EXPECT_TRUE(info.HasValidSignature());
  EXPECT_EQ(info.FormatVersion, 5);
  EXPECT_EQ(reader.DefaultSeconds(), 7);
  EXPECT_TRUE(reader.RandomOrder());
  EXPECT_EQ(reader.BackgroundColor(), 0x00112233);
  EXPECT_EQ(info.NoSaving, 1);
  EXPECT_EQ(info.MotionMode, 3);
  EXPECT_EQ(info.IgnoreMouseMove, 1);
  EXPECT_EQ(info.HideGeneratorPage, 1);
  EXPECT_EQ(info.Edition, kEditionSetup);
  EXPECT_EQ(info.Description, "Lights over the water at night");
  EXPECT_EQ(reader.Author().Author, "Ada Painter");
  EXPECT_EQ(reader.Author().Email, "ada@example.org");
  EXPECT_EQ(reader.Author().HomePage, "http://example.org/lights");
  EXPECT_EQ(reader.Extension().Opacity, 80);
  EXPECT_EQ(reader.Extension().CursorVisible, 1);
  EXPECT_EQ(reader.DesignWidth(), 800);
  EXPECT_EQ(reader.DesignHeight(), 600);
  EXPECT_EQ(reader.LicenceText(), contents.licence);
  ASSERT_NE(reader.Background(), nullptr);
  EXPECT_EQ(reader.Background()->Width(), 32);
  EXPECT_EQ(reader.Background()->Height(), 24);

  ASSERT_EQ(reader.ItemCount(), 4);
  EXPECT_EQ(reader.OverlayCount(), 1);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(reader.GetItem(i) == contents.items[size_t(i)].record);
    std::vector<uint8_t> data;
    ASSERT_TRUE(reader.ReadItemData(i, data));
    EXPECT_EQ(data, contents.items[size_t(i)].data);
  }
  ASSERT_EQ(reader.MusicCount(), 2);
  for (int k = 0; k < 2; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(reader.GetMusic(k).FileSuffix, contents.music[size_t(k)].record.FileSuffix);
    EXPECT_EQ(reader.GetMusic(k).ResourceName, contents.music[size_t(k)].record.ResourceName);
    EXPECT_EQ(reader.MusicName(k), contents.music[size_t(k)].name);
    std::vector<uint8_t> data;
    ASSERT_TRUE(reader.ReadMusicData(k, data));
    EXPECT_EQ(data, contents.music[size_t(k)].data);
  }

  ASSERT_EQ(reader.Labels().Count(), 4);
  const LabelList* labels = reader.Labels().Get(0);
  ASSERT_EQ(labels->Count(), 2);
  EXPECT_EQ(labels->Get(0)->Text(), "Night");
  EXPECT_EQ(labels->Get(0)->FontName, "Tahoma");
  EXPECT_EQ(labels->Get(1)->Text(), "Harbour");
  EXPECT_EQ(labels->Get(1)->Transparent, 1);
  EXPECT_EQ(reader.Labels().Get(3)->Count(), 0);

  std::vector<uint8_t> dynamicTexts, staticTexts;
  ASSERT_TRUE(reader.ReadTextBlocks(dynamicTexts, staticTexts));
  EXPECT_EQ(std::string(dynamicTexts.begin(), dynamicTexts.end()), contents.dynamicTexts);
  EXPECT_EQ(std::string(staticTexts.begin(), staticTexts.end()), contents.staticTexts);
}

TEST_F(XscrTest, OutOfRangeIndexesGiveDefaultsAndFail) {
  Write(FullContents());
  XSCR reader = Open();

  const ItemRecord fallback = reader.GetItem(-1);
  EXPECT_TRUE(fallback == DefaultItemRecord(reader.Info()));
  EXPECT_EQ(fallback.Seconds, 7);
  EXPECT_EQ(fallback.Effect, 12);
  EXPECT_TRUE(reader.GetItem(4) == fallback);
  EXPECT_EQ(reader.GetMusic(2).FileSuffix, "");
  EXPECT_EQ(reader.MusicName(-1), "");

  Bitmap picture(3, 3);
  ItemRecord handedBack;
  EXPECT_FALSE(reader.LoadPicture(4, XSCR::kFullScale, picture, &handedBack));
  EXPECT_TRUE(handedBack == fallback);
  EXPECT_EQ(picture.Width(), 3);
  std::string path = "untouched";
  EXPECT_FALSE(reader.ExtractMovie(-1, path));
  EXPECT_EQ(path, "untouched");
  MusicRecord record;
  EXPECT_FALSE(reader.ExtractMusic(2, path, record));
  EXPECT_EQ(path, "untouched");
  std::vector<uint8_t> data;
  EXPECT_FALSE(reader.ReadMusicData(-1, data));
}

TEST_F(XscrTest, LoadPictureDecodesAtEachScaleAndHandsBackTheRecord) {
  Write(FullContents());
  XSCR reader = Open();
  const struct {
    int scale, width, height;
  } cases[] = {{0, 64, 48}, {1, 32, 24}, {2, 16, 12}, {3, 8, 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    Bitmap picture;
    ItemRecord record;
    ASSERT_TRUE(reader.LoadPicture(0, c.scale, picture, &record));
    EXPECT_EQ(picture.Width(), c.width);
    EXPECT_EQ(picture.Height(), c.height);
    EXPECT_EQ(record.Seconds, 5);
  }
  Bitmap picture;
  EXPECT_FALSE(reader.LoadPicture(0, 4, picture));
  EXPECT_FALSE(reader.LoadPicture(2, XSCR::kFullScale, picture)) << "a movie is not a JPEG";
}

TEST_F(XscrTest, LoadsAPictureAtTheScaleThatCoversTheShownSize) {
  Write(FullContents());
  XSCR reader = Open();
  int width = 0, height = 0;
  ASSERT_TRUE(reader.PictureSize(0, width, height));
  EXPECT_EQ(width, 64);
  EXPECT_EQ(height, 48);
  const struct {
    int shownWidth, shownHeight, width, height;
  } cases[] = {{64, 48, 64, 48}, {32, 24, 32, 24}, {33, 20, 64, 48}, {10, 6, 16, 12}, {4, 3, 8, 6}};
  for (const auto& c : cases) {
    Bitmap picture;
    ASSERT_TRUE(reader.LoadPictureToCover(0, c.shownWidth, c.shownHeight, picture));
    EXPECT_EQ(picture.Width(), c.width) << c.shownWidth << "x" << c.shownHeight;
    EXPECT_EQ(picture.Height(), c.height) << c.shownWidth << "x" << c.shownHeight;
  }
  Bitmap kept(3, 3);
  EXPECT_FALSE(reader.LoadPictureToCover(2, 10, 10, kept)) << "a movie is not a JPEG";
  EXPECT_FALSE(reader.LoadPictureToCover(9, 10, 10, kept));
  EXPECT_EQ(kept.Width(), 3);
  EXPECT_FALSE(reader.PictureSize(2, width, height));
  EXPECT_FALSE(reader.PictureSize(-1, width, height));
  EXPECT_EQ(width, 64);
}

// Positions are converted from the design screen once, at load.
TEST_F(XscrTest, FitsTheDesignScreenToTheCurrentScreen) {
  const struct {
    const char* what;
    int format, screenWidth, screenHeight;
    int x, y, width, height;  // of the first item, designed at (100, 50) 200 x 100
    int labelX, labelY, fontSize;  // of its first label, designed at (400, 300) in 20 points
  } cases[] = {
      // Both axes: the smaller factor 1.6, centred with bands of 32 above and below.
      {"format 4 on 1280 x 1024", 4, 1280, 1024, 160, 112, 320, 160, 640, 512, 32},
      // Only the width counts, and nothing is centred.
      {"format 3 on 1280 x 1024", 3, 1280, 1024, 160, 80, 320, 160, 640, 480, 32},
      {"screen of the design size", 5, 800, 600, 100, 50, 200, 100, 400, 300, 20},
      // A wide screen: the height decides (1.8), with bands of 240 left and right.
      {"format 4 on 1920 x 1080", 4, 1920, 1080, 420, 90, 360, 180, 960, 540, 36},
      // Shrinking: the width decides (0.5), with bands of 75 above and below.
      {"format 4 on 400 x 450", 4, 400, 450, 50, 100, 100, 50, 200, 225, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PackageContents contents = FullContents();
    contents.info.FormatVersion = c.format;
    Write(contents);
    XSCR reader = Open(c.screenWidth, c.screenHeight);
    const ItemRecord item = reader.GetItem(0);
    EXPECT_EQ(item.X, c.x);
    EXPECT_EQ(item.Y, c.y);
    EXPECT_EQ(item.Width, c.width);
    EXPECT_EQ(item.Height, c.height);
    const LabelRecord* label = reader.Labels().Get(0)->Get(0);
    EXPECT_EQ(label->CenterX, c.labelX);
    EXPECT_EQ(label->CenterY, c.labelY);
    EXPECT_EQ(label->FontSize, c.fontSize);
    // The layout is converted once: the design screen now is the current one.
    EXPECT_EQ(reader.DesignWidth(), c.screenWidth);
    EXPECT_EQ(reader.DesignHeight(), c.screenHeight);
  }
}

TEST_F(XscrTest, DesignSizeOfZeroMeansTheCurrentScreen) {
  PackageContents contents = FullContents();
  contents.info.DesignWidth = 0;
  contents.extension.DesignHeight = -5;
  Write(contents);
  XSCR reader = Open(1024, 768);
  EXPECT_EQ(reader.DesignWidth(), 1024);
  EXPECT_EQ(reader.DesignHeight(), 768);
  EXPECT_EQ(reader.GetItem(0).X, 100) << "nothing to scale";
}

TEST_F(XscrTest, ExtractsMoviesOnceAndAgainWhenTheCopyWasDeleted) {
  const PackageContents contents = FullContents();
  Write(contents);
  // A file of someone else's already has the first name: it must stay as it is.
  testing::WriteFileBytes(temp_.File("~F_0.swf"), {1, 2, 3});
  XSCR reader = Open();

  std::string first;
  ASSERT_TRUE(reader.ExtractMovie(2, first));
  EXPECT_EQ(first, temp_.File("~F_1.swf"));
  EXPECT_EQ(testing::ReadFileBytes(first), contents.items[2].data);
  EXPECT_EQ(testing::ReadFileBytes(temp_.File("~F_0.swf")), (std::vector<uint8_t>{1, 2, 3}));

  // Asked again, the same file without writing it anew.
  testing::WriteFileBytes(first, {9});
  std::string again;
  ASSERT_TRUE(reader.ExtractMovie(2, again));
  EXPECT_EQ(again, first);
  EXPECT_EQ(testing::ReadFileBytes(first), std::vector<uint8_t>{9});

  // Deleted by someone else: written again under the smallest free number.
  ASSERT_TRUE(RemoveFile(first));
  ASSERT_TRUE(RemoveFile(temp_.File("~F_0.swf")));
  ASSERT_TRUE(reader.ExtractMovie(2, again));
  EXPECT_EQ(again, temp_.File("~F_0.swf"));
  EXPECT_EQ(testing::ReadFileBytes(again), contents.items[2].data);
}

TEST_F(XscrTest, ExtractsMusicUnderItsSuffixAndHandsBackItsRecord) {
  const PackageContents contents = FullContents();
  Write(contents);
  XSCR reader = Open();
  std::string path;
  MusicRecord record;
  ASSERT_TRUE(reader.ExtractMusic(1, path, record));
  EXPECT_EQ(path, temp_.File("~S_0.mid"));
  EXPECT_EQ(record.ResourceName, "TUNE2");
  EXPECT_EQ(testing::ReadFileBytes(path), contents.music[1].data);
  ASSERT_TRUE(reader.ExtractMusic(0, path, record));
  EXPECT_EQ(path, temp_.File("~S_0.mp3"));
}

// Movies and music share one extraction: a temporary folder that cannot be written to gives false
// and an empty path, and nothing is remembered, so the next call writes the file once it can.
TEST_F(XscrTest, AFailedExtractionIsTriedAgain) {
  const PackageContents contents = FullContents();
  Write(contents);
  const std::string missing = temp_.File("not yet");
  XSCR reader(TestEnvironment(Executable(), missing));
  struct Case {
    const char* what;
    std::function<bool(std::string&)> extract;
    std::vector<uint8_t> data;
  };
  const Case cases[] = {
      {"movie", [&](std::string& path) { return reader.ExtractMovie(2, path); }, contents.items[2].data},
      {"music", [&](std::string& path) {
         MusicRecord record;
         return reader.ExtractMusic(1, path, record);
       }, contents.music[1].data},
  };
  for (const Case& c : cases) {
    std::string path = "stale";
    EXPECT_FALSE(c.extract(path)) << c.what;
    EXPECT_EQ(path, "") << c.what;
  }
  ASSERT_TRUE(std::filesystem::create_directory(missing));
  for (const Case& c : cases) {
    std::string path;
    ASSERT_TRUE(c.extract(path)) << c.what;
    EXPECT_EQ(path.rfind(missing, 0), 0u) << c.what << ": " << path;
    EXPECT_EQ(testing::ReadFileBytes(path), c.data) << c.what;
  }
}

TEST_F(XscrTest, ClearAndTheDestructorDeleteEveryExtractedFile) {
  Write(FullContents());
  {
    XSCR reader = Open();
    const std::string movie = ExtractMovieAndTune(reader);
    ASSERT_FALSE(movie.empty());
    std::filesystem::permissions(movie, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    reader.Clear();
    EXPECT_TRUE(temp_.List().empty()) << "read-only copies too";
    EXPECT_EQ(reader.ItemCount(), 0);
    EXPECT_EQ(reader.MusicCount(), 0);
    EXPECT_EQ(reader.Labels().Count(), 0);
    EXPECT_FALSE(reader.Info().HasValidSignature());

    reader.Load();
    std::string tune;
    MusicRecord record;
    ASSERT_TRUE(reader.ExtractMusic(1, tune, record));
    EXPECT_EQ(temp_.List().size(), 1u);
  }
  EXPECT_TRUE(temp_.List().empty());
}

TEST_F(XscrTest, DeletingTheTemporaryFilesKeepsThePackage) {
  Write(FullContents());
  XSCR reader = Open();
  std::string movie = ExtractMovieAndTune(reader);
  ASSERT_FALSE(movie.empty());
  reader.DeleteTemporaryFiles();
  EXPECT_TRUE(temp_.List().empty());
  EXPECT_EQ(reader.ItemCount(), 4);
  EXPECT_EQ(reader.MusicCount(), 2);

  ASSERT_TRUE(reader.ExtractMovie(2, movie));
  EXPECT_EQ(testing::ReadFileBytes(movie), FullContents().items[2].data);
  EXPECT_EQ(temp_.List().size(), 1u);
}

TEST_F(XscrTest, MusicWithoutAllItsNamesIsNamedByNumberAndSuffix) {
  PackageContents contents = FullContents();
  contents.info.FormatVersion = 4;
  contents.background.clear();
  contents.music.push_back(contents.music[0]);
  contents.music[2].record.FileSuffix = ".wav";
  contents.music[0].name = "A";
  contents.music[1].name = "B";
  contents.music[2].name = "C";
  PackagedFile file = Write(contents);
  // The block says "A\r\nB": two names for three pieces of music.
  file.PutComplementedI32(file.layout.extensionOffset + 4, 4);
  file.Save();
  XSCR reader = Open();
  ASSERT_EQ(reader.MusicCount(), 3);
  EXPECT_EQ(reader.MusicName(0), "Music-1.mp3");
  EXPECT_EQ(reader.MusicName(1), "Music-2.mid");
  EXPECT_EQ(reader.MusicName(2), "Music-3.wav");
}

TEST_F(XscrTest, MusicNamesSplitAtEveryKindOfLineBreak) {
  PackageContents contents = FullContents();
  contents.music.push_back(contents.music[0]);
  contents.music.push_back(contents.music[0]);
  PackagedFile file = Write(contents);
  // A block of the written block's length, so that nothing behind it moves.
  std::string names = "One\nTwo\rThree\r\nFour";
  names.resize(size_t(12 + 2 + 7 + 2 + 12 + 2 + 12), ' ');  // "Evening Tide", "Lullaby", ... with CR LF
  std::vector<uint8_t> stored(names.begin(), names.end());
  Complement(stored);
  std::copy(stored.begin(), stored.end(), file.bytes.begin() + file.base + file.layout.extensionOffset + 20);
  file.Save();
  XSCR reader = Open();
  ASSERT_EQ(reader.MusicCount(), 4);
  EXPECT_EQ(reader.MusicName(0), "One");
  EXPECT_EQ(reader.MusicName(1), "Two");
  EXPECT_EQ(reader.MusicName(2), "Three");
  EXPECT_EQ(reader.MusicName(3).substr(0, 4), "Four");
}

TEST_F(XscrTest, TakesALicenceTextOnlyOfOneTo65536Bytes) {
  const struct {
    size_t written;
    int32_t storedLength;
    bool taken;
  } cases[] = {{1, 1, true}, {65536, 65536, true}, {65536, 65537, false}, {10, 0, false}, {10, -3, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.storedLength);
    PackageContents contents = FullContents();
    contents.licence = std::string(c.written, 'L');
    PackagedFile file = Write(contents);
    file.PutComplementedI32(file.layout.licenceOffset, c.storedLength);
    file.Save();
    XSCR reader = Open();
    EXPECT_EQ(reader.LicenceText().size(), c.taken ? c.written : 0u);
  }
}

TEST_F(XscrTest, ThumbnailsShrinkPicturesAndStandInForMovies) {
  PackageContents contents = FullContents();
  contents.items[1].data = testing::TestJpeg(1600, 600);
  Write(contents);
  XSCR reader = Open();

  Bitmap thumbnail;
  ASSERT_TRUE(reader.Thumbnail(0, 120, 90, thumbnail));
  EXPECT_EQ(thumbnail.Width(), 8) << "an eighth of 64 x 48 fits as it is";
  EXPECT_EQ(thumbnail.Height(), 6);
  ASSERT_TRUE(reader.Thumbnail(1, 120, 90, thumbnail));
  EXPECT_EQ(thumbnail.Width(), 120) << "200 x 75 shrunk by 5/3";
  EXPECT_EQ(thumbnail.Height(), 45);

  EXPECT_FALSE(reader.Thumbnail(2, 120, 90, thumbnail));
  EXPECT_EQ(thumbnail.Width(), 120);
  EXPECT_EQ(thumbnail.Height(), 90);

  Bitmap untouched(5, 5);
  EXPECT_FALSE(reader.Thumbnail(3, 120, 90, untouched));
  EXPECT_EQ(untouched.Width(), 5);
}

TEST_F(XscrTest, ThumbnailOfAMovieIsTheProgramsMoviePicture) {
  Write(FullContents());
  ReaderEnvironment environment = TestEnvironment(Executable(), temp_.Path());
  environment.moviePicture = testing::TestJpeg(50, 40);
  XSCR reader(environment);
  Bitmap thumbnail;
  EXPECT_FALSE(reader.Thumbnail(2, 120, 90, thumbnail));
  EXPECT_EQ(thumbnail.Width(), 50);
  EXPECT_EQ(thumbnail.Height(), 40);
}

TEST_F(XscrTest, SaveAllExportsPicturesAtTheirQualitiesAndMediaByteForByte) {
  const PackageContents contents = FullContents();
  Write(contents);
  TempFolder out;
  testing::WriteFileBytes(out.File("Music_2.mid"), {0});  // replaced
  XSCR reader = Open();
  ASSERT_TRUE(reader.SaveAll(out.Path(), true, true));

  EXPECT_EQ(out.List(), (std::vector<std::string>{"Flash_3.swf", "Music_1.mp3", "Music_2.mid", "Pic_1.jpg",
                                                  "Pic_2.jpg", "Pic_bk.jpg"}));
  const struct {
    const char* file;
    int width, height, quantiser;
  } pictures[] = {{"Pic_1.jpg", 200, 100, 3}, {"Pic_2.jpg", 40, 30, 3}, {"Pic_bk.jpg", 32, 24, 6}};
  for (const auto& p : pictures) {
    SCOPED_TRACE(p.file);
    const std::vector<uint8_t> jpeg = testing::ReadFileBytes(out.File(p.file));
    Bitmap decoded;
    ASSERT_TRUE(DecodeJpeg(jpeg, 0, decoded));
    EXPECT_EQ(decoded.Width(), p.width);
    EXPECT_EQ(decoded.Height(), p.height);
    EXPECT_EQ(FirstQuantiser(jpeg), p.quantiser);
  }
  EXPECT_EQ(testing::ReadFileBytes(out.File("Flash_3.swf")), contents.items[2].data);
  EXPECT_EQ(testing::ReadFileBytes(out.File("Music_1.mp3")), contents.music[0].data);
  EXPECT_EQ(testing::ReadFileBytes(out.File("Music_2.mid")), contents.music[1].data);
}

TEST_F(XscrTest, SaveAllExportsOnlyWhatIsAskedAndNeedsAnExistingFolder) {
  Write(FullContents());
  XSCR reader = Open();
  TempFolder out;
  ASSERT_TRUE(reader.SaveAll(out.Path(), false, true));
  EXPECT_EQ(out.List(), (std::vector<std::string>{"Music_1.mp3", "Music_2.mid"}));
  EXPECT_FALSE(reader.SaveAll(out.File("missing"), true, true));
  EXPECT_FALSE(std::filesystem::exists(out.File("missing")));
}

TEST_F(XscrTest, SaveAllStopsAtTheFirstItemItCannotExport) {
  PackageContents contents = FullContents();
  contents.items[1].data = {0xFF, 0xD8, 0xFF};  // a picture that is not one
  Write(contents);
  XSCR reader = Open();
  TempFolder out;
  EXPECT_FALSE(reader.SaveAll(out.Path(), true, true));
  EXPECT_EQ(out.List(), (std::vector<std::string>{"Pic_1.jpg", "Pic_bk.jpg"}));
}

TEST_F(XscrTest, SaveAllKeepsAPicturesOwnSizeWhenItsItemAsksForAHugeOne) {
  PackageContents contents = FullContents();
  contents.items[0].record.Width = 2000000000;
  contents.items[0].record.Height = 2000000000;
  Write(contents);
  XSCR reader = Open();
  TempFolder out;
  ASSERT_TRUE(reader.SaveAll(out.Path(), true, false));
  Bitmap decoded;
  ASSERT_TRUE(DecodeJpeg(testing::ReadFileBytes(out.File("Pic_1.jpg")), 0, decoded));
  EXPECT_EQ(decoded.Width(), 64);
  EXPECT_EQ(decoded.Height(), 48);
}

TEST_F(XscrTest, SetBackgroundCopiesOrRemovesThePicture) {
  Write(FullContents());
  XSCR reader = Open();
  Bitmap picture(7, 5, Rgb{1, 2, 3});
  reader.SetBackground(&picture);
  picture.Fill(Rgb{9, 9, 9});
  ASSERT_NE(reader.Background(), nullptr);
  EXPECT_EQ(reader.Background()->Pixel(0, 0), (Rgb{1, 2, 3}));
  reader.SetBackground(nullptr);
  EXPECT_EQ(reader.Background(), nullptr);
}

TEST_F(XscrTest, AProgramWithoutPackageHasOnlyItsNameFromTheResource) {
  testing::WriteFileBytes(Executable(), testing::PatternBytes(5000, 3));
  XSCR reader = Open();
  EXPECT_FALSE(reader.Packaged());
  EXPECT_EQ(reader.Name(), "Saver Without Package");
  EXPECT_EQ(reader.ItemCount(), 0);
  EXPECT_EQ(reader.MusicCount(), 0);
  Bitmap picture;
  EXPECT_FALSE(reader.LoadPicture(0, XSCR::kFullScale, picture));
  std::vector<uint8_t> dynamicTexts, staticTexts;
  EXPECT_FALSE(reader.ReadTextBlocks(dynamicTexts, staticTexts));

  XSCR pathless(TestEnvironment("", temp_.Path()));
  EXPECT_EQ(pathless.Name(), "");
}

}  // namespace
}  // namespace saverkit
