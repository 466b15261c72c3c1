#include "package/label_table.h"

#include <cstring>

#include "package/byte_order.h"
#include "package/record_fields.h"
#include "raster/saturating.h"

namespace saverkit {
namespace {

// Sequential reads over the block that refuse, rather than pass, its end.
class BlockCursor {
 public:
  BlockCursor(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  size_t Remaining() const { return size_ - position_; }
  const uint8_t* Take(size_t n) {
    if (n > Remaining()) return nullptr;
    const uint8_t* p = data_ + position_;
    position_ += n;
    return p;
  }
  bool TakeI32(int32_t& value) {
    const uint8_t* p = Take(4);
    if (p) value = ReadI32(p);
    return p != nullptr;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
};

}  // namespace

void LabelRecord::SetText(const std::string& text) {
  text_.assign(text.c_str());
  TextLength = int32_t(text_.size());
}

// The face name keeps its terminator: at most 31 characters are stored.
template <typename Record, typename Visitor>
void LabelRecord::VisitFields(Record& r, const Visitor& f) {
  f.TerminatedText(0, kFontNameSize, r.FontName);
  f.I32(32, r.FontSize);
  f.U8(36, r.FontStyle);
  f.I32(40, r.FontColor);
  f.U8(44, r.Transparent);
  f.I32(48, r.BackColor);
  f.I32(52, r.CenterX);
  f.I32(56, r.CenterY);
  f.I32(60, r.TextLength);
}

LabelRecord LabelRecord::Parse(const uint8_t* b) { return ParseFields<LabelRecord>(b); }
void LabelRecord::Serialize(uint8_t* b) const { SerializeFields(*this, b); }

const LabelRecord* LabelList::Get(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &records_[size_t(index)];
}

void LabelList::Add(const LabelRecord& record) {
  LabelRecord copy = record;
  copy.SetText(record.Text());
  records_.push_back(std::move(copy));
}

void LabelList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  records_.erase(records_.begin() + index);
}

void LabelList::Clear() { std::vector<LabelRecord>().swap(records_); }

void LabelList::Assign(const LabelList* other) {
  if (other == this) return;
  Clear();
  if (!other) return;
  for (const LabelRecord& r : other->records_) Add(r);
}

const LabelList* LabelTable::Get(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &lists_[size_t(index)];
}

void LabelTable::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  lists_.erase(lists_.begin() + index);
}

void LabelTable::Append(const LabelList& list) {
  LabelList copy;
  copy.Assign(&list);
  lists_.push_back(std::move(copy));
}

void LabelTable::Clear() { std::vector<LabelList>().swap(lists_); }

void LabelTable::Resize(int n) {
  if (n < 0) n = 0;
  lists_.resize(size_t(n));
}

void LabelTable::Scale(int dx, int dy, double f) {
  for (LabelList& list : lists_) {
    LabelList scaled;
    for (int i = 0; i < list.Count(); ++i) {
      LabelRecord r = *list.Get(i);
      r.FontSize = TruncToI32(double(r.FontSize) * f);
      r.CenterX = ClampToI32(int64_t(dx) + TruncToI32(f * double(r.CenterX)));
      r.CenterY = ClampToI32(int64_t(dy) + TruncToI32(f * double(r.CenterY)));
      scaled.Add(r);
    }
    list = std::move(scaled);
  }
}

bool LabelTable::Load(const uint8_t* block, size_t size) {
  Clear();
  BlockCursor in(block, block ? size : 0);
  const uint8_t* marker = in.Take(kMarkerSize);
  if (!marker || std::memcmp(marker, kMarker, kMarkerSize) != 0) return false;
  int32_t groups = 0, groupCheck = 0;
  if (!in.TakeI32(groups) || !in.TakeI32(groupCheck)) return false;
  if (int64_t(groupCheck) - kGroupCheck != groups) return false;
  // Every count is checked against the bytes that remain before anything is read for it, so a
  // hostile count ends the load at the block's end instead of allocating for it.
  for (int32_t g = 0; g < groups; ++g) {
    int32_t labels = 0, labelCheck = 0;
    if (!in.TakeI32(labels) || !in.TakeI32(labelCheck)) return false;
    if (int64_t(labelCheck) - kLabelCheck != labels) return false;
    LabelList list;
    for (int32_t i = 0; i < labels; ++i) {
      const uint8_t* header = in.Take(LabelRecord::kSize);
      if (!header) return false;
      LabelRecord record = LabelRecord::Parse(header);
      std::string text;
      if (record.TextLength > 0) {
        const uint8_t* bytes = in.Take(size_t(record.TextLength));
        if (!bytes) return false;
        text.assign(reinterpret_cast<const char*>(bytes), size_t(record.TextLength));
      }
      record.SetText(text);
      list.Add(record);
    }
    lists_.push_back(std::move(list));
  }
  return true;
}

std::vector<uint8_t> SerializeLabelBlock(const LabelTable& table) {
  std::vector<uint8_t> out(LabelTable::kMarker, LabelTable::kMarker + LabelTable::kMarkerSize);
  AppendI32(out, table.Count());
  AppendI32(out, table.Count() + LabelTable::kGroupCheck);
  for (int g = 0; g < table.Count(); ++g) {
    const LabelList& list = *table.Get(g);
    AppendI32(out, list.Count());
    AppendI32(out, list.Count() + LabelTable::kLabelCheck);
    for (int i = 0; i < list.Count(); ++i) {
      const LabelRecord& r = *list.Get(i);
      uint8_t header[LabelRecord::kSize];
      LabelRecord stored = r;
      stored.TextLength = int32_t(r.Text().size());
      stored.Serialize(header);
      out.insert(out.end(), header, header + LabelRecord::kSize);
      out.insert(out.end(), r.Text().begin(), r.Text().end());
    }
  }
  return out;
}

}  // namespace saverkit
