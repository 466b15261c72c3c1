#include "tools/scrpack/intake/jpeg_segments.h"

#include <cstring>

namespace saverkit {
namespace {

constexpr uint8_t kMarker = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kApp1 = 0xE1;
constexpr char kExifId[] = "Exif\0";  // with the array's own NUL: six bytes
constexpr size_t kExifIdSize = 6;
constexpr size_t kMaxSegmentPayload = 65533;  // a 16-bit length that counts its own two bytes

struct Segment {
  uint8_t marker = 0;
  size_t offset = 0, length = 0;  // offset of 0xFF; length of the whole segment
};

// Calls `visit` for each segment from the start of the file to the first scan (inclusive).
template <typename Visit>
void WalkSegments(const std::vector<uint8_t>& jpeg, Visit visit) {
  if (jpeg.size() < 4 || jpeg[0] != kMarker || jpeg[1] != kStartOfImage) return;
  size_t at = 2;
  while (at + 4 <= jpeg.size()) {
    if (jpeg[at] != kMarker) return;
    const uint8_t marker = jpeg[at + 1];
    if (marker == kMarker) {  // fill bytes before a marker
      ++at;
      continue;
    }
    const size_t length = size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
    if (length < 2 || at + 2 + length > jpeg.size()) return;
    if (!visit(Segment{marker, at, length + 2}) || marker == kStartOfScan) return;
    at += 2 + length;
  }
}

}  // namespace

std::optional<ByteRange> FindExifSegment(const std::vector<uint8_t>& jpeg) {
  std::optional<ByteRange> found;
  WalkSegments(jpeg, [&](const Segment& s) {
    if (s.marker == kApp1 && s.length >= 4 + kExifIdSize && std::memcmp(&jpeg[s.offset + 4], kExifId, kExifIdSize) == 0) {
      found = ByteRange{s.offset, s.length};
      return false;
    }
    return true;
  });
  return found;
}

std::optional<ByteRange> ExifPayload(const std::vector<uint8_t>& jpeg, const ByteRange& segment) {
  if (segment.offset + segment.length > jpeg.size() || segment.length < 4 + kExifIdSize) return std::nullopt;
  return ByteRange{segment.offset + 4 + kExifIdSize, segment.length - 4 - kExifIdSize};
}

bool HasEndOfImage(const std::vector<uint8_t>& jpeg) {
  size_t scanStart = 0;
  WalkSegments(jpeg, [&](const Segment& s) {
    if (s.marker == kStartOfScan) scanStart = s.offset + s.length;
    return true;
  });
  if (scanStart == 0) return false;
  // Searched from the end: cameras may put data behind the marker, but the marker itself is the
  // last thing of the picture, so the search is short for a complete file.
  for (size_t at = jpeg.size() - 1; at > scanStart; --at)
    if (jpeg[at] == kEndOfImage && jpeg[at - 1] == kMarker) return true;
  return false;
}

bool ReplaceExifSegment(std::vector<uint8_t>& jpeg, const ByteRange& segment, const std::vector<uint8_t>& exif) {
  if (exif.size() > kMaxSegmentPayload || segment.offset + segment.length > jpeg.size()) return false;
  const size_t length = exif.size() + 2;
  std::vector<uint8_t> replacement{kMarker, kApp1, uint8_t(length >> 8), uint8_t(length & 0xFF)};
  replacement.insert(replacement.end(), exif.begin(), exif.end());
  std::vector<uint8_t> result;
  result.reserve(jpeg.size() - segment.length + replacement.size());
  result.insert(result.end(), jpeg.begin(), jpeg.begin() + std::ptrdiff_t(segment.offset));
  result.insert(result.end(), replacement.begin(), replacement.end());
  result.insert(result.end(), jpeg.begin() + std::ptrdiff_t(segment.offset + segment.length), jpeg.end());
  jpeg = std::move(result);
  return true;
}

}  // namespace saverkit
