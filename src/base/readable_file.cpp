#include "base/readable_file.h"

namespace saverkit {
namespace {

// 64-bit offsets on both kinds of build: packages may pass 2 GB even in the 32-bit program.
bool SeekTo(std::FILE* file, int64_t position, int origin) {
#ifdef _WIN32
  return _fseeki64(file, position, origin) == 0;
#else
  return fseeko(file, off_t(position), origin) == 0;
#endif
}

int64_t Tell(std::FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return int64_t(ftello(file));
#endif
}

}  // namespace

std::optional<ReadableFile> ReadableFile::Open(const std::string& path) {
  std::FILE* opened = std::fopen(path.c_str(), "rb");
  if (!opened) return std::nullopt;
  ReadableFile file(opened, 0);
  if (!SeekTo(opened, 0, SEEK_END)) return std::nullopt;
  file.size_ = Tell(opened);
  if (file.size_ < 0) return std::nullopt;
  return file;
}

bool ReadableFile::ReadAt(int64_t position, void* buffer, size_t length) {
  if (position < 0 || position > size_ || uint64_t(length) > uint64_t(size_ - position)) return false;
  if (length == 0) return true;
  return SeekTo(file_.get(), position, SEEK_SET) && std::fread(buffer, 1, length, file_.get()) == length;
}

}  // namespace saverkit
