// scrpack init DIR [--music DIR] [--name NAME] [--caption none|file|date] [--force]: writes
// DIR/show.json, a commented starting manifest listing DIR's pictures in natural order.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "tools/scrpack/commands.h"
#include "tools/scrpack/folder_show.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

struct InitOptions {
  std::string pictures, music, name, caption = "none";
  bool force = false;
};

int RunInit(const InitOptions& options) {
  try {
    FolderShow show;
    show.pictures = fs::u8path(options.pictures);
    // "photos/" names its folder by the last part before the separator.
    const fs::path folder = fs::absolute(show.pictures).lexically_normal();
    show.name = !options.name.empty()        ? options.name
                : folder.has_filename()      ? folder.filename().u8string()
                                             : folder.parent_path().filename().u8string();
    if (show.name.empty()) show.name = "My Screen Saver";
    show.caption = options.caption;
    const FolderListing pictures = ListFolder(show.pictures, MediaKind::kPicture);
    FolderListing music;
    if (!options.music.empty()) music = ListFolder(show.music = fs::u8path(options.music), MediaKind::kMusic);
    const fs::path manifest = show.pictures / "show.json";
    std::error_code error;
    if (!options.force && fs::exists(manifest, error)) {
      std::cerr << "scrpack: " << manifest.u8string() << " exists already; give --force to replace it\n";
      return 1;
    }
    const std::string text = FolderManifestText(show, pictures, music);
    std::ofstream out(manifest, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
      std::cerr << "scrpack: cannot write " << manifest.u8string() << "\n";
      return 1;
    }
    for (const std::string& skipped : pictures.skipped) std::cout << "skipped " << skipped << "\n";
    for (const std::string& skipped : music.skipped) std::cout << "skipped " << skipped << "\n";
    std::cout << "wrote " << manifest.u8string() << ": " << pictures.files.size() << " pictures, " << music.files.size()
              << " music\n";
    return 0;
  } catch (const std::exception& e) {  // a folder that cannot be read, a file name that is not UTF-8
    std::cerr << "scrpack: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddInitCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<InitOptions>();
  CLI::App* init = app.add_subcommand("init", "Write a commented starting manifest (show.json) for a folder of pictures");
  init->add_option("folder", options->pictures, "The folder of pictures; show.json is written into it")->required();
  init->add_option("--music", options->music, "A folder of music to play");
  init->add_option("--name", options->name, "The screen saver's name (default: the folder's name)");
  init->add_option("--caption", options->caption, "none, file (the file name) or date (the EXIF date)")
      ->check(CLI::IsMember({"none", "file", "date"}));
  init->add_flag("--force", options->force, "Replace an existing show.json");
  init->callback([options, &exitCode] { exitCode = RunInit(*options); });
}

}  // namespace saverkit
