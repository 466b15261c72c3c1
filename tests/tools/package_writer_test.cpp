#include "tools/scrpack/package_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "package/complement.h"
#include "package_readback.h"
#include "support/package_builder.h"
#include "tools/scrpack/packaged_output.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

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

// The full package with what the writer fills at its limits: a description and an author that
// leave no room for a terminator, extension lengths the writer must replace with its own, a label
// without text on a later item, a music without a display name, and an item of fewer bytes than
// make a complemented eighth.
PackageContents FullContents(int32_t format) {
  PackageContents c = testing::FullContents(format);
  c.info.Description = std::string(258, 'd');
  c.author.Author = std::string(32, 'a');
  c.extension.MusicNamesLength = 12345;
  c.extension.BackgroundLength = -3;
  c.items[3].data = testing::PatternBytes(7, 3);
  c.items[3].labels.Add(Label("", 1, 2));
  c.music[1].name.clear();
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

ReadBackPackage WriteAndReadBack(const PackageContents& contents, TempFiles& temp, std::vector<uint8_t> image = testing::PatternBytes(4096, 9)) {
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
  EXPECT_EQ(info.ItemCount, 4);
  EXPECT_EQ(info.MusicCount, 2);
  EXPECT_EQ(info.HasAuthorInfo, 1);
  EXPECT_EQ(info.DefaultSeconds, c.info.DefaultSeconds);
  EXPECT_EQ(info.DefaultStep, c.info.DefaultStep);
  EXPECT_EQ(info.DefaultDelay, c.info.DefaultDelay);
  EXPECT_EQ(info.DefaultOutStep, c.info.DefaultOutStep);
  EXPECT_EQ(info.DefaultOutDelay, c.info.DefaultOutDelay);
  EXPECT_EQ(info.BackgroundColor, c.info.BackgroundColor);
  EXPECT_EQ(info.RandomOrder, 1);
  EXPECT_EQ(info.DesignWidth, c.info.DesignWidth);
  EXPECT_EQ(info.NoSaving, 1);
  EXPECT_EQ(info.MotionMode, c.info.MotionMode);
  EXPECT_EQ(info.IgnoreMouseMove, 1);
  EXPECT_EQ(info.DefaultEffect, c.info.DefaultEffect);
  EXPECT_EQ(info.DefaultOutEffect, c.info.DefaultOutEffect);
  EXPECT_EQ(info.HideGeneratorPage, 1);
  EXPECT_EQ(info.Edition, kEditionSetup);
  EXPECT_EQ(info.Description, c.info.Description);

  EXPECT_EQ(back.name, c.name);
  ASSERT_TRUE(back.author);
  EXPECT_EQ(back.author->Author, c.author.Author);
  EXPECT_EQ(back.author->Email, c.author.Email);
  EXPECT_EQ(back.author->HomePage, c.author.HomePage);

  ASSERT_EQ(back.items.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(back.items[i].record == c.items[i].record) << i;
    EXPECT_EQ(back.items[i].data, c.items[i].data) << i;
  }
  ASSERT_EQ(back.music.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(back.music[i].record.FileSuffix, c.music[i].record.FileSuffix) << i;
    EXPECT_EQ(back.music[i].record.ResourceName, c.music[i].record.ResourceName) << i;
    EXPECT_EQ(back.music[i].data, c.music[i].data) << i;
  }

  EXPECT_EQ(back.dynamicTexts, c.dynamicTexts);
  EXPECT_EQ(back.staticTexts, c.staticTexts);

  ASSERT_TRUE(back.labelTrailerValid);
  EXPECT_TRUE(back.labelBlockComplete);
  ASSERT_EQ(back.labels.Count(), 4);
  ASSERT_EQ(back.labels.Get(0)->Count(), 2);
  for (int i = 0; i < 2; ++i) {
    const LabelRecord& label = *back.labels.Get(0)->Get(i);
    const LabelRecord& written = *c.items[0].labels.Get(i);
    EXPECT_EQ(label.Text(), written.Text()) << i;
    EXPECT_EQ(label.TextLength, int32_t(written.Text().size())) << i;
    EXPECT_EQ(label.FontName, written.FontName) << i;
    EXPECT_EQ(label.FontSize, written.FontSize) << i;
    EXPECT_EQ(label.FontStyle, written.FontStyle) << i;
    EXPECT_EQ(label.FontColor, written.FontColor) << i;
    EXPECT_EQ(label.Transparent, written.Transparent) << i;
    EXPECT_EQ(label.BackColor, written.BackColor) << i;
    EXPECT_EQ(label.CenterX, written.CenterX) << i;
    EXPECT_EQ(label.CenterY, written.CenterY) << i;
  }
  EXPECT_EQ(back.labels.Get(0)->Get(1)->Text(), "Harbour");
  EXPECT_EQ(back.labels.Get(1)->Count(), 0);
  EXPECT_EQ(back.labels.Get(2)->Count(), 0);
  ASSERT_EQ(back.labels.Get(3)->Count(), 1);
  EXPECT_EQ(back.labels.Get(3)->Get(0)->Text(), "");
  EXPECT_EQ(back.labels.Get(3)->Get(0)->FontName, "Georgia");

  if (format >= 4) {
    ASSERT_TRUE(back.extension);
    EXPECT_EQ(back.extension->DesignHeight, c.extension.DesignHeight);
    EXPECT_EQ(back.extension->Opacity, c.extension.Opacity);
    EXPECT_EQ(back.extension->CursorVisible, 1);
    // A music without a display name is written under the name the runtime would give it.
    EXPECT_EQ(back.musicNames, "Evening Tide\r\nMusic-2.mid");
    EXPECT_EQ(back.background, c.background);
  } else {
    EXPECT_FALSE(back.extension);
  }
  if (format >= 5) {
    ASSERT_TRUE(back.licenceLength);
    EXPECT_EQ(*back.licenceLength, int32_t(c.licence.size()));
    EXPECT_EQ(back.licence, c.licence);
  } else {
    EXPECT_FALSE(back.licenceLength);
  }
  // The blocks behind the label block run up to the label trailer with no gap.
  EXPECT_EQ(back.endOfBlocks, int64_t(back.trailer.PackageLength) - 424);
}

INSTANTIATE_TEST_SUITE_P(Formats, PackageWriterFormatTest, ::testing::Values(3, 4, 5));

TEST(PackageWriterTest, MediaHaveOnlyTheirLeadingEighthComplemented) {
  PackageContents c = FullContents(5);
  c.items[1].data = testing::PatternBytes(16, 2);
  const WrittenPackage written = WritePackage(c);
  // Item 1 has 16 bytes (2 complemented), the movie 1000 (125), item 3 has 7 (none).
  for (const size_t item : {1, 2, 3}) {
    const std::vector<uint8_t>& data = c.items[item].data;
    const int64_t at = written.layout.itemOffsets[item];
    for (size_t i = 0; i < data.size(); ++i)
      EXPECT_EQ(written.bytes[size_t(at) + i], i < data.size() / 8 ? uint8_t(~data[i]) : data[i]) << item << ", " << i;
  }
}

TEST(PackageWriterTest, LayoutReportsWhereTheBlocksWent) {
  const WrittenPackage v5 = WritePackage(FullContents(5));
  EXPECT_GT(v5.layout.extensionOffset, v5.layout.labelOffset);
  EXPECT_EQ(v5.layout.extensionOffset, v5.layout.labelOffset + v5.layout.labelLength);
  EXPECT_GT(v5.layout.licenceOffset, v5.layout.extensionOffset);
  std::vector<uint8_t> licenceLength(v5.bytes.begin() + v5.layout.licenceOffset, v5.bytes.begin() + v5.layout.licenceOffset + 4);
  Complement(licenceLength);
  const std::string licence = testing::FullContents().licence;
  EXPECT_EQ(licenceLength, (std::vector<uint8_t>{uint8_t(licence.size()), 0, 0, 0}));

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
  EXPECT_EQ(back.licence, c.licence);
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
    try {
      WritePackage(contents);
      ADD_FAILURE() << c.name << ": written";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
    }
  }
  EXPECT_NO_THROW(WritePackage(FullContents(5)));
}

// Counts what reaches the sink, and can refuse to take more, as a full disk does.
class CountingSink : public ByteSink {
 public:
  explicit CountingSink(size_t room = SIZE_MAX) : room_(room) {}
  void Write(const uint8_t*, size_t size) override {
    if (size > room_ - received_) throw std::runtime_error("the disk is full");
    received_ += size;
  }
  size_t Received() const { return received_; }

 private:
  size_t room_, received_ = 0;
};

TEST(PackageWriterTest, EachItemReachesTheSinkWhenItIsAdded) {
  const PackageContents c = FullContents(5);
  CountingSink sink;
  PackageWriter writer(sink);
  writer.WriteHeading(c);
  for (const PackageItem& item : c.items) {
    const size_t before = sink.Received();
    writer.AddItem(item);
    EXPECT_EQ(sink.Received(), before + item.data.size());
  }
  for (const PackageMusic& music : c.music) {
    const size_t before = sink.Received();
    writer.AddMusic(music);
    EXPECT_EQ(sink.Received(), before + music.data.size());
  }
  const PackageLayout layout = writer.Finish(c);
  EXPECT_EQ(int64_t(sink.Received()), writer.Size());
  EXPECT_EQ(WritePackage(c).bytes.size(), sink.Received());
  EXPECT_EQ(layout.itemOffsets, WritePackage(c).layout.itemOffsets);
}

TEST(PackageWriterTest, PartsOutOfOrderAndAFullSinkAreRefused) {
  const PackageContents c = FullContents(5);
  {
    CountingSink sink;
    PackageWriter writer(sink);
    EXPECT_THROW(writer.AddItem(c.items[0]), std::logic_error) << "an item before the heading";
    writer.WriteHeading(c);
    EXPECT_THROW(writer.WriteHeading(c), std::logic_error) << "a second heading";
    writer.AddMusic(c.music[0]);
    EXPECT_THROW(writer.AddItem(c.items[0]), std::logic_error) << "an item after music";
    writer.Finish(c);
    EXPECT_THROW(writer.Finish(c), std::logic_error) << "a second finish";
  }
  CountingSink full(1000);
  PackageWriter writer(full);
  writer.WriteHeading(c);
  EXPECT_THROW({ for (const PackageItem& item : c.items) writer.AddItem(item); }, std::runtime_error);
  EXPECT_LE(full.Received(), 1000u);
}

class PackagedOutputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) / "packaged_output_test";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    runtime_ = (folder_ / "runtime.exe").string();
    WriteWholeFile(runtime_, testing::PatternBytes(3000, 11));
  }
  void TearDown() override { fs::remove_all(folder_); }
  size_t FilesInFolder() const { return size_t(std::distance(fs::directory_iterator(folder_), fs::directory_iterator())); }

  fs::path folder_;
  std::string runtime_;
};

// The whole package behind the runtime, as the build writes it.
void WriteOutput(const std::string& runtime, const std::vector<uint8_t>& package, const std::string& out) {
  PackagedOutput output(runtime, out);
  output.Write(package.data(), package.size());
  output.Commit();
}

TEST_F(PackagedOutputTest, WritesImageThenPackage) {
  const WrittenPackage package = WritePackage(FullContents(5));
  const std::string out = (folder_ / "Show.scr").string();
  ASSERT_NO_THROW(WriteOutput(runtime_, package.bytes, out));
  std::vector<uint8_t> want = testing::PatternBytes(3000, 11);
  want.insert(want.end(), package.bytes.begin(), package.bytes.end());
  EXPECT_EQ(ReadWholeFile(out), want);
  EXPECT_EQ(FilesInFolder(), 2u);  // no temporary file left
  fs::permissions(runtime_, fs::perms::owner_read | fs::perms::owner_exec);
  ASSERT_NO_THROW(WriteOutput(runtime_, package.bytes, out));
  EXPECT_EQ(fs::status(out).permissions() & fs::perms::owner_all, fs::perms::owner_all);
  fs::permissions(runtime_, fs::perms::owner_read | fs::perms::owner_write);

  // A packaged screen saver serves as runtime: its old package is replaced, not stacked.
  PackageContents other = FullContents(4);
  other.name = "Second";
  const WrittenPackage second = WritePackage(other);
  const std::string again = (folder_ / "Again.exe").string();
  ASSERT_NO_THROW(WriteOutput(out, second.bytes, again));
  std::vector<uint8_t> want2 = testing::PatternBytes(3000, 11);
  want2.insert(want2.end(), second.bytes.begin(), second.bytes.end());
  EXPECT_EQ(ReadWholeFile(again), want2);

  // A runtime larger than the piece it is copied in arrives whole.
  std::vector<uint8_t> large = testing::PatternBytes((3 << 20) + 5, 4);
  WriteWholeFile(runtime_, large);
  ASSERT_NO_THROW(WriteOutput(runtime_, package.bytes, out));
  large.insert(large.end(), package.bytes.begin(), package.bytes.end());
  EXPECT_EQ(ReadWholeFile(out), large);
}

TEST_F(PackagedOutputTest, FailuresLeaveNoOutputAndKeepAnOldOne) {
  const WrittenPackage package = WritePackage(FullContents(5));
  const std::string out = (folder_ / "Show.exe").string();
  WriteWholeFile(out, {1, 2, 3});
  const std::string empty = (folder_ / "empty.exe").string();
  WriteWholeFile(empty, {});
  // The target is a folder: the rename fails and the temporary file is removed again.
  const fs::path folderTarget = folder_ / "taken.exe";
  fs::create_directories(folderTarget / "inside");

  const struct {
    const char* name;
    std::string runtime, out;
    const char* message;
  } cases[] = {
      {"missing runtime", (folder_ / "missing.exe").string(), out, "missing.exe"},
      {"empty runtime", empty, out, "empty"},
      {"missing output folder", runtime_, (folder_ / "no_such_folder" / "Show.exe").string(), "no_such_folder"},
      {"output folder is a file", runtime_, (fs::path(empty) / "Show.exe").string(), "cannot write"},
      {"output is a folder", runtime_, folderTarget.string(), "taken.exe"},
  };
  for (const auto& c : cases) {
    try {
      WriteOutput(c.runtime, package.bytes, c.out);
      ADD_FAILURE() << c.name << ": written";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
    }
    EXPECT_EQ(ReadWholeFile(out), (std::vector<uint8_t>{1, 2, 3})) << c.name;
    EXPECT_EQ(FilesInFolder(), 4u) << c.name;  // runtime, Show.exe, empty.exe, taken.exe
  }

  // Given up halfway, as when a picture cannot be read: the old output stays, the rest goes.
  {
    PackagedOutput output(runtime_, out);
    output.Write(package.bytes.data(), package.bytes.size() / 2);
    EXPECT_EQ(FilesInFolder(), 5u) << "the temporary file beside the output";
  }
  EXPECT_EQ(ReadWholeFile(out), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(FilesInFolder(), 4u);
}

}  // namespace
}  // namespace saverkit
