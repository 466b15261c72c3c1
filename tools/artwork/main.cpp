// Draws the runtime's own artwork: the skinned frame's pictures, the generator icon and the
// movie picture, and stores the built-in interface texts (src/app/texts) complemented as the
// package stores its texts. Its output is committed in src/app/artwork/ (the Windows builds
// cannot run a native tool); run it again after changing a picture here or a text there:
//   build/native/tools/artwork/make-artwork src/app
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "package/complement.h"
#include "raster/save_bitmap.h"
#include "package/movie_picture.h"
#include "raster/bitmap.h"
#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

constexpr int kCaptionHeight = 49;

struct Palette {
  Rgb top, bottom, highlight, shadow;
};
const Palette kActive = {{58, 84, 112}, {22, 34, 47}, {94, 124, 156}, {11, 18, 26}};
const Palette kInactive = {{138, 144, 150}, {92, 98, 104}, {168, 174, 180}, {65, 70, 75}};
const Rgb kOuter{11, 18, 26};
const Rgb kBorder{34, 50, 74};
const Rgb kBorderLight{58, 84, 112};
const Rgb kInner{15, 24, 34};

Rgb Mix(Rgb a, Rgb b, int step, int steps) {
  auto channel = [&](uint8_t x, uint8_t y) { return uint8_t(x + (int(y) - int(x)) * step / steps); };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// A caption-bar piece: the vertical gradient with a highlight on top and a shadow at the
// bottom; `leftEdge` / `rightEdge` add the frame's outer line on that side.
Bitmap CaptionPiece(int width, const Palette& p, bool leftEdge, bool rightEdge) {
  Bitmap piece(width, kCaptionHeight);
  for (int y = 0; y < kCaptionHeight; ++y) {
    Rgb row = Mix(p.top, p.bottom, y, kCaptionHeight - 1);
    if (y == 1) row = p.highlight;
    if (y == 0 || y == kCaptionHeight - 1) row = p.shadow;
    for (int x = 0; x < width; ++x) piece.SetPixel(x, y, row);
  }
  for (int y = 0; y < kCaptionHeight; ++y) {
    if (leftEdge) {
      piece.SetPixel(0, y, kOuter);
      if (y > 0 && y < kCaptionHeight - 1) piece.SetPixel(1, y, p.highlight);
    }
    if (rightEdge) piece.SetPixel(width - 1, y, kOuter);
  }
  return piece;
}

// The close button: a rounded square with an X of two-pixel strokes.
Bitmap CloseButton(Rgb face, Rgb edge, Rgb cross, const Palette& behind) {
  constexpr int kWidth = 17, kHeight = 19;
  Bitmap button(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      // The caption bar shows through the corners: the button sits at the bar's top 5.
      const Rgb bar = Mix(behind.top, behind.bottom, y + 5, kCaptionHeight - 1);
      const bool corner = (x == 0 || x == kWidth - 1) && (y == 0 || y == kHeight - 1);
      const bool rim = x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1;
      button.SetPixel(x, y, corner ? bar : rim ? edge : face);
    }
  }
  for (int i = 0; i < 7; ++i) {
    const int x = 5 + i, y = 6 + i;
    for (int d = 0; d < 2; ++d) {
      button.SetPixel(x + d, y, cross);
      button.SetPixel(kWidth - 1 - x - d, y, cross);
    }
  }
  return button;
}

// A border piece across its thickness: outer line, light line, body, inner line; `horizontal`
// lays the layers out from bottom (outer) to top (inner), else from the given outer side.
Bitmap BorderPiece(int width, int height, bool outerOnLeft, bool horizontal) {
  Bitmap piece(width, height);
  const int thickness = horizontal ? height : width;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int fromOuter = horizontal ? height - 1 - y : (outerOnLeft ? x : width - 1 - x);
      const Rgb colour = fromOuter == 0 ? kOuter : fromOuter == 1 ? kBorderLight
                         : fromOuter == thickness - 1 ? kInner : kBorder;
      piece.SetPixel(x, y, colour);
    }
  }
  return piece;
}

// A bottom corner: the bottom border with the side border's outer lines.
Bitmap BottomCorner(int width, bool outerOnLeft) {
  Bitmap corner = BorderPiece(width, 12, outerOnLeft, true);
  const Bitmap side = BorderPiece(width, 12, outerOnLeft, false);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < width; ++x) {
      const int fromSide = outerOnLeft ? x : width - 1 - x;
      if (fromSide < 2 && y < 11) corner.SetPixel(x, y, side.Pixel(x, y));
    }
  }
  return corner;
}

// The generator's 32 x 32 icon: a blue tile with a white picture frame and a small sun.
std::vector<uint8_t> GeneratorIcon() {
  constexpr int kSize = 32;
  Bitmap art(kSize, kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      Rgb colour = Mix({40, 110, 200}, {20, 50, 120}, y, kSize - 1);
      const bool frame = x >= 5 && x <= 26 && y >= 7 && y <= 24 && (x <= 6 || x >= 25 || y <= 8 || y >= 23);
      const int dx = x - 20, dy = y - 13;
      if (frame) colour = {250, 250, 250};
      if (dx * dx + dy * dy <= 9) colour = {255, 210, 60};
      if (y >= 18 && y <= 22 && x >= 7 && x <= 24 && y - 18 >= (x > 15 ? x - 15 : 15 - x) / 2) colour = {60, 170, 90};
      art.SetPixel(x, y, colour);
    }
  }
  // ICO: directory, one 32-bit image (XOR rows bottom-up, then an all-clear AND mask).
  std::vector<uint8_t> ico;
  auto put16 = [&](uint16_t v) { ico.push_back(uint8_t(v)); ico.push_back(uint8_t(v >> 8)); };
  auto put32 = [&](uint32_t v) { put16(uint16_t(v)); put16(uint16_t(v >> 16)); };
  const uint32_t imageSize = 40 + kSize * kSize * 4 + kSize * 4;
  put16(0); put16(1); put16(1);
  ico.push_back(kSize); ico.push_back(kSize); ico.push_back(0); ico.push_back(0);
  put16(1); put16(32); put32(imageSize); put32(6 + 16);
  put32(40); put32(kSize); put32(kSize * 2); put16(1); put16(32); put32(0); put32(kSize * kSize * 4);
  put32(0); put32(0); put32(0); put32(0);
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; ++x) {
      const bool corner = (x < 2 || x > kSize - 3) && (y < 2 || y > kSize - 3);
      const Rgb c = art.Pixel(x, y);
      ico.push_back(c.b); ico.push_back(c.g); ico.push_back(c.r); ico.push_back(corner ? 0 : 255);
    }
  }
  ico.insert(ico.end(), size_t(kSize) * 4, 0);
  return ico;
}

bool Read(const std::string& path, std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  bytes.clear();
  uint8_t buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
  std::fclose(file);
  return true;
}

std::vector<uint8_t> ComplementedText(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!Read(path, bytes)) return {};
  Complement(bytes);
  return bytes;
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

int Run(const std::string& appFolder) {
  const std::string folder = appFolder + "/artwork";
  constexpr int kJpegQuality = 95;
  const Rgb closeFace{228, 232, 236}, closeEdge{140, 152, 164}, closeCross{42, 52, 64};
  const Rgb litFace{232, 85, 63}, litEdge{168, 50, 31}, litCross{255, 255, 255};
  struct Output {
    const char* file;
    std::vector<uint8_t> bytes;
  };
  const Output outputs[] = {
      {"XTOP_0.jpg", EncodeJpeg(CaptionPiece(81, kActive, true, false), kJpegQuality)},
      {"XTOP_1.jpg", EncodeJpeg(CaptionPiece(94, kActive, false, true), kJpegQuality)},
      {"XTOP_2.jpg", EncodeJpeg(CaptionPiece(81, kInactive, true, false), kJpegQuality)},
      {"XTOP_3.jpg", EncodeJpeg(CaptionPiece(94, kInactive, false, true), kJpegQuality)},
      {"XRKIMG_4.bmp", EncodeBmp(CaptionPiece(8, kActive, false, false))},
      {"XRKIMG_5.bmp", EncodeBmp(CaptionPiece(8, kInactive, false, false))},
      {"XRKIMG_6.bmp", EncodeBmp(BorderPiece(10, 8, true, false))},
      {"XRKIMG_7.bmp", EncodeBmp(BorderPiece(13, 8, false, false))},
      {"XRKIMG_8.bmp", EncodeBmp(BottomCorner(10, true))},
      {"XRKIMG_9.bmp", EncodeBmp(BorderPiece(8, 12, true, true))},
      {"XRKIMG_10.bmp", EncodeBmp(BottomCorner(13, false))},
      {"XRKIMG_11.bmp", EncodeBmp(CloseButton(closeFace, closeEdge, closeCross, kActive))},
      {"XRKIMG_12.bmp", EncodeBmp(CloseButton(litFace, litEdge, litCross, kActive))},
      {"QELICON.ico", GeneratorIcon()},
      {"XJPEGXFLASH.jpg", EncodeJpeg(DrawnMoviePicture(), kJpegQuality)},
      {"LNGDYNA.bin", ComplementedText(appFolder + "/texts/LNGDYNA.txt")},
      {"LNGSTATIC.bin", ComplementedText(appFolder + "/texts/LNGSTATIC.ini")},
  };
  for (const Output& output : outputs) {
    const std::string path = folder + "/" + output.file;
    if (output.bytes.empty() || !Write(path, output.bytes)) {
      std::fprintf(stderr, "make-artwork: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace saverkit

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-artwork APP_FOLDER (src/app)\n");
    return 2;
  }
  return saverkit::Run(argv[1]);
}
