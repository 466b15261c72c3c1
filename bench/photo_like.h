// What the benchmarks decode and pack: something like a photograph, and writing it to a file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace saverkit {

// Smooth gradients, a few soft-edged discs and a little sensor noise. (Pure noise would make
// entropy decoding the whole cost at every scale; a flat fill, nothing.)
inline Bitmap PhotoLikePicture(int width, int height) {
  Bitmap picture(width, height);
  uint32_t noise = 12345;
  const struct {
    int x, y, r;
    uint8_t b, g, red;
  } discs[] = {{width / 4, height * 3 / 10, width / 8, 40, 160, 230},
               {width * 7 / 10, height * 3 / 5, width / 5, 200, 90, 30},
               {width * 33 / 40, height / 5, width * 3 / 40, 250, 250, 250}};
  for (int y = 0; y < height; ++y) {
    uint8_t* row = picture.Row(y);
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const int grain = int(noise >> 29);  // 0..7
      int b = 60 + x * 120 / width + grain, g = 40 + y * 150 / height + grain, r = 90 + grain;
      for (const auto& d : discs) {
        const int dx = x - d.x, dy = y - d.y;
        if (dx * dx + dy * dy < d.r * d.r) {
          b = (b + d.b) / 2;
          g = (g + d.g) / 2;
          r = (r + d.red) / 2;
        }
      }
      row[x * 3] = uint8_t(std::min(b, 255));
      row[x * 3 + 1] = uint8_t(std::min(g, 255));
      row[x * 3 + 2] = uint8_t(std::min(r, 255));
    }
  }
  return picture;
}

inline void Save(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace saverkit
