#include "raster/save_bitmap.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "base/files.h"
#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

std::string LowerExtension(const std::string& fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string extension = fileName.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return extension;
}

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = uint8_t(v);
  out[at + 1] = uint8_t(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Bitmap& picture) {
  if (picture.Empty()) return {};
  const size_t imageSize = picture.Stride() * size_t(picture.Height());
  const size_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<uint8_t> out(offset + imageSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, uint32_t(out.size()));
  Put32(out, 10, uint32_t(offset));
  Put32(out, 14, uint32_t(kInfoHeaderSize));
  Put32(out, 18, uint32_t(picture.Width()));
  Put32(out, 22, uint32_t(picture.Height()));  // positive: rows stored bottom-up
  Put16(out, 26, 1);
  Put16(out, 28, 24);
  Put32(out, 34, uint32_t(imageSize));
  Put32(out, 38, 2835);  // 72 dots per inch
  Put32(out, 42, 2835);
  for (int y = 0; y < picture.Height(); ++y)
    std::memcpy(out.data() + offset + size_t(picture.Height() - 1 - y) * picture.Stride(), picture.Row(y),
                picture.Stride());
  return out;
}

bool SaveBitmapAs(const Bitmap& picture, const std::string& fileName, int quality) {
  const std::string extension = LowerExtension(fileName);
  std::vector<uint8_t> bytes;
  if (extension == ".bmp")
    bytes = EncodeBmp(picture);
  else if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe")
    bytes = EncodeJpeg(picture, std::clamp(quality, 1, 100));
  else
    return false;
  return !bytes.empty() && WriteWholeFile(fileName, bytes);
}

}  // namespace saverkit
