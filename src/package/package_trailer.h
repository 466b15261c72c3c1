// The 400-byte trailer at the very end of a packaged executable and the 24-byte label trailer
// before it: how the runtime finds its package inside its own file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "package/label_table.h"
#include "package/records.h"

namespace saverkit {

struct PackageTrailer {
  static constexpr size_t kSize = 400;
  static constexpr size_t kInfoOffset = 20;
  // The edition byte's position in the trailer: the information record's byte 117.
  static constexpr size_t kEditionOffset = kInfoOffset + InfoRecord::kEditionOffset;

  int32_t PackageLength = 0;
  int32_t DirectoryOffset = 0;
  int32_t TextsOffset = 0;
  int32_t DynamicTextsLength = 0;
  int32_t StaticTextsLength = 0;
  InfoRecord Info;

  // From the 400 stored (complemented) bytes.
  static PackageTrailer FromStored(const uint8_t* stored);
  // Into 400 stored (complemented) bytes.
  void ToStored(uint8_t* stored) const;
  // The field table of the plain (complemented back) trailer.
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
};

struct LabelTrailer {
  static constexpr size_t kSize = 24;
  // The same marker that opens the label block.
  static constexpr const char* kMarker = LabelTable::kMarker;
  static constexpr size_t kMarkerSize = LabelTable::kMarkerSize;

  bool HasMarker = false;
  int32_t LabelOffset = 0;
  int32_t LabelLength = 0;

  static LabelTrailer Parse(const uint8_t* bytes);  // stored plain
  void Serialize(uint8_t* bytes) const;             // writes the marker too
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
};

}  // namespace saverkit
