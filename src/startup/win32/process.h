// What the program learns about its own process from Windows, and the working-set trim.
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
// True on the Windows NT family; false on Windows 9x.
bool IsNtPlatform();
// Asks an NT-family system to trim the working set after a form appears or an item changes;
// Windows 9x has no working sets to trim.
void TrimWorkingSet();

}  // namespace saverkit
