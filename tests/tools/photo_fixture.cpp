#include "photo_fixture.h"

#include <libexif/exif-data.h>
#include <png.h>
#include <webp/encode.h>

#include <cstdlib>
#include <cstring>

#include "raster/jpeg_codec.h"

namespace saverkit::testing {
namespace {

constexpr Rgb kColours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};

bool Near(Rgb a, Rgb b) { return std::abs(a.r - b.r) < 60 && std::abs(a.g - b.g) < 60 && std::abs(a.b - b.b) < 60; }

ExifEntry* NewEntry(ExifData* data, ExifIfd ifd, ExifTag tag, ExifFormat format, unsigned long components) {
  ExifEntry* entry = exif_entry_new();
  entry->tag = tag;
  entry->format = format;
  entry->components = components;
  entry->size = exif_format_get_size(format) * components;
  entry->data = static_cast<unsigned char*>(calloc(1, entry->size));
  exif_content_add_entry(data->ifd[ifd], entry);
  exif_entry_unref(entry);
  return entry;
}

}  // namespace

Bitmap Quadrants(int width, int height) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, kColours[(y >= height / 2) * 2 + (x >= width / 2)]);
  return picture;
}

bool ShowsQuadrants(const Bitmap& p) {
  const int w = p.Width(), h = p.Height();
  return w > 4 && h > 4 && Near(p.Pixel(w / 4, h / 4), kColours[0]) && Near(p.Pixel(3 * w / 4, h / 4), kColours[1]) &&
         Near(p.Pixel(w / 4, 3 * h / 4), kColours[2]) && Near(p.Pixel(3 * w / 4, 3 * h / 4), kColours[3]);
}

Bitmap TurnClockwise(const Bitmap& picture, int quarterTurns) {
  Bitmap turned = picture.Clone();
  for (int turn = 0; turn < (quarterTurns % 4 + 4) % 4; ++turn) {
    Bitmap next(turned.Height(), turned.Width());
    // A clockwise quarter turn sends (x, y) to (height - 1 - y, x).
    for (int y = 0; y < next.Height(); ++y)
      for (int x = 0; x < next.Width(); ++x) next.SetPixel(x, y, turned.Pixel(y, turned.Height() - 1 - x));
    turned = std::move(next);
  }
  return turned;
}

Bitmap StoredForOrientation(const Bitmap& upright, int orientation) {
  // The viewer turns 6 a quarter clockwise, 8 a quarter anticlockwise and 3 half round.
  switch (orientation) {
    case 3: return TurnClockwise(upright, 2);
    case 6: return TurnClockwise(upright, 3);
    case 8: return TurnClockwise(upright, 1);
    default: return upright.Clone();
  }
}

std::vector<uint8_t> JpegWithExif(const Bitmap& picture, int orientation, const std::string& date) {
  std::vector<uint8_t> jpeg = EncodeJpeg(picture, 92);
  ExifData* data = exif_data_new();
  exif_data_set_byte_order(data, EXIF_BYTE_ORDER_MOTOROLA);
  ExifEntry* entry = NewEntry(data, EXIF_IFD_0, EXIF_TAG_ORIENTATION, EXIF_FORMAT_SHORT, 1);
  exif_set_short(entry->data, EXIF_BYTE_ORDER_MOTOROLA, ExifShort(orientation));
  if (!date.empty()) {
    entry = NewEntry(data, EXIF_IFD_EXIF, EXIF_TAG_DATE_TIME_ORIGINAL, EXIF_FORMAT_ASCII, date.size() + 1);
    std::memcpy(entry->data, date.c_str(), date.size() + 1);
  }
  unsigned char* saved = nullptr;
  unsigned int size = 0;
  exif_data_save_data(data, &saved, &size);
  exif_data_unref(data);
  // The APP1 segment goes right behind the start-of-image marker, where cameras put it.
  std::vector<uint8_t> segment{0xFF, 0xE1, uint8_t((size + 2) >> 8), uint8_t((size + 2) & 0xFF)};
  segment.insert(segment.end(), saved, saved + size);
  std::free(saved);
  jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
  return jpeg;
}

namespace {

// The picture's pixels as R, G, B (and A) bytes, row after row, as the encoders take them.
std::vector<uint8_t> Interleaved(const Bitmap& picture, int channels, bool transparentTopLeft) {
  std::vector<uint8_t> bytes(size_t(picture.Width()) * picture.Height() * channels);
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) {
      const Rgb c = picture.Pixel(x, y);
      uint8_t* p = &bytes[(size_t(y) * picture.Width() + x) * channels];
      p[0] = c.r, p[1] = c.g, p[2] = c.b;
      if (channels == 4) p[3] = transparentTopLeft && x < picture.Width() / 2 && y < picture.Height() / 2 ? 0 : 255;
    }
  return bytes;
}

}  // namespace

std::vector<uint8_t> PngOf(const Bitmap& picture, bool transparentTopLeft) {
  const std::vector<uint8_t> rgba = Interleaved(picture, 4, transparentTopLeft);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.Width());
  image.height = png_uint_32(picture.Height());
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr);
  std::vector<uint8_t> png(size);
  png_image_write_to_memory(&image, png.data(), &size, 0, rgba.data(), 0, nullptr);
  png.resize(size);
  return png;
}

std::vector<uint8_t> WebpOf(const Bitmap& picture) {
  const std::vector<uint8_t> rgb = Interleaved(picture, 3, false);
  uint8_t* output = nullptr;
  const size_t size = WebPEncodeRGB(rgb.data(), picture.Width(), picture.Height(), picture.Width() * 3, 90, &output);
  std::vector<uint8_t> webp(output, output + size);
  WebPFree(output);
  return webp;
}

}  // namespace saverkit::testing
