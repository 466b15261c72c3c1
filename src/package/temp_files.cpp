#include "package/temp_files.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace saverkit {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr int kBinaryMode = O_BINARY;
#else
constexpr char kSeparator = '/';
constexpr int kBinaryMode = 0;
#endif

// A temporary folder holding this many of our names is full of leftovers or hostile; giving up
// beats searching for ever.
constexpr int kMaxTempNumber = 100000;

std::string Candidate(const std::string& folder, const std::string& prefix, int number,
                      const std::string& suffix) {
  return folder + prefix + std::to_string(number) + suffix;
}

bool WriteAll(int descriptor, const std::vector<uint8_t>& data) {
  size_t done = 0;
  while (done < data.size()) {
    const size_t chunk = std::min<size_t>(data.size() - done, 1u << 30);
    const auto written = write(descriptor, data.data() + done, static_cast<unsigned>(chunk));
    if (written <= 0) return false;
    done += size_t(written);
  }
  return true;
}

}  // namespace

std::string WithTrailingSeparator(const std::string& directory) {
  if (directory.empty() || directory.back() == '/' || directory.back() == '\\') return directory;
  return directory + kSeparator;
}

std::string SafeFileSuffix(const std::string& suffix) {
  std::string safe;
  for (char c : suffix) {
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) continue;
    safe += c;
  }
  return safe;
}

std::string FreshTempName(const std::string& tempDirectory, const std::string& prefix,
                          const std::string& suffix) {
  const std::string folder = WithTrailingSeparator(tempDirectory);
  const std::string safeSuffix = SafeFileSuffix(suffix);
  for (int number = 0; number < kMaxTempNumber; ++number) {
    std::string path = Candidate(folder, prefix, number, safeSuffix);
    if (!FileExists(path)) return path;
  }
  return {};
}

std::string CreateFreshTempFile(const std::string& tempDirectory, const std::string& prefix,
                                const std::string& suffix, const std::vector<uint8_t>& data) {
  const std::string folder = WithTrailingSeparator(tempDirectory);
  const std::string safeSuffix = SafeFileSuffix(suffix);
  for (int number = 0; number < kMaxTempNumber; ++number) {
    std::string path = Candidate(folder, prefix, number, safeSuffix);
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | kBinaryMode, 0644);
    if (descriptor < 0) {
      if (errno == EEXIST) continue;  // someone else's file, or one of ours still in use
      return {};
    }
    const bool written = WriteAll(descriptor, data);
    const bool closed = close(descriptor) == 0;
    if (written && closed) return path;
    RemoveFile(path);
    return {};
  }
  return {};
}

}  // namespace saverkit
