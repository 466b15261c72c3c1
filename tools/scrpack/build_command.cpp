// scrpack build MANIFEST --runtime RUNTIME.exe --out OUT.exe|OUT.scr [--edition E|S]
// scrpack build --pictures DIR [--music DIR] --name NAME --runtime RUNTIME.exe --out OUT.scr
// Both take --max-size W[xH], --quality Q and --skip-bad; a summary closes the run.
#include <unistd.h>

#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "tools/scrpack/commands.h"
#include "tools/scrpack/folder_show.h"
#include "tools/scrpack/manifest.h"
#include "tools/scrpack/package_writer.h"
#include "tools/scrpack/packaged_output.h"

namespace saverkit {
namespace {

struct BuildOptions {
  std::string manifest;
  std::string pictures, music, name, caption = "none";
  std::string runtime;
  std::string out;
  std::string edition;
  std::string maxSize;
  int quality = 0;
  bool skipBad = false;
};

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  for (char& c : ext) c = char(std::tolower(uint8_t(c)));
  return ext;
}

// The manifest `scrpack init` would write for the folders, packed as it stands.
PackageContents PackFolderShow(const BuildOptions& options, const PackOptions& pack, PackReport& report,
                               PackageWriter& writer) {
  FolderShow show;
  show.name = options.name;
  show.pictures = std::filesystem::u8path(options.pictures);
  show.caption = options.caption;
  const FolderListing pictures = ListFolder(show.pictures, MediaKind::kPicture);
  FolderListing music;
  if (!options.music.empty()) {
    show.music = std::filesystem::u8path(options.music);
    music = ListFolder(show.music, MediaKind::kMusic);
  }
  for (const std::string& skipped : pictures.skipped) std::cerr << "scrpack: skipped " << skipped << "\n";
  for (const std::string& skipped : music.skipped) std::cerr << "scrpack: skipped " << skipped << "\n";
  if (pictures.files.empty()) throw ManifestError(options.pictures + ": holds no JPEG, PNG or WebP picture");
  const nlohmann::json manifest = nlohmann::json::parse(FolderManifestText(show, pictures, music), nullptr, true, true);
  return PackManifestJson(manifest, options.pictures, options.pictures, pack, report, writer);
}

void PrintList(const char* what, const std::vector<std::string>& names) {
  if (names.empty()) return;
  std::cout << "  " << what << " (" << names.size() << "):";
  for (const std::string& name : names) std::cout << " " << name;
  std::cout << "\n";
}

void PrintSummary(const std::string& out, const PackageWriter& package, const PackReport& report) {
  std::cout << "wrote " << out << ": " << package.ItemCount() << " items, " << package.MusicCount()
            << " music, package of " << package.Size() << " bytes\n";
  PrintList("rotated upright", report.rotated);
  PrintList("resized", report.resized);
  PrintList("converted to JPEG", report.converted);
  PrintList("skipped", report.skipped);
}

int RunBuild(const BuildOptions& options) {
  const std::string extension = LowerExtension(options.out);
  if (extension != ".exe" && extension != ".scr") {
    std::cerr << "scrpack: --out '" << options.out << "' must end in .exe (setup copy) or .scr (screen saver)\n";
    return 1;
  }
  if (options.manifest.empty() == options.pictures.empty()) {
    std::cerr << "scrpack: give either a manifest or --pictures DIR\n";
    return 1;
  }
  if (!options.pictures.empty() && options.name.empty()) {
    std::cerr << "scrpack: --pictures needs --name, the screen saver's name\n";
    return 1;
  }
  PackOptions pack;
  if (!options.maxSize.empty() && !(pack.maxSize = ParseMaxSize(options.maxSize))) {
    std::cerr << "scrpack: --max-size '" << options.maxSize << "' must be WIDTHxHEIGHT, a longest side, or none\n";
    return 1;
  }
  if (options.quality) pack.quality = options.quality;
  pack.skipBad = options.skipBad;
  pack.progress = &std::cerr;
  pack.progressIsTerminal = isatty(STDERR_FILENO) != 0;
  try {
    // Each item goes into the output the moment it is read; a failure on the way leaves the
    // output as it was.
    PackagedOutput output(options.runtime, options.out);
    PackageWriter package(output);
    PackReport report;
    PackageContents contents = options.pictures.empty() ? PackManifest(options.manifest, pack, report, package)
                                                        : PackFolderShow(options, pack, report, package);
    for (const std::string& skipped : report.skipped) std::cerr << "scrpack: warning: skipped " << skipped << "\n";
    // The command line decides the edition, then the manifest, then the kind of output.
    if (!options.edition.empty()) contents.info.Edition = uint8_t(options.edition[0]);
    else if (contents.info.Edition == 0) contents.info.Edition = extension == ".exe" ? kEditionSetup : kEditionInstalled;
    package.Finish(contents);
    output.Commit();
    PrintSummary(options.out, package, report);
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "scrpack: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddBuildCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<BuildOptions>();
  CLI::App* build = app.add_subcommand("build", "Write a screen saver: a runtime with a package made from a manifest or a folder");
  build->add_option("manifest", options->manifest, "The manifest (JSON) that lists the show");
  build->add_option("--pictures", options->pictures, "A folder of pictures to show in natural order, instead of a manifest");
  build->add_option("--music", options->music, "With --pictures: a folder of music to play");
  build->add_option("--name", options->name, "With --pictures: the screen saver's name");
  build->add_option("--caption", options->caption, "With --pictures: none, file (the file name) or date (the EXIF date)")
      ->check(CLI::IsMember({"none", "file", "date"}));
  build->add_option("--runtime", options->runtime, "The saverkit runtime executable")->required();
  build->add_option("--out", options->out, "The screen saver to write, OUT.exe or OUT.scr")->required();
  build->add_option("--edition", options->edition, "E: setup copy (default for .exe), S: installed copy (default for .scr)")
      ->check(CLI::IsMember({"E", "S"}));
  build->add_option("--max-size", options->maxSize, "Shrink larger pictures into W[xH] (default: twice the design screen; none: never)");
  build->add_option("--quality", options->quality, "JPEG quality of shrunk and converted pictures (default 90)")
      ->check(CLI::Range(1, 100));
  build->add_flag("--skip-bad", options->skipBad, "Leave out pictures that cannot be read, with a warning, instead of failing");
  build->callback([options, &exitCode] { exitCode = RunBuild(*options); });
}

}  // namespace saverkit
