// scrpack build MANIFEST --runtime RUNTIME.exe --out OUT.exe|OUT.scr [--edition E|S]
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "tools/scrpack/commands.h"
#include "tools/scrpack/manifest.h"
#include "tools/scrpack/package_writer.h"
#include "tools/scrpack/packaged_output.h"

namespace saverkit {
namespace {

struct BuildOptions {
  std::string manifest;
  std::string runtime;
  std::string out;
  std::string edition;
};

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot);
  for (char& c : ext) c = char(std::tolower(uint8_t(c)));
  return ext;
}

int RunBuild(const BuildOptions& options) {
  const std::string extension = LowerExtension(options.out);
  if (extension != ".exe" && extension != ".scr") {
    std::cerr << "scrpack: --out '" << options.out << "' must end in .exe (setup copy) or .scr (screen saver)\n";
    return 1;
  }
  try {
    PackageContents contents = LoadManifest(options.manifest);
    // The command line decides the edition, then the manifest, then the kind of output.
    if (!options.edition.empty()) contents.info.Edition = uint8_t(options.edition[0]);
    else if (contents.info.Edition == 0) contents.info.Edition = extension == ".exe" ? kEditionSetup : kEditionInstalled;
    const WrittenPackage package = WritePackage(contents);
    std::string error;
    if (!WritePackagedExecutable(options.runtime, package.bytes, options.out, error)) {
      std::cerr << "scrpack: " << error << "\n";
      return 1;
    }
    std::cout << "wrote " << options.out << ": " << contents.items.size() << " items, " << contents.music.size()
              << " music, package of " << package.bytes.size() << " bytes\n";
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "scrpack: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace

void AddBuildCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<BuildOptions>();
  CLI::App* build = app.add_subcommand("build", "Write a screen saver: a runtime with a package made from a manifest");
  build->add_option("manifest", options->manifest, "The manifest (JSON) that lists the show")->required();
  build->add_option("--runtime", options->runtime, "The saverkit runtime executable")->required();
  build->add_option("--out", options->out, "The screen saver to write, OUT.exe or OUT.scr")->required();
  build->add_option("--edition", options->edition, "E: setup copy (default for .exe), S: installed copy (default for .scr)")
      ->check(CLI::IsMember({"E", "S"}));
  build->callback([options, &exitCode] { exitCode = RunBuild(*options); });
}

}  // namespace saverkit
