#include "package/label_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "package/byte_order.h"

namespace saverkit {
namespace {

LabelRecord MakeLabel(const std::string& text, int32_t centerX = 10, int32_t centerY = 20, int32_t fontSize = 12) {
  LabelRecord r;
  r.FontName = "Tahoma";
  r.FontSize = fontSize;
  r.FontStyle = LabelRecord::kBold | LabelRecord::kUnderline;
  r.FontColor = 0x00112233;
  r.Transparent = 0;
  r.BackColor = 0x00445566;
  r.CenterX = centerX;
  r.CenterY = centerY;
  r.SetText(text);
  return r;
}

// Table of lists given as the texts of their labels.
LabelTable MakeTable(const std::vector<std::vector<std::string>>& groups) {
  LabelTable table;
  for (const auto& texts : groups) {
    LabelList list;
    for (const std::string& t : texts) list.Add(MakeLabel(t));
    table.Append(list);
  }
  return table;
}

std::vector<std::vector<std::string>> Texts(const LabelTable& table) {
  std::vector<std::vector<std::string>> out;
  for (int g = 0; g < table.Count(); ++g) {
    out.emplace_back();
    for (int i = 0; i < table.Get(g)->Count(); ++i) out.back().push_back(table.Get(g)->Get(i)->Text());
  }
  return out;
}

TEST(LabelRecordTest, TextWriteSetsLengthAndEndsAtNul) {
  LabelRecord r;
  EXPECT_EQ(r.Text(), "");
  EXPECT_EQ(r.TextLength, 0);
  r.SetText("Sunset");
  EXPECT_EQ(r.Text(), "Sunset");
  EXPECT_EQ(r.TextLength, 6);
  r.SetText(std::string("ab\0cd", 5));
  EXPECT_EQ(r.Text(), "ab");
  EXPECT_EQ(r.TextLength, 2);
  r.SetText("");
  EXPECT_EQ(r.TextLength, 0);
}

TEST(LabelRecordTest, HeaderRoundTripKeepsEveryField) {
  const LabelRecord r = MakeLabel("x", -7, 9000, 36);
  uint8_t bytes[LabelRecord::kSize];
  r.Serialize(bytes);
  const LabelRecord back = LabelRecord::Parse(bytes);
  EXPECT_EQ(back.FontName, "Tahoma");
  EXPECT_EQ(back.FontSize, 36);
  EXPECT_EQ(back.FontStyle, LabelRecord::kBold | LabelRecord::kUnderline);
  EXPECT_EQ(back.FontColor, 0x00112233);
  EXPECT_EQ(back.Transparent, 0);
  EXPECT_EQ(back.BackColor, 0x00445566);
  EXPECT_EQ(back.CenterX, -7);
  EXPECT_EQ(back.CenterY, 9000);
  EXPECT_EQ(back.TextLength, 1);
  EXPECT_EQ(back.Text(), "");  // the text travels behind the header, not in it
}

TEST(LabelRecordTest, FontNameOfFullFieldKeepsItsTerminator) {
  LabelRecord r;
  r.FontName = std::string(40, 'F');
  uint8_t bytes[LabelRecord::kSize];
  r.Serialize(bytes);
  EXPECT_EQ(bytes[31], 0);
  EXPECT_EQ(LabelRecord::Parse(bytes).FontName, std::string(31, 'F'));
}

TEST(LabelListTest, AddCopiesDeeplyWithTheActualTextLength) {
  LabelRecord source = MakeLabel("Hello");
  source.TextLength = 99;  // whatever the stored field said
  LabelList list;
  list.Add(source);
  source.SetText("changed");
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Get(0)->Text(), "Hello");
  EXPECT_EQ(list.Get(0)->TextLength, 5);
}

TEST(LabelListTest, GetAndDeleteIgnoreIndexesOutOfRange) {
  LabelList list;
  EXPECT_EQ(list.Get(0), nullptr);
  list.Add(MakeLabel("a"));
  list.Add(MakeLabel("b"));
  list.Add(MakeLabel("c"));
  EXPECT_EQ(list.Get(-1), nullptr);
  EXPECT_EQ(list.Get(3), nullptr);
  list.Delete(-1);
  list.Delete(3);
  EXPECT_EQ(list.Count(), 3);
  list.Delete(1);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Get(0)->Text(), "a");
  EXPECT_EQ(list.Get(1)->Text(), "c");
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.Add(MakeLabel("again"));  // a cleared list works like a new one
  EXPECT_EQ(list.Count(), 1);
}

TEST(LabelListTest, AssignReplacesContentAndNullClears) {
  LabelList source;
  source.Add(MakeLabel("one"));
  source.Add(MakeLabel("two"));
  LabelList target;
  target.Add(MakeLabel("old"));
  target.Assign(&source);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_EQ(target.Get(1)->Text(), "two");
  target.Assign(&target);
  EXPECT_EQ(target.Count(), 2);
  target.Assign(nullptr);
  EXPECT_EQ(target.Count(), 0);
}

TEST(LabelTableTest, AppendKeepsTheCallersListIndependent) {
  LabelList list;
  list.Add(MakeLabel("first"));
  LabelTable table;
  table.Append(list);
  list.Clear();
  ASSERT_EQ(table.Count(), 1);
  EXPECT_EQ(table.Get(0)->Count(), 1);
  EXPECT_EQ(table.Get(1), nullptr);
  table.Delete(5);
  table.Delete(0);
  EXPECT_EQ(table.Count(), 0);
}

TEST(LabelTableTest, ResizeDropsFromTheEndOrAppendsEmptyLists) {
  LabelTable table = MakeTable({{"0"}, {"1"}, {"2"}, {"3"}, {"4"}, {"5"}, {"6"}, {"7"}});
  table.Resize(5);
  EXPECT_EQ(Texts(table), (std::vector<std::vector<std::string>>{{"0"}, {"1"}, {"2"}, {"3"}, {"4"}}));

  LabelTable small = MakeTable({{"a"}, {"b", "c"}});
  small.Resize(5);
  EXPECT_EQ(Texts(small), (std::vector<std::vector<std::string>>{{"a"}, {"b", "c"}, {}, {}, {}}));
  small.Resize(-3);
  EXPECT_EQ(small.Count(), 0);
}

TEST(LabelTableTest, ScaleTruncatesTowardZeroAndOffsets) {
  struct Case {
    int32_t fontSize, centerX, centerY;
    int dx, dy;
    double f;
    int32_t wantSize, wantX, wantY;
  };
  const Case cases[] = {
      {20, 400, 300, 0, 0, 0.5, 10, 200, 150},
      {10, 100, 50, 0, 32, 1.6, 16, 160, 112},
      {15, -5, -7, 3, 4, 0.5, 7, 3 + -2, 4 + -3},  // -2.5 and -3.5 cut toward zero
      {11, 3, 3, 0, 0, 1.0 / 3.0, 3, 1, 1},
  };
  for (const Case& c : cases) {
    LabelTable table;
    LabelList list;
    list.Add(MakeLabel("t", c.centerX, c.centerY, c.fontSize));
    table.Append(list);
    table.Scale(c.dx, c.dy, c.f);
    const LabelRecord& r = *table.Get(0)->Get(0);
    EXPECT_EQ(r.FontSize, c.wantSize) << c.f;
    EXPECT_EQ(r.CenterX, c.wantX) << c.f;
    EXPECT_EQ(r.CenterY, c.wantY) << c.f;
    EXPECT_EQ(r.Text(), "t");
  }
}

TEST(LabelTableTest, ScaleHoldsHostileValuesInRange) {
  LabelTable table;
  LabelList list;
  list.Add(MakeLabel("t", std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(),
                     std::numeric_limits<int32_t>::max()));
  table.Append(list);
  table.Scale(1000, -1000, 4.0);
  const LabelRecord& r = *table.Get(0)->Get(0);
  EXPECT_EQ(r.FontSize, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(r.CenterX, std::numeric_limits<int32_t>::max());
  EXPECT_EQ(r.CenterY, std::numeric_limits<int32_t>::min());
}

// A label block written field by field, so tests can break any count.
class BlockBuilder {
 public:
  BlockBuilder& Marker(const char* marker = LabelTable::kMarker) {
    bytes_.insert(bytes_.end(), marker, marker + LabelTable::kMarkerSize);
    return *this;
  }
  BlockBuilder& I32(int32_t v) {
    uint8_t b[4];
    WriteI32(b, v);
    bytes_.insert(bytes_.end(), b, b + 4);
    return *this;
  }
  BlockBuilder& Label(const std::string& text, int32_t storedLength) {
    LabelRecord r = MakeLabel(text);
    r.TextLength = storedLength;
    uint8_t header[LabelRecord::kSize];
    r.Serialize(header);
    bytes_.insert(bytes_.end(), header, header + LabelRecord::kSize);
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  BlockBuilder& Group(const std::vector<std::string>& texts) {
    I32(int32_t(texts.size())).I32(int32_t(texts.size()) + LabelTable::kLabelCheck);
    for (const std::string& t : texts) Label(t, int32_t(t.size()));
    return *this;
  }
  std::vector<uint8_t> Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

using Groups = std::vector<std::vector<std::string>>;

TEST(LabelTableLoadTest, BlocksLoadAsTheirChecksAllow) {
  struct Case {
    const char* name;
    std::vector<uint8_t> block;
    Groups want;
    bool complete;
  };
  const Case cases[] = {
      {"two valid groups", BlockBuilder().Marker().I32(2).I32(890).Group({"a", "b"}).Group({"c"}).Bytes(),
       {{"a", "b"}, {"c"}}, true},
      {"group check one short", BlockBuilder().Marker().I32(2).I32(889).Group({"a"}).Group({"c"}).Bytes(), {}, false},
      {"no groups", BlockBuilder().Marker().I32(0).I32(888).Bytes(), {}, true},
      {"negative group count", BlockBuilder().Marker().I32(-1).I32(887).Bytes(), {}, true},
      {"marker in other letter case", BlockBuilder().Marker("TavirLabelStart").I32(1).I32(889).Group({"a"}).Bytes(),
       {}, false},
      {"bad label check keeps earlier groups",
       BlockBuilder().Marker().I32(3).I32(891).Group({"a"}).I32(1).I32(1001).Label("b", 1).Group({"c"}).Bytes(),
       {{"a"}}, false},
      {"empty group", BlockBuilder().Marker().I32(2).I32(890).Group({}).Group({"z"}).Bytes(), {{}, {"z"}}, true},
      {"zero and negative text lengths give no text",
       BlockBuilder().Marker().I32(1).I32(889).I32(2).I32(1001).Label("", 0).Label("", -5).Bytes(), {{"", ""}}, true},
      {"group count beyond the block keeps what is there",
       BlockBuilder().Marker().I32(0x7FFFFFFF - 888).I32(0x7FFFFFFF).Group({"a"}).Bytes(), {{"a"}}, false},
      {"label count beyond the block drops that group",
       BlockBuilder().Marker().I32(2).I32(890).Group({"a"}).I32(50000000).I32(50000999).Label("b", 1).Bytes(),
       {{"a"}}, false},
      {"text length beyond the block drops that group",
       BlockBuilder().Marker().I32(2).I32(890).Group({"a"}).I32(1).I32(1000).Label("bc", 0x7FFFFFF0).Bytes(),
       {{"a"}}, false},
      {"empty block", {}, {}, false},
  };
  for (const Case& c : cases) {
    LabelTable table = MakeTable({{"stale"}});
    EXPECT_EQ(table.Load(c.block), c.complete) << c.name;
    EXPECT_EQ(Texts(table), c.want) << c.name;
  }
}

TEST(LabelTableLoadTest, LoadedRecordsCarryTheirTextsLengths) {
  const std::vector<uint8_t> block = BlockBuilder().Marker().I32(1).I32(889).Group({"Sunset over the bay"}).Bytes();
  LabelTable table;
  ASSERT_TRUE(table.Load(block));
  const LabelRecord& r = *table.Get(0)->Get(0);
  EXPECT_EQ(r.TextLength, 19);
  EXPECT_EQ(r.FontName, "Tahoma");
  EXPECT_EQ(r.CenterY, 20);
}

TEST(LabelTableLoadTest, SerializedBlockReadsBackAndEveryTruncationKeepsWholeGroups) {
  const LabelTable original = MakeTable({{"alpha", "beta"}, {}, {"gamma"}, {"delta", "epsilon", "zeta"}});
  const std::vector<uint8_t> block = SerializeLabelBlock(original);
  LabelTable whole;
  ASSERT_TRUE(whole.Load(block));
  EXPECT_EQ(Texts(whole), Texts(original));

  for (size_t cut = 0; cut < block.size(); ++cut) {
    LabelTable table;
    EXPECT_FALSE(table.Load(block.data(), cut)) << cut;
    const Groups got = Texts(table);
    const Groups want = Texts(original);
    ASSERT_LE(got.size(), want.size()) << cut;
    EXPECT_TRUE(std::equal(got.begin(), got.end(), want.begin())) << cut;
  }
}

}  // namespace
}  // namespace saverkit
