// The marker segments at the head of a JPEG file, up to its first scan: where the EXIF block is,
// and whether the entropy-coded data behind the scan is complete. Bounded walks over untrusted
// bytes: a segment length that runs past the data ends the walk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace saverkit {

struct ByteRange {
  size_t offset = 0, length = 0;
};

// The whole APP1 segment (marker and length included) that carries "Exif\0\0", if any.
std::optional<ByteRange> FindExifSegment(const std::vector<uint8_t>& jpeg);

// The EXIF payload of that segment: the TIFF data behind the "Exif\0\0" identifier.
std::optional<ByteRange> ExifPayload(const std::vector<uint8_t>& jpeg, const ByteRange& segment);

// True when an end-of-image marker follows the first scan: a file cut short in transfer has none.
// (Entropy-coded data never holds 0xFF 0xD9, so the marker cannot be mistaken.)
bool HasEndOfImage(const std::vector<uint8_t>& jpeg);

// Replaces `segment` with an APP1 segment carrying `exif` (identifier and TIFF data); false when the
// new payload is too long for one segment.
bool ReplaceExifSegment(std::vector<uint8_t>& jpeg, const ByteRange& segment, const std::vector<uint8_t>& exif);

}  // namespace saverkit
