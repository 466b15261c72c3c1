#include "support/package_builder.h"

#include <algorithm>
#include <cstdlib>

#include "raster/jpeg_codec.h"

namespace saverkit::testing {

Bitmap TestPicture(int width, int height) {
  Bitmap picture(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.SetPixel(x, y, Rgb{uint8_t(x * 255 / std::max(1, width - 1)), uint8_t(y * 255 / std::max(1, height - 1)),
                                 uint8_t(std::abs(x - y) < 3 ? 255 : 40)});
  return picture;
}

std::vector<uint8_t> TestJpeg(int width, int height, int quality) {
  return EncodeJpeg(TestPicture(width, height), quality);
}

std::vector<uint8_t> PatternBytes(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(seed + i * 7 + (i >> 8));
  return bytes;
}

PackageContents FullContents(int32_t format) {
  PackageContents contents;
  contents.name = "  Harbour Lights\t";
  contents.info.FormatVersion = format;
  contents.info.DesignWidth = 800;
  contents.info.DefaultSeconds = 7;
  contents.info.DefaultStep = 4;
  contents.info.DefaultDelay = 20;
  contents.info.DefaultOutStep = 5;
  contents.info.DefaultOutDelay = 30;
  contents.info.DefaultEffect = 12;
  contents.info.DefaultOutEffect = 13;
  contents.info.BackgroundColor = 0x00112233;
  contents.info.RandomOrder = 1;
  contents.info.NoSaving = 1;
  contents.info.MotionMode = 3;
  contents.info.IgnoreMouseMove = 1;
  contents.info.HideGeneratorPage = 1;
  contents.info.Edition = kEditionSetup;
  contents.info.Description = "Lights over the water at night";
  contents.writeAuthor = true;
  contents.author = AuthorBlock{"Ada Painter", "ada@example.org", "http://example.org/lights"};
  contents.extension.DesignHeight = 600;
  contents.extension.Opacity = 80;
  contents.extension.CursorVisible = 1;

  PackageItem first;
  first.record.Seconds = 5;
  first.record.Effect = 3;
  first.record.Step = 8;
  first.record.Delay = 15;
  first.record.OutEffect = -2;
  first.record.OutStep = 6;
  first.record.OutDelay = 25;
  first.record.FixedPosition = 1;
  first.record.X = 100;
  first.record.Y = 50;
  first.record.Width = 200;
  first.record.Height = 100;
  first.data = TestJpeg(64, 48);
  LabelRecord label;
  label.FontName = "Tahoma";
  label.FontSize = 20;
  label.FontStyle = LabelRecord::kBold | LabelRecord::kItalic;
  label.FontColor = 0x0000FF;
  label.CenterX = 400;
  label.CenterY = 300;
  label.SetText("Night");
  first.labels.Add(label);
  label.SetText("Harbour");
  label.Transparent = 1;
  first.labels.Add(label);

  PackageItem second;
  second.record.Seconds = 3;
  second.record.Overlay = 1;
  second.data = TestJpeg(40, 30);

  PackageItem movie;
  movie.record.Kind = kKindMovie;
  movie.record.Seconds = -4;
  movie.data = PatternBytes(1000, 7);

  PackageItem unknown;
  unknown.record.Kind = 7;
  unknown.data = PatternBytes(16, 1);

  contents.items = {first, second, movie, unknown};

  PackageMusic tune;
  tune.record.FileSuffix = ".mp3";
  tune.data = PatternBytes(777, 3);
  tune.name = "Evening Tide";
  PackageMusic midi;
  midi.record.FileSuffix = ".mid";
  midi.record.ResourceName = "TUNE2";
  midi.data = PatternBytes(7, 9);
  midi.name = "Lullaby";
  contents.music = {tune, midi};

  contents.dynamicTexts = "First\r\nSecond";
  contents.staticTexts = "[FS_0]\r\nS_1=Next";
  contents.background = TestJpeg(32, 24);
  contents.licence = "You may share this screen saver.";
  return contents;
}

}  // namespace saverkit::testing
