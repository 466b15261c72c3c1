#include "tools/scrpack/intake/png_picture.h"

#include <png.h>

#include <cstring>

#include "raster/jpeg_codec.h"

namespace saverkit {

bool DecodePng(const std::vector<uint8_t>& png, Rgb background, Bitmap& out, std::string& error) {
  // libpng's simplified reading checks the header and every chunk's CRC; errors come back as a
  // message in the image structure, never as a longjmp through our code.
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size()))
    return error = std::string("not a PNG picture (") + image.message + ")", false;
  const uint64_t pixels = uint64_t(image.width) * image.height;
  if (pixels == 0 || pixels > kMaxJpegPixels || image.width > unsigned(Bitmap::kMaxSide) ||
      image.height > unsigned(Bitmap::kMaxSide)) {
    png_image_free(&image);
    return error = "a PNG of " + std::to_string(image.width) + " x " + std::to_string(image.height) +
                   " pixels is larger than a screen saver can show (64 megapixels)",
           false;
  }
  image.format = PNG_FORMAT_BGR;
  Bitmap picture(int(image.width), int(image.height));
  png_color backdrop{background.r, background.g, background.b};
  if (!png_image_finish_read(&image, &backdrop, picture.Data(), png_int_32(picture.Stride()), nullptr)) {
    const std::string message = image.message;
    png_image_free(&image);
    return error = "the PNG does not decode (" + message + ")", false;
  }
  out = std::move(picture);
  return true;
}

}  // namespace saverkit
