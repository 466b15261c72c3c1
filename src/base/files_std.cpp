// The file-system queries of files.h through std::filesystem, for the builds other than Windows.
// The Windows programs use win32/files_win32.cpp instead: there std::filesystem converts every
// narrow path through the locale machinery, which would double the size of the runtime.
#include <filesystem>
#include <system_error>

#include "base/files.h"

namespace saverkit {

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

bool IsSameFile(const std::string& first, const std::string& second) {
  std::error_code error;
  return !first.empty() && !second.empty() && std::filesystem::equivalent(first, second, error);
}

bool RemoveFile(const std::string& path) {
  if (!FileExists(path)) return true;
  std::error_code error;
  std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove(path, error);
  return !FileExists(path);
}

}  // namespace saverkit
