#include "setup/install_names.h"

#include <cstring>

namespace saverkit {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool FitsFileName(char c) {
  return static_cast<unsigned char>(c) >= ' ' && std::strchr("\\/:*?\"<>|", c) == nullptr;
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string FileNamePart(const std::string& text) {
  std::string name;
  for (char c : text)
    if (FitsFileName(c)) name += c;
  // "." and ".." name folders, not files.
  if (name.find_first_not_of('.') == std::string::npos) return {};
  return name;
}

std::string UninstallKeyPath(const std::string& fileName) {
  const std::string name = FileNamePart(fileName);
  if (name.empty()) return {};
  return kUninstallKeyRoot + name;
}

std::string ShortcutPath(const std::string& desktopFolder, const std::string& screenSaverName) {
  const std::string name = FileNamePart(TrimBlanks(screenSaverName));
  if (desktopFolder.empty() || name.empty()) return {};
  return WithBackslash(desktopFolder) + name + kShortcutExtension;
}

std::string WithBackslash(const std::string& folder) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder;
  return folder + '\\';
}

std::string FileNameWithoutExtension(const std::string& path) {
  const size_t separator = path.find_last_of("\\/");
  std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string UninstallCommand(const std::string& installedFile) {
  return '"' + installedFile + '"' + kUninstallSwitch;
}

}  // namespace saverkit
