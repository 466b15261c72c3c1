#include "package/records.h"

#include <cstring>

#include "package/byte_order.h"

namespace saverkit {
namespace {

constexpr size_t kDescriptionOffset = 122;
constexpr size_t kDescriptionSize = 258;

}  // namespace

bool InfoRecord::HasValidSignature() const {
  return std::memcmp(Signature.data(), kPackageSignature, kSignatureSize) == 0;
}

void InfoRecord::SetValidSignature() { std::memcpy(Signature.data(), kPackageSignature, kSignatureSize); }

InfoRecord InfoRecord::Parse(const uint8_t* b) {
  InfoRecord r;
  std::memcpy(r.Signature.data(), b, kSignatureSize);
  r.ItemCount = ReadI32(b + 36);
  r.DefaultSeconds = ReadI32(b + 40);
  r.DefaultStep = ReadI32(b + 44);
  r.DefaultDelay = ReadI32(b + 48);
  r.DefaultOutStep = ReadI32(b + 52);
  r.DefaultOutDelay = ReadI32(b + 56);
  r.BackgroundColor = ReadI32(b + 60);
  r.RandomOrder = b[64];
  r.HasAuthorInfo = b[65];
  r.DesignWidth = ReadI32(b + 68);
  r.MusicCount = ReadI32(b + 72);
  r.NoSaving = b[76];
  r.FormatVersion = ReadI32(b + 84);
  r.MotionMode = b[105];
  r.IgnoreMouseMove = b[106];
  r.DefaultEffect = ReadI32(b + 108);
  r.DefaultOutEffect = ReadI32(b + 112);
  r.HideGeneratorPage = b[116];
  r.Edition = b[kEditionOffset];
  r.Description = ReadFixedText(b + kDescriptionOffset, kDescriptionSize);
  return r;
}

void InfoRecord::Serialize(uint8_t* b) const {
  std::memset(b, 0, kSize);
  std::memcpy(b, Signature.data(), kSignatureSize);
  WriteI32(b + 36, ItemCount);
  WriteI32(b + 40, DefaultSeconds);
  WriteI32(b + 44, DefaultStep);
  WriteI32(b + 48, DefaultDelay);
  WriteI32(b + 52, DefaultOutStep);
  WriteI32(b + 56, DefaultOutDelay);
  WriteI32(b + 60, BackgroundColor);
  b[64] = RandomOrder;
  b[65] = HasAuthorInfo;
  WriteI32(b + 68, DesignWidth);
  WriteI32(b + 72, MusicCount);
  b[76] = NoSaving;
  WriteI32(b + 84, FormatVersion);
  b[105] = MotionMode;
  b[106] = IgnoreMouseMove;
  WriteI32(b + 108, DefaultEffect);
  WriteI32(b + 112, DefaultOutEffect);
  b[116] = HideGeneratorPage;
  b[kEditionOffset] = Edition;
  WriteFixedText(b + kDescriptionOffset, kDescriptionSize, Description);
}

AuthorBlock AuthorBlock::Parse(const uint8_t* b) {
  return AuthorBlock{ReadFixedText(b, 32), ReadFixedText(b + 32, 32), ReadFixedText(b + 64, 64)};
}

void AuthorBlock::Serialize(uint8_t* b) const {
  WriteFixedText(b, 32, Author);
  WriteFixedText(b + 32, 32, Email);
  WriteFixedText(b + 64, 64, HomePage);
}

ExtensionBlock ExtensionBlock::Parse(const uint8_t* b) {
  ExtensionBlock r;
  r.DesignHeight = ReadI32(b);
  r.MusicNamesLength = ReadI32(b + 4);
  r.Opacity = ReadI32(b + 8);
  r.CursorVisible = b[12];
  r.BackgroundLength = ReadI32(b + 16);
  return r;
}

void ExtensionBlock::Serialize(uint8_t* b) const {
  std::memset(b, 0, kSize);
  WriteI32(b, DesignHeight);
  WriteI32(b + 4, MusicNamesLength);
  WriteI32(b + 8, Opacity);
  b[12] = CursorVisible;
  WriteI32(b + 16, BackgroundLength);
}

ItemRecord ItemRecord::Parse(const uint8_t* b) {
  ItemRecord r;
  r.Seconds = ReadI32(b);
  r.Effect = ReadI32(b + 4);
  r.Step = ReadI32(b + 8);
  r.Delay = ReadI32(b + 12);
  r.OutEffect = ReadI32(b + 16);
  r.OutStep = ReadI32(b + 20);
  r.OutDelay = ReadI32(b + 24);
  r.FixedPosition = b[28];
  r.X = ReadI32(b + 32);
  r.Y = ReadI32(b + 36);
  r.Width = ReadI32(b + 40);
  r.Height = ReadI32(b + 44);
  r.Kind = ReadI32(b + 48);
  r.Overlay = ReadI32(b + 52);
  return r;
}

void ItemRecord::Serialize(uint8_t* b) const {
  std::memset(b, 0, kSize);
  WriteI32(b, Seconds);
  WriteI32(b + 4, Effect);
  WriteI32(b + 8, Step);
  WriteI32(b + 12, Delay);
  WriteI32(b + 16, OutEffect);
  WriteI32(b + 20, OutStep);
  WriteI32(b + 24, OutDelay);
  b[28] = FixedPosition;
  WriteI32(b + 32, X);
  WriteI32(b + 36, Y);
  WriteI32(b + 40, Width);
  WriteI32(b + 44, Height);
  WriteI32(b + 48, Kind);
  WriteI32(b + 52, Overlay);
}

bool ItemRecord::operator==(const ItemRecord& o) const {
  return Seconds == o.Seconds && Effect == o.Effect && Step == o.Step && Delay == o.Delay &&
         OutEffect == o.OutEffect && OutStep == o.OutStep && OutDelay == o.OutDelay &&
         FixedPosition == o.FixedPosition && X == o.X && Y == o.Y && Width == o.Width &&
         Height == o.Height && Kind == o.Kind && Overlay == o.Overlay;
}

MusicRecord MusicRecord::Parse(const uint8_t* b) { return MusicRecord{ReadFixedText(b, 8), ReadFixedText(b + 8, 8)}; }

void MusicRecord::Serialize(uint8_t* b) const {
  WriteFixedText(b, 8, FileSuffix);
  WriteFixedText(b + 8, 8, ResourceName);
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
