#include "package/package_trailer.h"

#include <cstring>

#include "package/complement.h"
#include "package/record_fields.h"

namespace saverkit {

template <typename Record, typename Visitor>
void PackageTrailer::VisitFields(Record& t, const Visitor& f) {
  f.I32(0, t.PackageLength);
  f.I32(4, t.DirectoryOffset);
  f.I32(8, t.TextsOffset);
  f.I32(12, t.DynamicTextsLength);
  f.I32(16, t.StaticTextsLength);
  f.Nested(kInfoOffset, t.Info);
}

PackageTrailer PackageTrailer::FromStored(const uint8_t* stored) {
  uint8_t plain[kSize];
  std::memcpy(plain, stored, kSize);
  Complement(plain, kSize);
  return ParseFields<PackageTrailer>(plain);
}

void PackageTrailer::ToStored(uint8_t* stored) const {
  SerializeFields(*this, stored);
  Complement(stored, kSize);
}

template <typename Record, typename Visitor>
void LabelTrailer::VisitFields(Record& t, const Visitor& f) {
  f.I32(kMarkerSize, t.LabelOffset);
  f.I32(kMarkerSize + 4, t.LabelLength);
}

LabelTrailer LabelTrailer::Parse(const uint8_t* b) {
  LabelTrailer t = ParseFields<LabelTrailer>(b);
  t.HasMarker = std::memcmp(b, kMarker, kMarkerSize) == 0;
  return t;
}

void LabelTrailer::Serialize(uint8_t* b) const {
  SerializeFields(*this, b);
  std::memcpy(b, kMarker, kMarkerSize);
}

}  // namespace saverkit
