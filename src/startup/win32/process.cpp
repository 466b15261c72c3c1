#include "startup/win32/process.h"

#include <windows.h>

#include "startup/command_line.h"

namespace saverkit {

std::string OwnExecutablePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], DWORD(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return {};  // longer than any Windows path can be
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> all = SplitCommandLine(GetCommandLineA());
  all.erase(all.begin());
  return all;
}

std::string ApplicationTitle() {
  char text[256];
  const int length = LoadStringA(GetModuleHandleA(nullptr), 1, text, sizeof text);
  return length > 0 ? std::string(text, length) : std::string("saverkit");
}

}  // namespace saverkit
