#include "base/files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace saverkit {

bool FileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

bool RemoveFile(const std::string& path) {
  if (!FileExists(path)) return true;
  std::error_code error;
  std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add, error);
  std::filesystem::remove(path, error);
  return !FileExists(path);
}

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& data) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  file.close();
  if (file.good()) return true;
  RemoveFile(path);  // a half-written copy would pass for a good one
  return false;
}

}  // namespace saverkit
