// The byte layout of every fixed-size package record, written out here from the format's tables
// rather than from the record types, so that a field that moves or changes width is caught: each
// record serialises to exactly the expected bytes (unlisted bytes zero) and parses back from them.
#include "package/records.h"

#include <gtest/gtest.h>

#include <vector>

#include "package/label_table.h"
#include "package/package_trailer.h"

namespace saverkit {
namespace {

class ExpectedBytes {
 public:
  explicit ExpectedBytes(size_t size) : bytes_(size, 0) {}
  ExpectedBytes& I32(size_t offset, uint32_t value) {
    for (int k = 0; k < 4; ++k) bytes_.at(offset + k) = uint8_t(value >> (8 * k));
    return *this;
  }
  ExpectedBytes& U8(size_t offset, uint8_t value) {
    bytes_.at(offset) = value;
    return *this;
  }
  ExpectedBytes& Text(size_t offset, const std::string& text) {
    for (size_t k = 0; k < text.size(); ++k) bytes_.at(offset + k) = uint8_t(text[k]);
    return *this;
  }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

template <typename Record>
std::vector<uint8_t> Serialized(const Record& record) {
  // Filled with a pattern so that a byte the record leaves unwritten shows up.
  std::vector<uint8_t> bytes(Record::kSize, 0xA5);
  record.Serialize(bytes.data());
  return bytes;
}

// Serialize writes exactly `expected`, and Parse takes every field back from it.
template <typename Record>
void ExpectLayout(const Record& record, const ExpectedBytes& expected) {
  ASSERT_EQ(expected.Bytes().size(), Record::kSize);
  EXPECT_EQ(Serialized(record), expected.Bytes());
  EXPECT_EQ(Serialized(Record::Parse(expected.Bytes().data())), expected.Bytes());
}

TEST(RecordLayoutTest, InformationRecord) {
  InfoRecord r;
  r.SetValidSignature();
  r.ItemCount = 0x01020304;
  r.DefaultSeconds = 0x05060708;
  r.DefaultStep = 0x090A0B0C;
  r.DefaultDelay = 0x0D0E0F10;
  r.DefaultOutStep = 0x11121314;
  r.DefaultOutDelay = 0x15161718;
  r.BackgroundColor = 0x191A1B1C;
  r.RandomOrder = 0x1D;
  r.HasAuthorInfo = 0x1E;
  r.DesignWidth = 0x1F202122;
  r.MusicCount = 0x23242526;
  r.NoSaving = 0x27;
  r.FormatVersion = 0x28292A2B;
  r.MotionMode = 0x2C;
  r.IgnoreMouseMove = 0x2D;
  r.DefaultEffect = -2;
  r.DefaultOutEffect = 0x2E2F3031;
  r.HideGeneratorPage = 0x32;
  r.Edition = 'E';
  r.Description = std::string(258, 'd');
  ExpectedBytes expected(380);
  expected.Text(0, "TwilightPanelGuildByOrinVasquel")
      .I32(36, 0x01020304)
      .I32(40, 0x05060708)
      .I32(44, 0x090A0B0C)
      .I32(48, 0x0D0E0F10)
      .I32(52, 0x11121314)
      .I32(56, 0x15161718)
      .I32(60, 0x191A1B1C)
      .U8(64, 0x1D)
      .U8(65, 0x1E)
      .I32(68, 0x1F202122)
      .I32(72, 0x23242526)
      .U8(76, 0x27)
      .I32(84, 0x28292A2B)
      .U8(105, 0x2C)
      .U8(106, 0x2D)
      .I32(108, 0xFFFFFFFE)
      .I32(112, 0x2E2F3031)
      .U8(116, 0x32)
      .U8(117, 'E')
      .Text(122, std::string(258, 'd'));
  ExpectLayout(r, expected);
}

TEST(RecordLayoutTest, AuthorBlock) {
  ExpectLayout(AuthorBlock{"Orin", std::string(32, 'e'), "https://example.org/"},
               ExpectedBytes(128).Text(0, "Orin").Text(32, std::string(32, 'e')).Text(64, "https://example.org/"));
}

TEST(RecordLayoutTest, ExtensionBlock) {
  ExtensionBlock r;
  r.DesignHeight = 0x01020304;
  r.MusicNamesLength = 0x05060708;
  r.Opacity = 0x090A0B0C;
  r.CursorVisible = 0x0D;
  r.BackgroundLength = 0x0E0F1011;
  ExpectLayout(r, ExpectedBytes(20).I32(0, 0x01020304).I32(4, 0x05060708).I32(8, 0x090A0B0C).U8(12, 0x0D).I32(16, 0x0E0F1011));
}

TEST(RecordLayoutTest, ItemLocator) {
  ExpectLayout(ItemLocator{0x01020304, -1}, ExpectedBytes(8).I32(0, 0x01020304).I32(4, 0xFFFFFFFF));
  EXPECT_EQ(kItemEntrySize, 64u);
  EXPECT_EQ(kMusicEntrySize, 24u);
}

TEST(RecordLayoutTest, NameBlockIsPaddedAndReadWithoutThePadding) {
  ExpectLayout(NameBlock{"Harbour Lights"}, ExpectedBytes(64).Text(0, "Harbour Lights"));
  ExpectLayout(NameBlock{std::string(64, 'n')}, ExpectedBytes(64).Text(0, std::string(64, 'n')));
  std::vector<uint8_t> padded = ExpectedBytes(64).Text(0, " \t Harbour Lights  \r\n").Bytes();
  EXPECT_EQ(NameBlock::Parse(padded.data()).Name, "Harbour Lights");
  EXPECT_EQ(NameBlock::Parse(ExpectedBytes(64).Bytes().data()).Name, "");
}

TEST(RecordLayoutTest, ItemRecord) {
  ItemRecord r;
  r.Seconds = 0x01020304;
  r.Effect = -1;
  r.Step = 0x05060708;
  r.Delay = 0x090A0B0C;
  r.OutEffect = 0x0D0E0F10;
  r.OutStep = 0x11121314;
  r.OutDelay = 0x15161718;
  r.FixedPosition = 0x19;
  r.X = 0x1A1B1C1D;
  r.Y = 0x1E1F2021;
  r.Width = 0x22232425;
  r.Height = 0x26272829;
  r.Kind = kKindMovie;
  r.Overlay = 0x2A2B2C2D;
  ExpectLayout(r, ExpectedBytes(56)
                      .I32(0, 0x01020304)
                      .I32(4, 0xFFFFFFFF)
                      .I32(8, 0x05060708)
                      .I32(12, 0x090A0B0C)
                      .I32(16, 0x0D0E0F10)
                      .I32(20, 0x11121314)
                      .I32(24, 0x15161718)
                      .U8(28, 0x19)
                      .I32(32, 0x1A1B1C1D)
                      .I32(36, 0x1E1F2021)
                      .I32(40, 0x22232425)
                      .I32(44, 0x26272829)
                      .I32(48, 1)
                      .I32(52, 0x2A2B2C2D));
}

TEST(RecordLayoutTest, MusicRecord) {
  ExpectLayout(MusicRecord{".mp3", std::string(8, 'R')}, ExpectedBytes(16).Text(0, ".mp3").Text(8, std::string(8, 'R')));
}

TEST(RecordLayoutTest, LabelRecordHeader) {
  LabelRecord r;
  r.FontName = "Tahoma";
  r.FontSize = 0x01020304;
  r.FontStyle = LabelRecord::kItalic | LabelRecord::kStrikeOut;
  r.FontColor = 0x05060708;
  r.Transparent = 0x09;
  r.BackColor = 0x0A0B0C0D;
  r.CenterX = -7;
  r.CenterY = 0x0E0F1011;
  r.TextLength = 0x12131415;
  ExpectLayout(r, ExpectedBytes(64)
                      .Text(0, "Tahoma")
                      .I32(32, 0x01020304)
                      .U8(36, 10)
                      .I32(40, 0x05060708)
                      .U8(44, 0x09)
                      .I32(48, 0x0A0B0C0D)
                      .I32(52, 0xFFFFFFF9)
                      .I32(56, 0x0E0F1011)
                      .I32(60, 0x12131415));
}

TEST(RecordLayoutTest, LabelTrailer) {
  LabelTrailer t;
  t.LabelOffset = 0x01020304;
  t.LabelLength = 0x05060708;
  ExpectedBytes expected(24);
  expected.Text(0, "TAVIRLABELSTART").I32(16, 0x01020304).I32(20, 0x05060708);
  EXPECT_EQ(Serialized(t), expected.Bytes());
  const LabelTrailer back = LabelTrailer::Parse(expected.Bytes().data());
  EXPECT_TRUE(back.HasMarker);
  EXPECT_EQ(back.LabelOffset, 0x01020304);
  EXPECT_EQ(back.LabelLength, 0x05060708);
}

TEST(RecordLayoutTest, PackageTrailerIsStoredComplemented) {
  PackageTrailer t;
  t.PackageLength = 0x01020304;
  t.DirectoryOffset = 0x05060708;
  t.TextsOffset = 0x090A0B0C;
  t.DynamicTextsLength = 0x0D0E0F10;
  t.StaticTextsLength = 0x11121314;
  t.Info.SetValidSignature();
  t.Info.Edition = 'S';
  ExpectedBytes plain(400);
  plain.I32(0, 0x01020304)
      .I32(4, 0x05060708)
      .I32(8, 0x090A0B0C)
      .I32(12, 0x0D0E0F10)
      .I32(16, 0x11121314)
      .Text(20, "TwilightPanelGuildByOrinVasquel")
      .U8(20 + 117, 'S');
  std::vector<uint8_t> stored = plain.Bytes();
  for (uint8_t& b : stored) b = uint8_t(~b);
  std::vector<uint8_t> written(PackageTrailer::kSize, 0xA5);
  t.ToStored(written.data());
  EXPECT_EQ(written, stored);
  std::vector<uint8_t> again(PackageTrailer::kSize);
  PackageTrailer::FromStored(stored.data()).ToStored(again.data());
  EXPECT_EQ(again, stored);
}

}  // namespace
}  // namespace saverkit
