// scrpack: writes saverkit screen savers. Subcommands register themselves from their own files.
#include <iostream>

#include "tools/scrpack/commands.h"

int main(int argc, char** argv) {
  CLI::App app{"scrpack: writes saverkit screen-saver packages"};
  app.require_subcommand(1);
  int exitCode = 0;
  saverkit::AddBuildCommand(app, exitCode);
  saverkit::AddInitCommand(app, exitCode);
  saverkit::AddInfoCommand(app, exitCode);
  saverkit::AddExtractCommand(app, exitCode);
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);  // prints the message and the usage
    return 1;
  }
  return exitCode;
}
