// The subcommands of scrpack. Each lives in its own file and adds itself to the command line
// here; its callback leaves the process's exit code in `exitCode` (0 success, 1 failure).
#pragma once

#include <CLI/CLI.hpp>

namespace saverkit {

void AddBuildCommand(CLI::App& app, int& exitCode);
void AddInitCommand(CLI::App& app, int& exitCode);
void AddInfoCommand(CLI::App& app, int& exitCode);
void AddExtractCommand(CLI::App& app, int& exitCode);

}  // namespace saverkit
