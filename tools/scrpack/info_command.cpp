// scrpack info PACKAGED_FILE: what the runtime will read from a screen saver, in design pixels.
#include <iostream>
#include <memory>
#include <string>

#include "package/xscr.h"
#include "tools/scrpack/commands.h"

namespace saverkit {
namespace {

const char* KindName(int32_t kind) {
  switch (kind) {
    case kKindPicture: return "picture";
    case kKindMovie: return "movie";
    default: return "unknown kind";
  }
}

void PrintItems(XSCR& reader) {
  for (int32_t i = 0; i < reader.ItemCount(); ++i) {
    const ItemRecord r = reader.GetItem(i);
    std::vector<uint8_t> data;
    const bool readable = reader.ReadItemData(i, data);
    std::cout << "item " << i + 1 << ": " << KindName(r.Kind) << " (" << r.Kind << "), ";
    if (readable) std::cout << data.size() << " bytes";
    else std::cout << "no readable data";
    std::cout << ", " << r.Seconds << " s, effect " << r.Effect << "/" << r.OutEffect << ", step " << r.Step << "/"
              << r.OutStep << ", delay " << r.Delay << "/" << r.OutDelay << ", "
              << (r.FixedPosition ? "fixed at " : "placed by the show, design ") << r.X << "," << r.Y << " "
              << r.Width << "x" << r.Height << (r.Overlay ? ", overlay" : "") << ", "
              << reader.Labels().Get(i)->Count() << " labels\n";
    for (int l = 0; l < reader.Labels().Get(i)->Count(); ++l) {
      const LabelRecord* label = reader.Labels().Get(i)->Get(l);
      std::cout << "  label " << l << ": \"" << label->Text() << "\" " << label->FontName << " " << label->FontSize
                << " pt at " << label->CenterX << "," << label->CenterY << "\n";
    }
  }
}

void PrintMusic(XSCR& reader) {
  for (int32_t k = 0; k < reader.MusicCount(); ++k) {
    std::vector<uint8_t> data;
    std::cout << "music " << k + 1 << ": \"" << reader.MusicName(k) << "\", suffix \"" << reader.GetMusic(k).FileSuffix
              << "\", ";
    if (reader.ReadMusicData(k, data)) std::cout << data.size() << " bytes\n";
    else std::cout << "no readable data\n";
  }
}

int RunInfo(const std::string& path) {
  ReaderEnvironment environment;
  environment.executablePath = path;  // no screen: positions stay in design pixels
  XSCR reader(environment);
  if (!reader.Packaged()) {
    std::cerr << "scrpack: " << path << " carries no saverkit package\n";
    return 1;
  }
  const InfoRecord& info = reader.Info();
  const ExtensionBlock& extension = reader.Extension();
  std::cout << "name: " << reader.Name() << "\n"
            << "description: " << info.Description << "\n"
            << "format: " << info.FormatVersion << "\n"
            << "edition: " << (info.Edition >= 32 && info.Edition < 127 ? std::string(1, char(info.Edition)) : "?")
            << " (" << int(info.Edition) << ")\n"
            << "design screen: " << info.DesignWidth << "x" << extension.DesignHeight << "\n"
            << "items: " << reader.ItemCount() << " (" << reader.OverlayCount() << " overlays)\n"
            << "music: " << reader.MusicCount() << "\n"
            << "default item: " << info.DefaultSeconds << " s, effect " << info.DefaultEffect << "/"
            << info.DefaultOutEffect << "\n"
            << "background colour: 0x" << std::hex << info.BackgroundColor << std::dec << "\n"
            << "random order: " << int(info.RandomOrder) << ", motion mode: " << int(info.MotionMode)
            << ", ignore mouse move: " << int(info.IgnoreMouseMove) << ", no saving: " << int(info.NoSaving)
            << ", hide generator page: " << int(info.HideGeneratorPage) << "\n"
            << "opacity: " << extension.Opacity << ", cursor visible: " << int(extension.CursorVisible) << "\n";
  if (info.HasAuthorInfo)
    std::cout << "author: " << reader.Author().Author << " <" << reader.Author().Email << "> "
              << reader.Author().HomePage << "\n";
  if (const Bitmap* background = reader.Background())
    std::cout << "background picture: " << background->Width() << "x" << background->Height() << "\n";
  else
    std::cout << "background picture: none\n";
  std::cout << "licence text: " << reader.LicenceText().size() << " bytes\n";
  PrintItems(reader);
  PrintMusic(reader);
  return 0;
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitCode) {
  auto path = std::make_shared<std::string>();
  CLI::App* info = app.add_subcommand("info", "Show what a screen saver's package holds");
  info->add_option("package", *path, "A screen saver written by 'scrpack build'")->required();
  info->callback([path, &exitCode] { exitCode = RunInfo(*path); });
}

}  // namespace saverkit
