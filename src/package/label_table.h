// Caption labels: the texts an author placed over each picture or movie. A LabelTable holds one
// LabelList per item, indexed like the directory; lists own their records and hand out copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace saverkit {

// One caption label: 64 bytes in the package, followed there by TextLength bytes of text.
struct LabelRecord {
  static constexpr size_t kSize = 64;
  static constexpr size_t kFontNameSize = 32;

  // FontStyle bits; other bits are ignored.
  static constexpr uint8_t kBold = 1;
  static constexpr uint8_t kItalic = 2;
  static constexpr uint8_t kUnderline = 4;
  static constexpr uint8_t kStrikeOut = 8;

  std::string FontName;  // char[32]
  int32_t FontSize = 0;  // points, at design scale
  uint8_t FontStyle = 0;
  int32_t FontColor = 0;  // 0x00BBGGRR or a system-colour value
  uint8_t Transparent = 0;
  int32_t BackColor = 0;
  int32_t CenterX = 0;  // design pixels
  int32_t CenterY = 0;
  // The stored length. Records made by SetText or LabelList::Add always carry their text's length;
  // a record parsed from a package carries whatever the package said until its text is set.
  int32_t TextLength = 0;

  // The label's text, or the empty text when it has none.
  const std::string& Text() const { return text_; }
  // Replaces the text; like a C string it ends at its first NUL. TextLength becomes its length.
  void SetText(const std::string& text);

  // The 64-byte header; the text travels separately.
  static LabelRecord Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
  // The header's field table, walked by Parse and Serialize.
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);

 private:
  std::string text_;
};

class LabelList {
 public:
  int Count() const { return int(records_.size()); }
  // The record at `index`, or nullptr when the index is negative or not below Count().
  const LabelRecord* Get(int index) const;
  // Appends a deep copy whose TextLength equals the length of its text.
  void Add(const LabelRecord& record);
  // Out-of-range indexes do nothing.
  void Delete(int index);
  void Clear();
  // Becomes a copy of `other`; a null `other` leaves the list cleared.
  void Assign(const LabelList* other);

 private:
  std::vector<LabelRecord> records_;
};

class LabelTable {
 public:
  // The marker that opens a label block, and the checks that guard its counts.
  static constexpr char kMarker[] = "TAVIRLABELSTART";  // 15 characters and the NUL: 16 bytes
  static constexpr size_t kMarkerSize = 16;
  static constexpr int32_t kGroupCheck = 888;
  static constexpr int32_t kLabelCheck = 999;

  int Count() const { return int(lists_.size()); }
  const LabelList* Get(int index) const;
  void Delete(int index);
  // Appends a deep copy; the caller keeps its own list.
  void Append(const LabelList& list);
  void Clear();
  // Appends empty lists or drops lists from the end until Count() == n (n < 0 counts as 0).
  void Resize(int n);
  // Maps every label from design pixels to screen pixels: size and centre times f, centre plus (dx, dy).
  void Scale(int dx, int dy, double f);

  // Replaces the content with the labels of an already complemented label block. A bad marker or
  // group check loads nothing; a bad label check, or a block that ends before its counts are
  // satisfied, keeps the whole groups read before it. Nothing beyond the block's own bytes is
  // ever allocated. Returns true when the block was read whole as its counts describe.
  bool Load(const uint8_t* block, size_t size);
  bool Load(const std::vector<uint8_t>& block) { return Load(block.data(), block.size()); }

 private:
  std::vector<LabelList> lists_;
};

// The label block for a table: what Load reads back.
std::vector<uint8_t> SerializeLabelBlock(const LabelTable& table);

}  // namespace saverkit
