#include "tools/scrpack/packaged_output.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

#include "package/package_file.h"

namespace saverkit {
namespace {

namespace fs = std::filesystem;

// The runtime image is copied in pieces of this size; it need not fit in memory whole.
constexpr size_t kCopyChunk = 1 << 20;

std::string SystemReason() { return errno != 0 ? std::string(": ") + std::strerror(errno) : std::string(); }

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

PackagedOutput::PackagedOutput(const std::string& runtimePath, const std::string& outPath)
    : runtimePath_(runtimePath), outPath_(outPath) {
  // A runtime that already carries a package is taken without it, so a packaged screen saver can
  // serve as the runtime for a new package.
  int64_t imageSize = -1;
  if (std::optional<PackageFile> packaged = PackageFile::Open(runtimePath)) imageSize = packaged->Base();
  errno = 0;
  std::ifstream runtime(runtimePath, std::ios::binary);
  if (!runtime) throw std::runtime_error("cannot read the runtime '" + runtimePath + "'" + SystemReason());
  runtime.seekg(0, std::ios::end);
  if (imageSize < 0) imageSize = int64_t(runtime.tellg());
  if (imageSize <= 0) throw std::runtime_error("the runtime '" + runtimePath + "' is empty");
  runtime.seekg(0);

  temporary_ = TemporaryBeside(fs::path(outPath));
  errno = 0;
  out_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!out_) Fail("cannot write '" + outPath + "'" + SystemReason());
  std::vector<uint8_t> chunk(size_t(std::min<int64_t>(imageSize, int64_t(kCopyChunk))));
  for (int64_t left = imageSize; left > 0;) {
    const size_t count = size_t(std::min<int64_t>(left, int64_t(chunk.size())));
    if (!runtime.read(reinterpret_cast<char*>(chunk.data()), std::streamsize(count)))
      Fail("cannot read the runtime '" + runtimePath + "'");
    Write(chunk.data(), count);
    left -= int64_t(count);
  }
}

PackagedOutput::~PackagedOutput() { Discard(); }

void PackagedOutput::Write(const uint8_t* data, size_t size) {
  errno = 0;
  out_.write(reinterpret_cast<const char*>(data), std::streamsize(size));
  if (!out_) Fail("cannot write '" + outPath_ + "'" + SystemReason());
}

void PackagedOutput::Commit() {
  errno = 0;
  out_.close();
  if (!out_) Fail("cannot write '" + outPath_ + "'" + SystemReason());
  // The screen saver runs like the runtime does (execute bits on Linux); it stays writable so a
  // later build can replace it.
  std::error_code ignoredPermissions;
  fs::permissions(temporary_, fs::status(runtimePath_, ignoredPermissions).permissions() | fs::perms::owner_write,
                  ignoredPermissions);
  std::error_code renameError;
  fs::rename(temporary_, fs::path(outPath_), renameError);
  if (renameError) Fail("cannot write '" + outPath_ + "': " + renameError.message());
  temporary_.clear();
}

void PackagedOutput::Fail(const std::string& what) {
  Discard();
  throw std::runtime_error(what);
}

void PackagedOutput::Discard() {
  if (temporary_.empty()) return;
  if (out_.is_open()) out_.close();
  std::error_code ignored;
  fs::remove(temporary_, ignored);
  temporary_.clear();
}

}  // namespace saverkit
