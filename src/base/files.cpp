#include "base/files.h"

#include <cstdio>
#include <memory>

namespace saverkit {
namespace {

// The C runtime's streams, not iostreams: in a statically linked Windows program the locale
// machinery behind iostreams weighs more than everything else of the runtime together.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

// Closes the file itself to learn whether the last buffered bytes reached the disk.
bool CloseWritten(OwnedFile file) { return std::fclose(file.release()) == 0; }

}  // namespace

bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& data) {
  OwnedFile file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  const bool written = std::fwrite(data.data(), 1, data.size(), file.get()) == data.size();
  if (CloseWritten(std::move(file)) && written) return true;
  RemoveFile(path);  // a half-written copy would pass for a good one
  return false;
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
  if (!FileExists(from) || IsDirectory(from) || IsSameFile(from, to)) return false;
  OwnedFile source(std::fopen(from.c_str(), "rb"));
  if (!source) return false;
  OwnedFile target(std::fopen(to.c_str(), "wb"));
  if (!target) return false;
  bool copied = true;
  char buffer[64 * 1024];
  for (size_t got; copied && (got = std::fread(buffer, 1, sizeof buffer, source.get())) > 0;)
    copied = std::fwrite(buffer, 1, got, target.get()) == got;
  copied = copied && !std::ferror(source.get());
  if (CloseWritten(std::move(target)) && copied) return true;
  std::remove(to.c_str());  // no partial copy behind; a read-only file was never opened, so stays
  return false;
}

}  // namespace saverkit
