// What the program learns about its own process from Windows.
#pragma once

#include <string>
#include <vector>

namespace saverkit {

// The full path of the running executable.
std::string OwnExecutablePath();
// The arguments after the program name, split like the C runtime splits them.
std::vector<std::string> CommandLineArguments();
// The title of the application: string resource 1, the screen saver's default name.
std::string ApplicationTitle();

}  // namespace saverkit
