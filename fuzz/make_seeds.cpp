// Writes the fuzzers' seed corpora with our own package writer and JPEG encoder:
//   make_seeds PACKAGE_SEED_DIR PICTURE_SEED_DIR INTAKE_SEED_DIR
// The full package of the tests (support/package_builder.h) at each format, and an empty one;
// pictures at several sizes and qualities, each prefixed by the scale byte the picture fuzzer reads;
// for the picture intake, photos with EXIF orientations, a PNG and a WebP, each prefixed by the
// options byte the intake fuzzer reads.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#ifdef SCRPACK_WITH_PNG
#include <png.h>
#endif
#ifdef SCRPACK_WITH_WEBP
#include <webp/encode.h>
#endif

#include <cstring>

#include "raster/jpeg_codec.h"
#include "support/package_builder.h"
#include "tools/scrpack/package_writer.h"

using namespace saverkit;

namespace {

std::vector<uint8_t> Picture(int width, int height, int quality) {
  Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Rgb{uint8_t(x * 9), uint8_t(y * 5), uint8_t((x ^ y) * 3)});
  return EncodeJpeg(bitmap, quality);
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(file);
}

// A JPEG with an EXIF block as a camera writes it: a big-endian TIFF header and one IFD0 entry,
// Orientation (tag 0x0112, SHORT, one value).
std::vector<uint8_t> PhotoWithOrientation(int width, int height, int orientation) {
  std::vector<uint8_t> jpeg = Picture(width, height, 80);
  const uint8_t tiff[] = {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, uint8_t(orientation), 0, 0, 0, 0, 0, 0};
  std::vector<uint8_t> segment{0xFF, 0xE1, 0, uint8_t(2 + 6 + sizeof tiff), 'E', 'x', 'i', 'f', 0, 0};
  segment.insert(segment.end(), tiff, tiff + sizeof tiff);
  jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
  return jpeg;
}

std::vector<uint8_t> Rgb24(int width, int height) {
  std::vector<uint8_t> rgb(size_t(width) * height * 3);
  for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = uint8_t(i * 7);
  return rgb;
}

#ifdef SCRPACK_WITH_PNG
std::vector<uint8_t> PngPicture(int width, int height) {
  const std::vector<uint8_t> rgb = Rgb24(width, height);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr);
  std::vector<uint8_t> png(size);
  png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr);
  return png;
}
#endif

#ifdef SCRPACK_WITH_WEBP
std::vector<uint8_t> WebpPicture(int width, int height) {
  const std::vector<uint8_t> rgb = Rgb24(width, height);
  uint8_t* output = nullptr;
  const size_t size = WebPEncodeRGB(rgb.data(), width, height, width * 3, 70, &output);
  std::vector<uint8_t> webp(output, output + size);
  WebPFree(output);
  return webp;
}
#endif

bool SaveIntakeSeed(const std::string& path, uint8_t options, const std::vector<uint8_t>& picture) {
  std::vector<uint8_t> seed{options};
  seed.insert(seed.end(), picture.begin(), picture.end());
  return Save(path, seed);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_seeds PACKAGE_SEED_DIR PICTURE_SEED_DIR INTAKE_SEED_DIR\n");
    return 1;
  }
  const std::string packages = argv[1], pictures = argv[2], intake = argv[3];
  bool ok = true;
  for (int format : {3, 4, 5}) {
    PackageContents contents = testing::FullContents(format);
    contents.writeAuthor = format >= 4;  // the oldest format also seen without an author block
    ok &= Save(packages + "/format" + std::to_string(format), WritePackage(contents).bytes);
  }
  PackageContents empty;
  ok &= Save(packages + "/empty", WritePackage(empty).bytes);

  const struct {
    int width, height, quality;
  } sizes[] = {{8, 8, 50}, {33, 17, 90}, {64, 48, 20}};
  int scale = 0;
  for (const auto& s : sizes) {
    std::vector<uint8_t> seed{uint8_t(scale++ % 4)};
    const std::vector<uint8_t> jpeg = Picture(s.width, s.height, s.quality);
    seed.insert(seed.end(), jpeg.begin(), jpeg.end());
    ok &= Save(pictures + "/picture" + std::to_string(s.width) + "x" + std::to_string(s.height), seed);
  }

  for (int orientation : {1, 3, 6, 8})
    ok &= SaveIntakeSeed(intake + "/photo_orientation" + std::to_string(orientation), uint8_t(orientation & 1),
                         PhotoWithOrientation(40, 24, orientation));
  ok &= SaveIntakeSeed(intake + "/large_photo", 1, Picture(200, 120, 70));
#ifdef SCRPACK_WITH_PNG
  ok &= SaveIntakeSeed(intake + "/drawing.png", 0, PngPicture(24, 16));
#endif
#ifdef SCRPACK_WITH_WEBP
  ok &= SaveIntakeSeed(intake + "/drawing.webp", 1, WebpPicture(24, 16));
#endif
  return ok ? 0 : 1;
}
