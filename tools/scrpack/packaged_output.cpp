#include "tools/scrpack/packaged_output.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "package/package_file.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

std::string SystemReason() { return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string(); }

// The runtime's own image: a runtime that already carries a package is taken without it, so a
// packaged screen saver can serve as the runtime for a new package.
bool ReadRuntimeImage(const std::string& path, std::vector<uint8_t>& image, std::string& error) {
  int64_t imageSize = -1;
  if (std::optional<PackageFile> packaged = PackageFile::Open(path)) imageSize = packaged->Base();
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read the runtime '" + path + "'" + SystemReason();
    return false;
  }
  in.seekg(0, std::ios::end);
  const int64_t fileSize = int64_t(in.tellg());
  if (imageSize < 0) imageSize = fileSize;
  if (imageSize <= 0) {
    error = "the runtime '" + path + "' is empty";
    return false;
  }
  image.resize(size_t(imageSize));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(image.data()), std::streamsize(imageSize))) {
    error = "cannot read the runtime '" + path + "'";
    return false;
  }
  return true;
}

fs::path TemporaryBeside(const fs::path& target) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (;;) {
    fs::path candidate = target;
    candidate += ".tmp" + std::to_string(random() % 1000000);
    std::error_code ignored;
    if (!fs::exists(candidate, ignored)) return candidate;
  }
}

}  // namespace

bool WritePackagedExecutable(const std::string& runtimePath, const std::vector<uint8_t>& package,
                             const std::string& outPath, std::string& error) {
  std::vector<uint8_t> image;
  if (!ReadRuntimeImage(runtimePath, image, error)) return false;

  const fs::path target(outPath);
  const fs::path temporary = TemporaryBeside(target);
  errno = 0;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
      out.write(reinterpret_cast<const char*>(package.data()), std::streamsize(package.size()));
      out.close();
    }
    if (!out) {
      error = "cannot write '" + outPath + "'" + SystemReason();
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  // The screen saver runs like the runtime does (execute bits on Linux); it stays writable so a
  // later build can replace it.
  std::error_code ignoredPermissions;
  fs::permissions(temporary, fs::status(runtimePath, ignoredPermissions).permissions() | fs::perms::owner_write, ignoredPermissions);
  std::error_code renameError;
  fs::rename(temporary, target, renameError);
  if (renameError) {
    error = "cannot write '" + outPath + "': " + renameError.message();
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
  }
  return true;
}

}  // namespace saverkit
