// pictrans-frame: composes one frame of a transition effect, or a contact sheet of eleven, so
// an effect can be checked by eye and by tests.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "raster/save_bitmap.h"
#include "pictrans/frame_composer.h"
#include "raster/bmp_decoder.h"
#include "raster/jpeg_codec.h"
#include "raster/stretch.h"

namespace saverkit {
namespace {

constexpr const char* kUsage =
    "usage: pictrans-frame --old OLD --new NEW --effect N (--progress P | --strip) [--step S] [--seed K]\n"
    "                      --out FRAME.bmp\n"
    "  OLD, NEW   BMP or JPEG pictures of the same size: the previous content and the new picture\n"
    "  N          effect number 0..255 (above 127 no effect)\n"
    "  P          progress 0..100; --strip writes progress 0, 10, ..., 100 side by side instead\n"
    "  S          percent per frame 1..100 (default 4); K seeds the random effects (default 1)\n";

struct Options {
  std::string oldPath, newPath, outPath;
  int effect = -1, progress = -1, step = 4;
  unsigned seed = 1;
  bool strip = false;
};

bool ParseInt(const char* text, long min, long max, long& value) {
  char* end = nullptr;
  errno = 0;
  value = std::strtol(text, &end, 10);
  return errno == 0 && end != text && *end == '\0' && value >= min && value <= max;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--strip") {
      o.strip = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    long number = 0;
    if (arg == "--old") o.oldPath = value;
    else if (arg == "--new") o.newPath = value;
    else if (arg == "--out") o.outPath = value;
    else if (arg == "--effect" && ParseInt(value, 0, 255, number)) o.effect = int(number);
    else if (arg == "--progress" && ParseInt(value, 0, 100, number)) o.progress = int(number);
    else if (arg == "--step" && ParseInt(value, 1, 100, number)) o.step = int(number);
    else if (arg == "--seed" && ParseInt(value, 0, 0x7FFFFFFF, number)) o.seed = unsigned(number);
    else return false;
  }
  return !o.oldPath.empty() && !o.newPath.empty() && !o.outPath.empty() && o.effect >= 0 &&
         (o.strip || o.progress >= 0);
}

bool LoadPicture(const std::string& path, Bitmap& out) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes, out);
  return DecodeJpeg(bytes, 0, out);
}

Bitmap Frame(const Bitmap& oldPicture, const Bitmap& newPicture, const Options& o, int progress) {
  Bitmap screen = oldPicture.Clone();
  EffectRandom random(o.seed);
  const std::function<void(const Bitmap&, Bitmap&)> noCustomDraw;
  const std::function<void(const Rect&)> ignoreInvalidation = [](const Rect&) {};
  ComposeFrame(FrameRequest{newPicture, screen, o.effect, progress, o.step, false, random, noCustomDraw,
                            ignoreInvalidation});
  return screen;
}

// Eleven frames, progress 0 to 100, in rows of four with a grey gap.
Bitmap ContactSheet(const Bitmap& oldPicture, const Bitmap& newPicture, const Options& o) {
  constexpr int kColumns = 4, kRows = 3, kGap = 4;
  const int w = oldPicture.Width(), h = oldPicture.Height();
  Bitmap sheet(kColumns * w + (kColumns + 1) * kGap, kRows * h + (kRows + 1) * kGap, Rgb{128, 128, 128});
  for (int k = 0; k <= 10; ++k) {
    const Bitmap frame = Frame(oldPicture, newPicture, o, k * 10);
    DrawBitmap(frame, kGap + (k % kColumns) * (w + kGap), kGap + (k / kColumns) * (h + kGap), sheet);
  }
  return sheet;
}

int Run(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, o)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  Bitmap oldPicture, newPicture;
  if (!LoadPicture(o.oldPath, oldPicture)) {
    std::fprintf(stderr, "pictrans-frame: cannot read the picture %s\n", o.oldPath.c_str());
    return 1;
  }
  if (!LoadPicture(o.newPath, newPicture)) {
    std::fprintf(stderr, "pictrans-frame: cannot read the picture %s\n", o.newPath.c_str());
    return 1;
  }
  if (oldPicture.Width() != newPicture.Width() || oldPicture.Height() != newPicture.Height()) {
    std::fputs("pictrans-frame: the two pictures differ in size\n", stderr);
    return 1;
  }
  const Bitmap result = o.strip ? ContactSheet(oldPicture, newPicture, o) : Frame(oldPicture, newPicture, o, o.progress);
  if (result.Empty()) {
    std::fputs("pictrans-frame: the contact sheet would be too large\n", stderr);
    return 1;
  }
  if (!SaveBitmapAs(result, o.outPath, 100)) {
    std::fprintf(stderr, "pictrans-frame: cannot write %s\n", o.outPath.c_str());
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace saverkit

int main(int argc, char** argv) { return saverkit::Run(argc, argv); }
