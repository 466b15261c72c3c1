// scrpack's picture intake on arbitrary bytes: format sniffing, JPEG headers and segments, EXIF
// read and rewritten by libexif, the lossless TurboJPEG transforms, PNG and WebP decoding and the
// shrinking path. The first byte picks the options: bit 0 asks for shrinking into 48 x 48, so the
// scaled decode, the area-averaging stretch and the encoder run too.
//
// Limits: the intake refuses pictures above 64 megapixels before allocating for them, so the
// ctest run's -rss_limit_mb=2048 holds a decode at that size with room to spare.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/scrpack/intake/picture_intake.h"

using namespace saverkit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  IntakeOptions options;
  if (data[0] & 1) options.maxSize = {48, 48};
  options.quality = 50 + data[0] / 8;
  PreparedPicture picture;
  std::string error;
  if (PreparePicture(std::vector<uint8_t>(data + 1, data + size), options, picture, error)) {
    // What the intake hands on must be a picture of the size it says.
    if (picture.jpeg.empty() || picture.size.width <= 0 || picture.size.height <= 0) __builtin_trap();
  } else if (error.empty()) {
    __builtin_trap();  // a refusal always says why
  }
  return 0;
}
