// scrpack info PACKAGED_FILE [--json]: everything the runtime will read from a screen saver, in
// design pixels; --json gives the same as one JSON document for tests and other tools.
#include <iostream>
#include <memory>
#include <string>

#include "tools/scrpack/commands.h"
#include "tools/scrpack/package_report.h"

namespace saverkit {
namespace {

struct InfoOptions {
  std::string path;
  bool json = false;
};

int RunInfo(const InfoOptions& options) {
  const std::optional<nlohmann::ordered_json> report = PackageReport(options.path);
  if (!report) {
    std::cerr << "scrpack: " << options.path << " carries no saverkit package\n";
    return 1;
  }
  if (options.json) std::cout << report->dump(2) << "\n";
  else std::cout << ReportText(*report);
  return 0;
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitCode) {
  auto options = std::make_shared<InfoOptions>();
  CLI::App* info = app.add_subcommand("info", "Show everything a screen saver's package holds");
  info->add_option("package", options->path, "A screen saver written by 'scrpack build'")->required();
  info->add_flag("--json", options->json, "Print one JSON document (field names in tools/scrpack/README.md)");
  info->callback([options, &exitCode] { exitCode = RunInfo(*options); });
}

}  // namespace saverkit
