#include "raster/win32/resource_pictures.h"

#include <cstdint>
#include <vector>

#include "base/win32/resources.h"
#include "raster/bmp_decoder.h"
#include "raster/jpeg_codec.h"

namespace saverkit {

bool LoadResourceJpeg(HMODULE module, const char* name, Bitmap& picture, int scale) {
  std::vector<uint8_t> bytes;
  // The decoder checks the picture, so a damaged resource fails instead of faulting.
  return LoadResourceStream(module, name, MAKEINTRESOURCEA(10), bytes) && DecodeJpeg(bytes, scale, picture);
}

bool LoadResourceBitmap(HMODULE module, const char* name, Bitmap& picture) {
  std::vector<uint8_t> resource;
  if (!LoadResourceStream(module, name, MAKEINTRESOURCEA(2), resource) || resource.size() < 4) return false;  // RT_BITMAP
  // A bitmap resource is a bitmap file without its 14-byte file header; the pixels follow the
  // info header (no colour table at 24 and 32 bits). The header is put back for the decoder.
  const uint32_t infoSize = uint32_t(resource[0]) | uint32_t(resource[1]) << 8 | uint32_t(resource[2]) << 16 |
                            uint32_t(resource[3]) << 24;
  if (infoSize > resource.size()) return false;
  const uint32_t fileSize = uint32_t(resource.size() + 14), pixelOffset = 14 + infoSize;
  std::vector<uint8_t> file = {'B', 'M'};
  for (uint32_t value : {fileSize, 0u, pixelOffset})
    for (int shift = 0; shift < 32; shift += 8) file.push_back(uint8_t(value >> shift));
  file.insert(file.end(), resource.begin(), resource.end());
  return DecodeBmp(file, picture);
}

}  // namespace saverkit
