#include "tools/scrpack/intake/picture_intake.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "raster/stretch.h"
#include "tools/scrpack/intake/exif_facts.h"
#include "tools/scrpack/intake/jpeg_segments.h"
#include "tools/scrpack/intake/turbo_jpeg.h"
#ifdef SCRPACK_WITH_PNG
#include "tools/scrpack/intake/png_picture.h"
#endif
#ifdef SCRPACK_WITH_WEBP
#include "tools/scrpack/intake/webp_picture.h"
#endif

namespace saverkit {
namespace {

bool Exceeds(PictureSize size, PictureSize box) {
  return box.width > 0 && box.height > 0 && (size.width > box.width || size.height > box.height);
}

// Shrinks (when asked) and encodes a decoded picture.
bool EncodeShrunk(Bitmap picture, const IntakeOptions& options, PreparedPicture& out, std::string& error) {
  const PictureSize size{picture.Width(), picture.Height()};
  if (out.uprightSize.width == 0) out.uprightSize = size;
  if (Exceeds(size, options.maxSize)) {
    const PictureSize fitted = FitInside(size, options.maxSize);
    picture = HalftoneStretch(picture, fitted.width, fitted.height);
    out.resized = true;
  }
  out.size = {picture.Width(), picture.Height()};
  return EncodeJpegPicture(picture, options.quality, out.jpeg, error);
}

bool PrepareJpeg(std::vector<uint8_t> jpeg, const IntakeOptions& options, PreparedPicture& out, std::string& error) {
  JpegHeader header;
  if (!ReadJpegHeader(jpeg, header, error)) return false;
  if (header.cmyk) return error = "a CMYK JPEG, which the screen saver cannot show; save it as an RGB JPEG", false;
  if (!HasEndOfImage(jpeg)) return error = "a JPEG cut short: its data ends before the end of the picture", false;
  const ExifFacts facts = ReadExifFacts(jpeg);
  out.dateTaken = facts.dateTaken;
  out.orientation = facts.orientation;
  if (facts.orientation != 1) {
    std::vector<uint8_t> upright;
    if (!TransformJpeg(jpeg, TransformForOrientation(facts.orientation), upright, error)) return false;
    jpeg = std::move(upright);
    if (!ClearExifOrientation(jpeg)) RemoveExif(jpeg);
    if (!ReadJpegHeader(jpeg, header, error)) return false;
  }
  out.size = out.uprightSize = {header.width, header.height};
  if (!Exceeds(out.size, options.maxSize)) {
    out.jpeg = std::move(jpeg);
    return true;
  }
  const PictureSize fitted = FitInside(out.size, options.maxSize);
  Bitmap decoded;
  if (!DecodeJpegAtLeast(jpeg, fitted.width, fitted.height, decoded, error)) return false;
  return EncodeShrunk(std::move(decoded), options, out, error);
}

}  // namespace

PictureFormat SniffPictureFormat(const std::vector<uint8_t>& b) {
  static const uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return PictureFormat::kJpeg;
  if (b.size() >= 8 && std::memcmp(b.data(), kPng, 8) == 0) return PictureFormat::kPng;
  if (b.size() >= 12 && std::memcmp(b.data(), "RIFF", 4) == 0 && std::memcmp(b.data() + 8, "WEBP", 4) == 0)
    return PictureFormat::kWebp;
  return PictureFormat::kUnknown;
}

const char* PictureFormatName(PictureFormat format) {
  switch (format) {
    case PictureFormat::kJpeg: return "JPEG";
    case PictureFormat::kPng: return "PNG";
    case PictureFormat::kWebp: return "WebP";
    default: return "unknown";
  }
}

PictureSize FitInside(PictureSize picture, PictureSize box) {
  if (picture.width <= 0 || picture.height <= 0 || box.width <= 0 || box.height <= 0 || !Exceeds(picture, box))
    return picture;
  const double scale = std::min(double(box.width) / picture.width, double(box.height) / picture.height);
  return {std::clamp(int(std::lround(picture.width * scale)), 1, box.width),
          std::clamp(int(std::lround(picture.height * scale)), 1, box.height)};
}

bool PreparePicture(std::vector<uint8_t> bytes, const IntakeOptions& options, PreparedPicture& out, std::string& error) {
  out = PreparedPicture{};
  out.source = SniffPictureFormat(bytes);
  Bitmap decoded;
  switch (out.source) {
    case PictureFormat::kJpeg:
      return PrepareJpeg(std::move(bytes), options, out, error);
    case PictureFormat::kPng:
#ifdef SCRPACK_WITH_PNG
      if (!DecodePng(bytes, options.background, decoded, error)) return false;
      return EncodeShrunk(std::move(decoded), options, out, error);
#else
      return error = "a PNG picture, which this build of scrpack cannot read; convert it to JPEG", false;
#endif
    case PictureFormat::kWebp:
#ifdef SCRPACK_WITH_WEBP
      if (!DecodeWebp(bytes, options.background, decoded, error)) return false;
      return EncodeShrunk(std::move(decoded), options, out, error);
#else
      return error = "a WebP picture, which this build of scrpack cannot read; convert it to JPEG", false;
#endif
    default:
      return error = "not a picture scrpack reads (JPEG, PNG or WebP)", false;
  }
}

}  // namespace saverkit
