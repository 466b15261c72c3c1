#include "tools/scrpack/intake/exif_facts.h"

#include <libexif/exif-data.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "tools/scrpack/intake/jpeg_segments.h"

namespace saverkit {
namespace {

struct ExifDataReleaser {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};
using ExifDataPtr = std::unique_ptr<ExifData, ExifDataReleaser>;

// libexif's default options add the tags the EXIF standard requires and drop the ones it does not
// know; a photo's block is read and written back as it is, so both are switched off.
ExifDataPtr LoadExif(const std::vector<uint8_t>& jpeg) {
  const std::optional<ByteRange> segment = FindExifSegment(jpeg);
  if (!segment) return nullptr;
  // libexif wants the identifier in front of the TIFF data, as the segment holds it.
  const size_t start = segment->offset + 4, length = segment->length - 4;
  ExifDataPtr data(exif_data_new());
  if (!data) return nullptr;
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
  exif_data_load_data(data.get(), jpeg.data() + start, static_cast<unsigned int>(length));
  return data;
}

ExifEntry* OrientationEntry(ExifData* data) {
  ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
  if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data || entry->size < 2)
    return nullptr;
  return entry;
}

std::string AsciiValue(ExifData* data, ExifIfd ifd, ExifTag tag) {
  ExifEntry* entry = exif_content_get_entry(data->ifd[ifd], tag);
  if (!entry || entry->format != EXIF_FORMAT_ASCII || !entry->data) return {};
  std::string text(reinterpret_cast<const char*>(entry->data), entry->size);
  return text.substr(0, text.find('\0'));
}

}  // namespace

ExifFacts ReadExifFacts(const std::vector<uint8_t>& jpeg) {
  ExifFacts facts;
  ExifDataPtr data = LoadExif(jpeg);
  if (!data) return facts;
  if (ExifEntry* entry = OrientationEntry(data.get())) {
    const int orientation = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
    if (orientation >= 1 && orientation <= 8) facts.orientation = orientation;
  }
  facts.dateTaken = AsciiValue(data.get(), EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL);
  if (facts.dateTaken.empty()) facts.dateTaken = AsciiValue(data.get(), EXIF_IFD_0, EXIF_TAG_DATE_TIME);
  return facts;
}

bool ClearExifOrientation(std::vector<uint8_t>& jpeg) {
  ExifDataPtr data = LoadExif(jpeg);
  if (!data) return true;
  ExifEntry* entry = OrientationEntry(data.get());
  if (!entry) return true;
  exif_set_short(entry->data, exif_data_get_byte_order(data.get()), 1);
  unsigned char* saved = nullptr;
  unsigned int size = 0;
  exif_data_save_data(data.get(), &saved, &size);
  std::unique_ptr<unsigned char, decltype(&std::free)> owned(saved, &std::free);
  const std::optional<ByteRange> segment = FindExifSegment(jpeg);
  return saved && size > 0 && segment && ReplaceExifSegment(jpeg, *segment, std::vector<uint8_t>(saved, saved + size));
}

void RemoveExif(std::vector<uint8_t>& jpeg) {
  if (const std::optional<ByteRange> segment = FindExifSegment(jpeg))
    jpeg.erase(jpeg.begin() + std::ptrdiff_t(segment->offset),
               jpeg.begin() + std::ptrdiff_t(segment->offset + segment->length));
}

std::string DateCaption(const std::string& exifDate) {
  static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
  int year = 0, month = 0, day = 0;
  if (exifDate.size() < 10 || std::sscanf(exifDate.c_str(), "%4d:%2d:%2d", &year, &month, &day) != 3) return {};
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return {};
  return std::to_string(day) + " " + kMonths[month - 1] + " " + std::to_string(year);
}

}  // namespace saverkit
