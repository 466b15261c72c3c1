#include "tools/scrpack/intake/webp_picture.h"

#include <webp/decode.h>


#include "raster/jpeg_codec.h"

namespace saverkit {

bool DecodeWebp(const std::vector<uint8_t>& webp, Rgb background, Bitmap& out, std::string& error) {
  WebPBitstreamFeatures features;
  if (WebPGetFeatures(webp.data(), webp.size(), &features) != VP8_STATUS_OK) return error = "not a WebP picture", false;
  if (features.has_animation) return error = "an animated WebP cannot be packed; save one frame of it", false;
  const uint64_t pixels = uint64_t(features.width) * uint64_t(features.height);
  if (features.width <= 0 || features.height <= 0 || pixels > kMaxJpegPixels)
    return error = "a WebP of " + std::to_string(features.width) + " x " + std::to_string(features.height) +
                   " pixels is larger than a screen saver can show (64 megapixels)",
           false;
  const int width = features.width, height = features.height;
  std::vector<uint8_t> bgra(size_t(pixels) * 4);
  if (!WebPDecodeBGRAInto(webp.data(), webp.size(), bgra.data(), bgra.size(), width * 4))
    return error = "the WebP does not decode", false;
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y) {
    const uint8_t* from = bgra.data() + size_t(y) * size_t(width) * 4;
    uint8_t* to = picture.Row(y);
    for (int x = 0; x < width; ++x, from += 4, to += 3) {
      const int alpha = from[3];
      to[0] = uint8_t((from[0] * alpha + background.b * (255 - alpha) + 127) / 255);
      to[1] = uint8_t((from[1] * alpha + background.g * (255 - alpha) + 127) / 255);
      to[2] = uint8_t((from[2] * alpha + background.r * (255 - alpha) + 127) / 255);
    }
  }
  out = std::move(picture);
  return true;
}

}  // namespace saverkit
