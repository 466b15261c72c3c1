// What scrpack takes from a photo's EXIF block, read with libexif: the orientation in which the
// camera was held and the date the photo was taken; and the orientation cleared once the pixels
// have been turned, so that no viewer turns the picture a second time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace saverkit {

struct ExifFacts {
  int orientation = 1;   // 1 to 8 as EXIF numbers them; 1 (upright) when absent or out of range
  std::string dateTaken; // "YYYY:MM:DD HH:MM:SS" as EXIF writes it, or empty
};

ExifFacts ReadExifFacts(const std::vector<uint8_t>& jpeg);

// Sets the orientation tag of the JPEG's EXIF block to 1, keeping every other tag. True when the
// picture has no orientation tag left other than 1; false when the block cannot be rewritten, in
// which case the caller removes the tag's block instead (see RemoveExif).
bool ClearExifOrientation(std::vector<uint8_t>& jpeg);

// Drops the EXIF block of the JPEG entirely.
void RemoveExif(std::vector<uint8_t>& jpeg);

// "14 July 2023" from an EXIF date, empty when it is not one.
std::string DateCaption(const std::string& exifDate);

}  // namespace saverkit
