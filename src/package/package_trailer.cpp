#include "package/package_trailer.h"

#include <cstring>

#include "package/byte_order.h"
#include "package/complement.h"

namespace saverkit {

PackageTrailer PackageTrailer::FromStored(const uint8_t* stored) {
  uint8_t plain[kSize];
  std::memcpy(plain, stored, kSize);
  Complement(plain, kSize);
  PackageTrailer t;
  t.PackageLength = ReadI32(plain);
  t.DirectoryOffset = ReadI32(plain + 4);
  t.TextsOffset = ReadI32(plain + 8);
  t.DynamicTextsLength = ReadI32(plain + 12);
  t.StaticTextsLength = ReadI32(plain + 16);
  t.Info = InfoRecord::Parse(plain + kInfoOffset);
  return t;
}

void PackageTrailer::ToStored(uint8_t* stored) const {
  WriteI32(stored, PackageLength);
  WriteI32(stored + 4, DirectoryOffset);
  WriteI32(stored + 8, TextsOffset);
  WriteI32(stored + 12, DynamicTextsLength);
  WriteI32(stored + 16, StaticTextsLength);
  Info.Serialize(stored + kInfoOffset);
  Complement(stored, kSize);
}

LabelTrailer LabelTrailer::Parse(const uint8_t* b) {
  LabelTrailer t;
  t.HasMarker = std::memcmp(b, kMarker, kMarkerSize) == 0;
  t.LabelOffset = ReadI32(b + 16);
  t.LabelLength = ReadI32(b + 20);
  return t;
}

void LabelTrailer::Serialize(uint8_t* b) const {
  std::memcpy(b, kMarker, kMarkerSize);
  WriteI32(b + 16, LabelOffset);
  WriteI32(b + 20, LabelLength);
}

}  // namespace saverkit
