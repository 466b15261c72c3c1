#include "package/picture_stretch.h"

#include <cstdint>
#include <utility>

#include "raster/jpeg_codec.h"
#include "raster/stretch.h"

namespace saverkit {

bool StretchPicture(Bitmap& picture, int w, int h) {
  if (w <= 0 || h <= 0 || picture.Empty()) return true;
  if (w == picture.Width() && h == picture.Height()) return true;
  // Item sizes are package data: a picture may not grow beyond what the decoder itself would make.
  if (w > Bitmap::kMaxSide || h > Bitmap::kMaxSide || uint64_t(w) * uint64_t(h) > kMaxJpegPixels) return false;
  Bitmap stretched = HalftoneStretch(picture, w, h);
  if (stretched.Empty()) return false;
  picture = std::move(stretched);
  return true;
}

}  // namespace saverkit
