// demo-material FOLDER: writes the demo show's material, all made here: pictures of gradients,
// circles, stripes and rings in several sizes (one portrait), a background, a short melody and
// the licence text. The demo manifest (demo/show.json) names these files.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "demo/generator/painting.h"
#include "demo/generator/tone.h"
#include "raster/jpeg_codec.h"

namespace saverkit::demo {
namespace {

namespace fs = std::filesystem;

constexpr int kJpegQuality = 88;

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) std::fprintf(stderr, "demo-material: cannot write %s\n", path.string().c_str());
  return bool(out);
}

bool WriteJpeg(const fs::path& path, const Bitmap& picture) {
  const std::vector<uint8_t> jpeg = EncodeJpeg(picture, kJpegQuality);
  if (jpeg.empty()) {
    std::fprintf(stderr, "demo-material: cannot encode %s\n", path.string().c_str());
    return false;
  }
  return WriteFile(path, jpeg);
}

Bitmap HarbourAtDusk() {
  Bitmap p(1024, 768);
  FillVerticalGradient(p, Rgb{24, 32, 86}, Rgb{250, 150, 70});
  DrawCircle(p, 700, 470, 90, Rgb{255, 214, 120});
  DrawCircle(p, 700, 470, 140, Rgb{255, 190, 110}, 0.25);
  DrawWater(p, 520, Rgb{20, 40, 80});
  return p;
}

Bitmap CarnivalStripes() {
  Bitmap p(800, 600);
  const Rgb colours[] = {{230, 57, 70}, {241, 250, 238}, {69, 123, 157}, {29, 53, 87}, {244, 162, 97}};
  FillDiagonalStripes(p, 48, colours, 5);
  DrawCircle(p, 400, 300, 170, Rgb{255, 255, 255}, 0.85);
  DrawCircle(p, 400, 300, 120, Rgb{29, 53, 87});
  return p;
}

Bitmap RipplesPortrait() {
  Bitmap p(600, 900);
  FillRings(p, 300, 330, 36, Rgb{16, 90, 110}, Rgb{120, 210, 200});
  DrawCircle(p, 300, 330, 60, Rgb{250, 250, 230});
  return p;
}

Bitmap Bubbles() {
  Bitmap p(1024, 768);
  FillRadialGradient(p, 512, 384, Rgb{60, 20, 90}, Rgb{8, 4, 20});
  // A fixed sequence, so every build makes the same picture.
  uint32_t seed = 20261210;
  auto next = [&seed](int range) {
    seed = seed * 1664525u + 1013904223u;
    return int((seed >> 8) % uint32_t(range));
  };
  for (int i = 0; i < 60; ++i) {
    const Rgb colour = Mix(Rgb{255, 120, 200}, Rgb{120, 220, 255}, next(100) / 100.0);
    DrawCircle(p, next(1024), next(768), 8 + next(70), colour, 0.35 + next(50) / 100.0);
  }
  return p;
}

Bitmap MeadowBands() {
  Bitmap p(800, 600);
  FillVerticalGradient(p, Rgb{150, 210, 250}, Rgb{230, 245, 255});
  DrawCircle(p, 140, 120, 50, Rgb{255, 240, 150});
  for (int band = 0; band < 4; ++band) {
    const Rgb green = Mix(Rgb{120, 190, 80}, Rgb{30, 90, 40}, band / 3.0);
    const int base = 330 + band * 70;
    for (int x = 0; x < p.Width(); ++x) {
      const int top = base + int(28 * std::sin(x * (0.006 + band * 0.002) + band * 1.7));
      for (int y = std::max(0, top); y < p.Height(); ++y) p.SetPixel(x, y, green);
    }
  }
  return p;
}

Bitmap Backdrop() {
  Bitmap p(320, 240);
  FillVerticalGradient(p, Rgb{10, 14, 30}, Rgb{34, 40, 70});
  return p;
}

// One line per paragraph: the memos that show it wrap the lines to their own width.
const char kLicence[] =
    "saverkit Demo Show - Licence Agreement\r\n"
    "\r\n"
    "The pictures and the music of this demo show were made by a program of the saverkit project. You may install "
    "this screen saver on any number of computers, use it, and give away unchanged copies of it free of charge.\r\n"
    "\r\n"
    "The screen saver is provided as it is, without warranty of any kind. By installing it you accept that its "
    "authors are not liable for any damage that comes from its use.\r\n";

std::vector<Note> Melody() {
  // A rising and falling pentatonic phrase, about six seconds.
  const double c = 523.25, d = 587.33, e = 659.25, g = 783.99, a = 880.0;
  return {{c, 0.5}, {e, 0.5}, {g, 0.5}, {a, 0.75}, {0, 0.25}, {g, 0.5}, {e, 0.5}, {d, 0.5}, {c, 1.25}, {0, 0.5}};
}

}  // namespace

int Run(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "demo-material: cannot create %s: %s\n", folder.string().c_str(), error.message().c_str());
    return 1;
  }
  const bool ok = WriteJpeg(folder / "harbour_dusk.jpg", HarbourAtDusk()) &&
                  WriteJpeg(folder / "carnival_stripes.jpg", CarnivalStripes()) &&
                  WriteJpeg(folder / "ripples_portrait.jpg", RipplesPortrait()) &&
                  WriteJpeg(folder / "bubbles.jpg", Bubbles()) &&
                  WriteJpeg(folder / "meadow_bands.jpg", MeadowBands()) &&
                  WriteJpeg(folder / "backdrop.jpg", Backdrop()) &&
                  WriteFile(folder / "chime.wav", SynthesizeWav(Melody(), 22050)) &&
                  WriteFile(folder / "licence.txt", std::vector<uint8_t>(kLicence, kLicence + sizeof kLicence - 1));
  return ok ? 0 : 1;
}

}  // namespace saverkit::demo

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: demo-material FOLDER\n");
    return 1;
  }
  return saverkit::demo::Run(argv[1]);
}
