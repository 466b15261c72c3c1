#include "package/records.h"

#include <cstring>

#include "package/byte_order.h"
#include "package/record_fields.h"

namespace saverkit {

NameBlock NameBlock::Parse(const uint8_t* b) {
  size_t begin = 0, end = kSize;
  while (begin < end && b[begin] <= 32) ++begin;
  while (end > begin && b[end - 1] <= 32) --end;
  return NameBlock{std::string(reinterpret_cast<const char*>(b) + begin, end - begin)};
}

void NameBlock::Serialize(uint8_t* b) const { WriteFixedText(b, kSize, Name); }

bool InfoRecord::HasValidSignature() const {
  return std::memcmp(Signature.data(), kPackageSignature, kSignatureSize) == 0;
}

void InfoRecord::SetValidSignature() { std::memcpy(Signature.data(), kPackageSignature, kSignatureSize); }

template <typename Record, typename Visitor>
void InfoRecord::VisitFields(Record& r, const Visitor& f) {
  f.Bytes(0, kSignatureSize, r.Signature.data());
  f.I32(36, r.ItemCount);
  f.I32(40, r.DefaultSeconds);
  f.I32(44, r.DefaultStep);
  f.I32(48, r.DefaultDelay);
  f.I32(52, r.DefaultOutStep);
  f.I32(56, r.DefaultOutDelay);
  f.I32(60, r.BackgroundColor);
  f.U8(64, r.RandomOrder);
  f.U8(65, r.HasAuthorInfo);
  f.I32(68, r.DesignWidth);
  f.I32(72, r.MusicCount);
  f.U8(76, r.NoSaving);
  f.I32(84, r.FormatVersion);
  f.U8(105, r.MotionMode);
  f.U8(106, r.IgnoreMouseMove);
  f.I32(108, r.DefaultEffect);
  f.I32(112, r.DefaultOutEffect);
  f.U8(116, r.HideGeneratorPage);
  f.U8(kEditionOffset, r.Edition);
  f.Text(kDescriptionOffset, kDescriptionSize, r.Description);
}

InfoRecord InfoRecord::Parse(const uint8_t* b) { return ParseFields<InfoRecord>(b); }
void InfoRecord::Serialize(uint8_t* b) const { SerializeFields(*this, b); }

template <typename Record, typename Visitor>
void AuthorBlock::VisitFields(Record& r, const Visitor& f) {
  f.Text(0, kAuthorSize, r.Author);
  f.Text(kAuthorSize, kEmailSize, r.Email);
  f.Text(kAuthorSize + kEmailSize, kHomePageSize, r.HomePage);
}

AuthorBlock AuthorBlock::Parse(const uint8_t* b) { return ParseFields<AuthorBlock>(b); }
void AuthorBlock::Serialize(uint8_t* b) const { SerializeFields(*this, b); }

template <typename Record, typename Visitor>
void ExtensionBlock::VisitFields(Record& r, const Visitor& f) {
  f.I32(0, r.DesignHeight);
  f.I32(4, r.MusicNamesLength);
  f.I32(8, r.Opacity);
  f.U8(12, r.CursorVisible);
  f.I32(16, r.BackgroundLength);
}

ExtensionBlock ExtensionBlock::Parse(const uint8_t* b) { return ParseFields<ExtensionBlock>(b); }
void ExtensionBlock::Serialize(uint8_t* b) const { SerializeFields(*this, b); }

template <typename Record, typename Visitor>
void ItemLocator::VisitFields(Record& r, const Visitor& f) {
  f.I32(0, r.Offset);
  f.I32(4, r.Length);
}

ItemLocator ItemLocator::Parse(const uint8_t* b) { return ParseFields<ItemLocator>(b); }
void ItemLocator::Serialize(uint8_t* b) const { SerializeFields(*this, b); }

template <typename Record, typename Visitor>
void ItemRecord::VisitFields(Record& r, const Visitor& f) {
  f.I32(0, r.Seconds);
  f.I32(4, r.Effect);
  f.I32(8, r.Step);
  f.I32(12, r.Delay);
  f.I32(16, r.OutEffect);
  f.I32(20, r.OutStep);
  f.I32(24, r.OutDelay);
  f.U8(28, r.FixedPosition);
  f.I32(32, r.X);
  f.I32(36, r.Y);
  f.I32(40, r.Width);
  f.I32(44, r.Height);
  f.I32(48, r.Kind);
  f.I32(52, r.Overlay);
}

ItemRecord ItemRecord::Parse(const uint8_t* b) { return ParseFields<ItemRecord>(b); }
void ItemRecord::Serialize(uint8_t* b) const { SerializeFields(*this, b); }

bool ItemRecord::operator==(const ItemRecord& o) const {
  uint8_t mine[kSize], theirs[kSize];
  Serialize(mine);
  o.Serialize(theirs);
  return std::memcmp(mine, theirs, kSize) == 0;
}

template <typename Record, typename Visitor>
void MusicRecord::VisitFields(Record& r, const Visitor& f) {
  f.Text(0, kFileSuffixSize, r.FileSuffix);
  f.Text(kFileSuffixSize, kResourceNameSize, r.ResourceName);
}

MusicRecord MusicRecord::Parse(const uint8_t* b) { return ParseFields<MusicRecord>(b); }
void MusicRecord::Serialize(uint8_t* b) const { SerializeFields(*this, b); }

std::string DefaultMusicName(size_t index, const MusicRecord& record) {
  return "Music-" + std::to_string(index + 1) + record.FileSuffix;
}

ItemRecord DefaultItemRecord(const InfoRecord& info) {
  ItemRecord r;
  r.Seconds = info.DefaultSeconds;
  r.Effect = info.DefaultEffect;
  r.Step = info.DefaultStep;
  r.Delay = info.DefaultDelay;
  r.OutEffect = info.DefaultOutEffect;
  r.OutStep = info.DefaultOutStep;
  r.OutDelay = info.DefaultOutDelay;
  r.FixedPosition = info.MotionMode == 0 ? 1 : 0;
  return r;
}

ItemRecord DefaultItemRecordWithoutPackage() {
  ItemRecord r;
  r.Seconds = 10;
  r.Effect = -1;
  r.Step = 10;
  r.OutEffect = -1;
  r.OutStep = 10;
  return r;
}

}  // namespace saverkit
