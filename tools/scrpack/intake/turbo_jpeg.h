// JPEG work at pack time through libjpeg-turbo's TurboJPEG interface: the header facts, the lossless
// transforms that turn a photo upright, and the scaled decode and encode that shrink a picture.
// Every call takes untrusted bytes: failures come back as a message, never as a crash, and no
// picture larger than kMaxJpegPixels is decoded or transformed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

struct JpegHeader {
  int width = 0, height = 0;
  bool cmyk = false;  // CMYK or YCCK: the runtime's decoder cannot show those
};

// False with `error` set when the bytes are not a JPEG whose header can be read.
bool ReadJpegHeader(const std::vector<uint8_t>& jpeg, JpegHeader& header, std::string& error);

// The lossless transforms of the EXIF orientations 2 to 8; orientation 1 needs none.
enum class JpegTransform { kNone, kMirror, kRotate180, kFlip, kTranspose, kRotate90, kTransverse, kRotate270 };
JpegTransform TransformForOrientation(int exifOrientation);

// Rearranges the DCT blocks without decoding them, so no pixel changes. Edge blocks that do not
// fill a whole MCU cannot move losslessly and are trimmed (at most 15 pixels off one or two edges).
// The picture's markers (EXIF, ICC profile) are copied unchanged.
bool TransformJpeg(const std::vector<uint8_t>& jpeg, JpegTransform transform, std::vector<uint8_t>& out,
                   std::string& error);

// Decodes at the smallest of libjpeg-turbo's scaling factors (n/8) that still covers
// minWidth x minHeight, so a picture meant to shrink is never decoded at full size.
bool DecodeJpegAtLeast(const std::vector<uint8_t>& jpeg, int minWidth, int minHeight, Bitmap& out, std::string& error);

// Baseline JPEG with 4:2:0 chroma subsampling at `quality` (1..100).
bool EncodeJpegPicture(const Bitmap& picture, int quality, std::vector<uint8_t>& out, std::string& error);

}  // namespace saverkit
