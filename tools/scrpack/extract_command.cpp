// scrpack extract PACKAGED_FILE OUTDIR [--no-pictures] [--no-music]: exports a screen saver's
// pictures (re-encoded as JPEG), movies and music the way its configuration dialog does.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>

#include "package/xscr.h"
#include "tools/scrpack/commands.h"

namespace saverkit {

namespace {

struct ExtractOptions {
  std::string package;
  std::string outDirectory;
  bool noPictures = false;
  bool noMusic = false;
};

int RunExtract(const ExtractOptions& options) {
  ReaderEnvironment environment;
  environment.executablePath = options.package;
  std::error_code error;
  environment.tempDirectory = std::filesystem::temp_directory_path(error).string();
  if (error) {
    std::cerr << "scrpack: no temporary folder for the movies and music: " << error.message() << "\n";
    return 1;
  }
  XSCR reader(environment);  // its temporary copies go when it does
  if (!reader.Packaged()) {
    std::cerr << "scrpack: " << options.package << " carries no saverkit package\n";
    return 1;
  }
  std::filesystem::create_directories(options.outDirectory, error);
  if (error) {
    std::cerr << "scrpack: cannot create " << options.outDirectory << ": " << error.message() << "\n";
    return 1;
  }
  if (!reader.SaveAll(options.outDirectory, !options.noPictures, !options.noMusic)) {
    std::cerr << "scrpack: the export into " << options.outDirectory
              << " stopped at an item that could not be read, decoded or written\n";
    return 1;
  }
  std::cout << "extracted " << (options.noPictures ? 0 : reader.ItemCount()) << " items and "
            << (options.noMusic ? 0 : reader.MusicCount()) << " music into " << options.outDirectory << "\n";
  return 0;
}

}  // namespace

void AddExtractCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<ExtractOptions>();
  CLI::App* extract = app.add_subcommand("extract", "Export a screen saver's pictures, movies and music");
  extract->add_option("package", options->package, "A screen saver written by 'scrpack build'")->required();
  extract->add_option("outdir", options->outDirectory, "The folder to write into (created when missing)")->required();
  extract->add_flag("--no-pictures", options->noPictures, "Leave out the pictures, the background and the movies");
  extract->add_flag("--no-music", options->noMusic, "Leave out the music");
  extract->callback([options, &exitCode] { exitCode = RunExtract(*options); });
}

}  // namespace saverkit
