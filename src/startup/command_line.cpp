#include "startup/command_line.h"

namespace saverkit {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes only group, backslashes are taken as they are.
size_t TakeProgramName(const std::string& line, std::string& name) {
  size_t i = 0;
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    if (line[i] == '"')
      quoted = !quoted;
    else
      name += line[i];
    ++i;
  }
  return i;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> args(1);
  size_t i = TakeProgramName(line, args[0]);
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string arg;
    bool quoted = false;
    while (i < line.size()) {
      size_t slashes = 0;
      while (i < line.size() && line[i] == '\\') ++slashes, ++i;
      bool literal = true;
      if (i < line.size() && line[i] == '"') {
        if (slashes % 2 == 0) {
          if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
            ++i;  // "" inside quotes: one literal quote, quoting goes on
          } else {
            literal = false;
            quoted = !quoted;
          }
        }
        slashes /= 2;
      }
      arg.append(slashes, '\\');
      if (i >= line.size() || (!quoted && IsBlank(line[i]))) break;
      if (literal) arg += line[i];
      ++i;
    }
    args.push_back(arg);
  }
  return args;
}

}  // namespace saverkit
