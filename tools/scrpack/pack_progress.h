// Progress of a build on standard error while it packs many or large files: a bar redrawn in
// place on a terminal, one line per file otherwise (logs, pipes, CI).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace saverkit {

class PackProgress {
 public:
  // Shown only for shows of at least kManyFiles files, or for each file of at least kLargeFile bytes.
  static constexpr size_t kManyFiles = 10;
  static constexpr uint64_t kLargeFile = 16ull << 20;

  PackProgress(std::ostream* out, bool terminal, size_t total);
  ~PackProgress();  // ends a bar's line

  void File(const std::string& name, uint64_t bytes);

 private:
  std::ostream* out_;
  bool terminal_;
  size_t total_, done_ = 0;
  bool barDrawn_ = false;
};

}  // namespace saverkit
