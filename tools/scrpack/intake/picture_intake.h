// The picture intake of scrpack: a file's bytes in (JPEG, PNG or WebP), a JPEG the runtime can show
// out, upright and no larger than asked. A JPEG that needs neither turning nor shrinking is kept
// byte for byte; turning is lossless; only shrinking and converting re-encode.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

enum class PictureFormat { kUnknown, kJpeg, kPng, kWebp };

// The format the first bytes announce, whatever the file name says.
PictureFormat SniffPictureFormat(const std::vector<uint8_t>& bytes);
const char* PictureFormatName(PictureFormat format);

struct PictureSize {
  int width = 0, height = 0;
  bool operator==(const PictureSize& o) const { return width == o.width && height == o.height; }
};

// The largest size with the picture's proportions that fits into the box; a picture that already
// fits keeps its size. Sides never drop below 1.
PictureSize FitInside(PictureSize picture, PictureSize box);

struct IntakeOptions {
  PictureSize maxSize;    // pictures larger than this are shrunk into it; 0 x 0: never
  int quality = 90;       // of every JPEG the intake encodes
  Rgb background;         // transparent parts of PNG and WebP pictures are laid over this colour
};

struct PreparedPicture {
  std::vector<uint8_t> jpeg;
  PictureSize size;             // as stored: upright, after any shrinking
  PictureSize uprightSize;      // upright, before shrinking: what the picture is laid out by
  PictureFormat source = PictureFormat::kUnknown;
  int orientation = 1;          // the EXIF orientation the picture was turned from
  bool resized = false;
  std::string dateTaken;        // EXIF "YYYY:MM:DD HH:MM:SS", or empty
  bool Converted() const { return source != PictureFormat::kJpeg; }
  bool Rotated() const { return orientation != 1; }
};

// False with a one-line reason in `error` (without the file's name, which the caller adds).
bool PreparePicture(std::vector<uint8_t> bytes, const IntakeOptions& options, PreparedPicture& out, std::string& error);

}  // namespace saverkit
