// Writes the fuzzers' seed corpora with our own package writer and JPEG encoder:
//   make_seeds PACKAGE_SEED_DIR PICTURE_SEED_DIR
// Packages of each format with every kind of item, labels, music names, background and licence;
// pictures at several sizes and qualities, each prefixed by the scale byte the picture fuzzer reads.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "raster/jpeg_codec.h"
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

PackageContents Contents(int format) {
  PackageContents contents;
  contents.name = "Seed";
  contents.info.FormatVersion = format;
  contents.info.DesignWidth = 800;
  contents.extension.DesignHeight = 600;
  contents.writeAuthor = format >= 4;
  contents.author.Author = "Seed Author";

  PackageItem picture;
  picture.record.X = 10;
  picture.record.Width = 40;
  picture.record.Height = 30;
  picture.data = Picture(40, 30, 75);
  LabelRecord label;
  label.FontName = "Arial";
  label.FontSize = 12;
  label.SetText("caption");
  picture.labels.Add(label);
  PackageItem movie;
  movie.record.Kind = kKindMovie;
  movie.data = {'F', 'W', 'S', 9, 40, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
  contents.items = {picture, movie};

  PackageMusic music;
  music.record.FileSuffix = ".mp3";
  music.data = std::vector<uint8_t>(40, 0x55);
  music.name = "Tune";
  contents.music = {music};
  contents.dynamicTexts = "One\r\nTwo";
  contents.background = Picture(16, 16, 60);
  contents.licence = "Licence";
  return contents;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_seeds PACKAGE_SEED_DIR PICTURE_SEED_DIR\n");
    return 1;
  }
  const std::string packages = argv[1], pictures = argv[2];
  bool ok = true;
  for (int format : {3, 4, 5}) ok &= Save(packages + "/format" + std::to_string(format), WritePackage(Contents(format)).bytes);
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
  return ok ? 0 : 1;
}
