#include "tools/scrpack/package_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "package/complement.h"
#include "package_readback.h"
#include "tools/scrpack/packaged_output.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Pattern(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(seed + i * 7);
  return bytes;
}

LabelRecord Label(const std::string& text, int32_t x, int32_t y) {
  LabelRecord r;
  r.FontName = "Georgia";
  r.FontSize = 28;
  r.FontStyle = LabelRecord::kItalic;
  r.FontColor = 0x00FFEEDD;
  r.Transparent = 1;
  r.BackColor = 0x00010203;
  r.CenterX = x;
  r.CenterY = y;
  r.SetText(text);
  return r;
}

ItemRecord Record(int32_t seconds, int32_t effect, int32_t kind) {
  ItemRecord r;
  r.Seconds = seconds;
  r.Effect = effect;
  r.Step = 5;
  r.Delay = 30;
  r.OutEffect = 12;
  r.OutStep = 6;
  r.OutDelay = 35;
  r.FixedPosition = 1;
  r.X = 100;
  r.Y = -50;
  r.Width = 640;
  r.Height = 480;
  r.Kind = kind;
  r.Overlay = kind == kKindMovie ? 1 : 0;
  return r;
}

PackageContents FullContents(int32_t format) {
  PackageContents c;
  c.name = "Harbour Lights";
  c.info.FormatVersion = format;
  c.info.DefaultSeconds = 4;
  c.info.DefaultStep = 8;
  c.info.DefaultDelay = 20;
  c.info.DefaultOutStep = 9;
  c.info.DefaultOutDelay = 21;
  c.info.BackgroundColor = 0x00203040;
  c.info.RandomOrder = 1;
  c.info.DesignWidth = 1024;
  c.info.NoSaving = 1;
  c.info.MotionMode = 3;
  c.info.IgnoreMouseMove = 1;
  c.info.DefaultEffect = 51;
  c.info.DefaultOutEffect = -1;
  c.info.HideGeneratorPage = 1;
  c.info.Edition = kEditionSetup;
  c.info.Description = std::string(258, 'd');  // fills the field, no terminator
  c.writeAuthor = true;
  c.author = {std::string(32, 'a'), "me@example.org", "https://example.org/harbour"};
  c.extension.DesignHeight = 768;
  c.extension.Opacity = 85;
  c.extension.CursorVisible = 1;
  c.extension.MusicNamesLength = 12345;  // the writer's own values replace these
  c.extension.BackgroundLength = -3;

  PackageItem picture{Record(5, 51, kKindPicture), Pattern(1000, 1), {}};
  picture.labels.Add(Label("Quay at dusk", 512, 700));
  picture.labels.Add(Label("", 1, 2));
  PackageItem movie{Record(-8, -1, kKindMovie), Pattern(16, 2), {}};
  PackageItem tiny{Record(0, -2, kKindPicture), Pattern(7, 3), {}};
  tiny.labels.Add(Label("tiny", 3, 4));
  c.items = {picture, movie, tiny};

  c.music = {{MusicRecord{".mp3", "MUS1"}, Pattern(333, 4), "Evening Tide"},
             {MusicRecord{".wav", ""}, Pattern(9, 5), ""}};
  c.dynamicTexts = "First message\r\nSecond\\nmessage\r\n";
  c.staticTexts = "[FS_0]\r\nS_1001=Pictures\r\n";
  c.background = Pattern(500, 6);
  c.licence = "Use it kindly.";
  return c;
}

class TempFiles {
 public:
  std::string Path(const std::string& name) {
    const std::string p = ::testing::TempDir() + "package_writer_test_" + name;
    paths_.push_back(p);
    return p;
  }
  ~TempFiles() {
    for (const std::string& p : paths_) std::remove(p.c_str());
  }

 private:
  std::vector<std::string> paths_;
};

ReadBackPackage WriteAndReadBack(const PackageContents& contents, TempFiles& temp, std::vector<uint8_t> image = Pattern(4096, 9)) {
  const WrittenPackage written = WritePackage(contents);
  std::vector<uint8_t> file = image;
  file.insert(file.end(), written.bytes.begin(), written.bytes.end());
  const std::string path = temp.Path("roundtrip.exe");
  WriteWholeFile(path, file);
  std::optional<ReadBackPackage> back = ReadBack(path);
  if (!back) throw std::runtime_error("the written package does not read back");
  EXPECT_EQ(back->base, int64_t(image.size()));
  return *back;
}

class PackageWriterFormatTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(PackageWriterFormatTest, EveryFieldAndBlockReadsBack) {
  const int32_t format = GetParam();
  const PackageContents c = FullContents(format);
  TempFiles temp;
  const ReadBackPackage back = WriteAndReadBack(c, temp);

  const InfoRecord& info = back.trailer.Info;
  EXPECT_TRUE(info.HasValidSignature());
  EXPECT_EQ(info.FormatVersion, format);
  EXPECT_EQ(info.ItemCount, 3);
  EXPECT_EQ(info.MusicCount, 2);
  EXPECT_EQ(info.HasAuthorInfo, 1);
  EXPECT_EQ(info.DefaultSeconds, 4);
  EXPECT_EQ(info.DefaultStep, 8);
  EXPECT_EQ(info.DefaultDelay, 20);
  EXPECT_EQ(info.DefaultOutStep, 9);
  EXPECT_EQ(info.DefaultOutDelay, 21);
  EXPECT_EQ(info.BackgroundColor, 0x00203040);
  EXPECT_EQ(info.RandomOrder, 1);
  EXPECT_EQ(info.DesignWidth, 1024);
  EXPECT_EQ(info.NoSaving, 1);
  EXPECT_EQ(info.MotionMode, 3);
  EXPECT_EQ(info.IgnoreMouseMove, 1);
  EXPECT_EQ(info.DefaultEffect, 51);
  EXPECT_EQ(info.DefaultOutEffect, -1);
  EXPECT_EQ(info.HideGeneratorPage, 1);
  EXPECT_EQ(info.Edition, kEditionSetup);
  EXPECT_EQ(info.Description, c.info.Description);

  EXPECT_EQ(back.name, "Harbour Lights");
  ASSERT_TRUE(back.author);
  EXPECT_EQ(back.author->Author, c.author.Author);
  EXPECT_EQ(back.author->Email, "me@example.org");
  EXPECT_EQ(back.author->HomePage, "https://example.org/harbour");

  ASSERT_EQ(back.items.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(back.items[i].record == c.items[i].record) << i;
    EXPECT_EQ(back.items[i].data, c.items[i].data) << i;
  }
  ASSERT_EQ(back.music.size(), 2u);
  EXPECT_EQ(back.music[0].record.FileSuffix, ".mp3");
  EXPECT_EQ(back.music[0].record.ResourceName, "MUS1");
  EXPECT_EQ(back.music[0].data, c.music[0].data);
  EXPECT_EQ(back.music[1].data, c.music[1].data);

  EXPECT_EQ(back.dynamicTexts, c.dynamicTexts);
  EXPECT_EQ(back.staticTexts, c.staticTexts);

  ASSERT_TRUE(back.labelTrailerValid);
  EXPECT_TRUE(back.labelBlockComplete);
  ASSERT_EQ(back.labels.Count(), 3);
  ASSERT_EQ(back.labels.Get(0)->Count(), 2);
  const LabelRecord& label = *back.labels.Get(0)->Get(0);
  EXPECT_EQ(label.Text(), "Quay at dusk");
  EXPECT_EQ(label.TextLength, 12);
  EXPECT_EQ(label.FontName, "Georgia");
  EXPECT_EQ(label.FontSize, 28);
  EXPECT_EQ(label.FontStyle, LabelRecord::kItalic);
  EXPECT_EQ(label.FontColor, 0x00FFEEDD);
  EXPECT_EQ(label.Transparent, 1);
  EXPECT_EQ(label.BackColor, 0x00010203);
  EXPECT_EQ(label.CenterX, 512);
  EXPECT_EQ(label.CenterY, 700);
  EXPECT_EQ(back.labels.Get(0)->Get(1)->Text(), "");
  EXPECT_EQ(back.labels.Get(1)->Count(), 0);
  EXPECT_EQ(back.labels.Get(2)->Get(0)->Text(), "tiny");

  if (format >= 4) {
    ASSERT_TRUE(back.extension);
    EXPECT_EQ(back.extension->DesignHeight, 768);
    EXPECT_EQ(back.extension->Opacity, 85);
    EXPECT_EQ(back.extension->CursorVisible, 1);
    // A music without a display name is written under the name the runtime would give it.
    EXPECT_EQ(back.musicNames, "Evening Tide\r\nMusic-2.wav");
    EXPECT_EQ(back.background, c.background);
  } else {
    EXPECT_FALSE(back.extension);
  }
  if (format >= 5) {
    ASSERT_TRUE(back.licenceLength);
    EXPECT_EQ(*back.licenceLength, 14);
    EXPECT_EQ(back.licence, "Use it kindly.");
  } else {
    EXPECT_FALSE(back.licenceLength);
  }
  // The blocks behind the label block run up to the label trailer with no gap.
  EXPECT_EQ(back.endOfBlocks, int64_t(back.trailer.PackageLength) - 424);
}

INSTANTIATE_TEST_SUITE_P(Formats, PackageWriterFormatTest, ::testing::Values(3, 4, 5));

TEST(PackageWriterTest, MediaHaveOnlyTheirLeadingEighthComplemented) {
  PackageContents c = FullContents(5);
  const WrittenPackage written = WritePackage(c);
  // Item 1 has 16 bytes (2 complemented), item 2 has 7 (none).
  const int64_t movieAt = written.layout.itemOffsets[1];
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(written.bytes[size_t(movieAt + i)], i < 2 ? uint8_t(~c.items[1].data[size_t(i)]) : c.items[1].data[size_t(i)]) << i;
  const int64_t tinyAt = written.layout.itemOffsets[2];
  for (int i = 0; i < 7; ++i) EXPECT_EQ(written.bytes[size_t(tinyAt + i)], c.items[2].data[size_t(i)]) << i;
}

TEST(PackageWriterTest, LayoutReportsWhereTheBlocksWent) {
  const WrittenPackage v5 = WritePackage(FullContents(5));
  EXPECT_GT(v5.layout.extensionOffset, v5.layout.labelOffset);
  EXPECT_EQ(v5.layout.extensionOffset, v5.layout.labelOffset + v5.layout.labelLength);
  EXPECT_GT(v5.layout.licenceOffset, v5.layout.extensionOffset);
  std::vector<uint8_t> licenceLength(v5.bytes.begin() + v5.layout.licenceOffset, v5.bytes.begin() + v5.layout.licenceOffset + 4);
  Complement(licenceLength);
  EXPECT_EQ(licenceLength, (std::vector<uint8_t>{14, 0, 0, 0}));

  const WrittenPackage v3 = WritePackage(FullContents(3));
  EXPECT_EQ(v3.layout.extensionOffset, -1);
  EXPECT_EQ(v3.layout.licenceOffset, -1);
}

TEST(PackageWriterTest, UnsetFormatWritesTheNewest) {
  PackageContents c = FullContents(0);
  c.writeAuthor = false;
  TempFiles temp;
  const ReadBackPackage back = WriteAndReadBack(c, temp);
  EXPECT_EQ(back.trailer.Info.FormatVersion, 5);
  EXPECT_EQ(back.trailer.Info.HasAuthorInfo, 0);
  EXPECT_FALSE(back.author);
  EXPECT_EQ(back.licence, "Use it kindly.");
}

TEST(PackageWriterTest, EmptyPackageStillCarriesAnEmptyLabelBlock) {
  PackageContents c;
  c.name = "Empty";
  TempFiles temp;
  const ReadBackPackage back = WriteAndReadBack(c, temp, {});
  EXPECT_EQ(back.base, 0);
  EXPECT_TRUE(back.labelTrailerValid);
  EXPECT_TRUE(back.labelBlockComplete);
  EXPECT_EQ(back.labels.Count(), 0);
  ASSERT_TRUE(back.extension);
  EXPECT_EQ(back.extension->MusicNamesLength, 0);
  EXPECT_EQ(back.extension->BackgroundLength, 0);
  EXPECT_EQ(*back.licenceLength, 0);
}

TEST(PackageWriterTest, ContentsThePackageCannotCarryAreRefused) {
  struct Case {
    const char* name;
    void (*damage)(PackageContents&);
    const char* message;
  };
  const Case cases[] = {
      {"name", [](PackageContents& c) { c.name = std::string(65, 'n'); }, "name"},
      {"description", [](PackageContents& c) { c.info.Description = std::string(259, 'd'); }, "description"},
      {"author", [](PackageContents& c) { c.author.Author = std::string(33, 'a'); }, "author"},
      {"e-mail", [](PackageContents& c) { c.author.Email = std::string(33, 'e'); }, "e-mail"},
      {"home page", [](PackageContents& c) { c.author.HomePage = std::string(65, 'h'); }, "home page"},
      {"licence", [](PackageContents& c) { c.licence = std::string(65537, 'l'); }, "licence"},
      {"font name",
       [](PackageContents& c) {
         LabelRecord r = Label("x", 0, 0);
         r.FontName = std::string(32, 'f');
         c.items[2].labels.Add(r);
       },
       "item 3: a label's font name"},
      {"suffix", [](PackageContents& c) { c.music[1].record.FileSuffix = ".longext"; }, "music 2: the file suffix"},
      {"music name", [](PackageContents& c) { c.music[0].name = "two\nlines"; }, "music 1: the display name"},
  };
  for (const Case& c : cases) {
    PackageContents contents = FullContents(5);
    c.damage(contents);
    EXPECT_NE(CheckPackageContents(contents).find(c.message), std::string::npos) << c.name << ": " << CheckPackageContents(contents);
    EXPECT_THROW(WritePackage(contents), std::invalid_argument) << c.name;
  }
  EXPECT_EQ(CheckPackageContents(FullContents(5)), "");
}

class PackagedOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) / "packaged_output_test";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    runtime_ = (folder_ / "runtime.exe").string();
    WriteWholeFile(runtime_, Pattern(3000, 11));
  }
  void TearDown() override { fs::remove_all(folder_); }
  size_t FilesInFolder() const { return size_t(std::distance(fs::directory_iterator(folder_), fs::directory_iterator())); }

  fs::path folder_;
  std::string runtime_;
};

TEST_F(PackagedOutputTest, WritesImageThenPackage) {
  const WrittenPackage package = WritePackage(FullContents(5));
  const std::string out = (folder_ / "Show.scr").string();
  std::string error;
  ASSERT_TRUE(WritePackagedExecutable(runtime_, package.bytes, out, error)) << error;
  std::vector<uint8_t> want = Pattern(3000, 11);
  want.insert(want.end(), package.bytes.begin(), package.bytes.end());
  EXPECT_EQ(ReadWholeFile(out), want);
  EXPECT_EQ(FilesInFolder(), 2u);  // no temporary file left
  fs::permissions(runtime_, fs::perms::owner_read | fs::perms::owner_exec);
  ASSERT_TRUE(WritePackagedExecutable(runtime_, package.bytes, out, error)) << error;
  EXPECT_EQ(fs::status(out).permissions() & fs::perms::owner_all, fs::perms::owner_all);
  fs::permissions(runtime_, fs::perms::owner_read | fs::perms::owner_write);

  // A packaged screen saver serves as runtime: its old package is replaced, not stacked.
  PackageContents other = FullContents(4);
  other.name = "Second";
  const WrittenPackage second = WritePackage(other);
  const std::string again = (folder_ / "Again.exe").string();
  ASSERT_TRUE(WritePackagedExecutable(out, second.bytes, again, error)) << error;
  std::vector<uint8_t> want2 = Pattern(3000, 11);
  want2.insert(want2.end(), second.bytes.begin(), second.bytes.end());
  EXPECT_EQ(ReadWholeFile(again), want2);
}

TEST_F(PackagedOutputTest, FailuresLeaveNoOutputAndKeepAnOldOne) {
  const WrittenPackage package = WritePackage(FullContents(5));
  std::string error;
  const std::string out = (folder_ / "Show.exe").string();
  WriteWholeFile(out, {1, 2, 3});

  EXPECT_FALSE(WritePackagedExecutable((folder_ / "missing.exe").string(), package.bytes, out, error));
  EXPECT_NE(error.find("missing.exe"), std::string::npos) << error;
  EXPECT_EQ(ReadWholeFile(out), (std::vector<uint8_t>{1, 2, 3}));

  const std::string empty = (folder_ / "empty.exe").string();
  WriteWholeFile(empty, {});
  EXPECT_FALSE(WritePackagedExecutable(empty, package.bytes, out, error));
  EXPECT_NE(error.find("empty"), std::string::npos) << error;

  const std::string unwritable = (folder_ / "no_such_folder" / "Show.exe").string();
  EXPECT_FALSE(WritePackagedExecutable(runtime_, package.bytes, unwritable, error));
  EXPECT_NE(error.find("no_such_folder"), std::string::npos) << error;

  // The target is a folder: the rename fails and the temporary file is removed again.
  const fs::path folderTarget = folder_ / "taken.exe";
  fs::create_directories(folderTarget / "inside");
  EXPECT_FALSE(WritePackagedExecutable(runtime_, package.bytes, folderTarget.string(), error));
  EXPECT_EQ(FilesInFolder(), 4u);  // runtime, Show.exe, empty.exe, taken.exe
}

}  // namespace
}  // namespace saverkit
