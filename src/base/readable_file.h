// A file opened for reading at any offset, with every read checked against its end. It reads
// through the C runtime's streams, not iostreams, whose locale machinery would more than double
// the statically linked runtime.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace saverkit {

class ReadableFile {
 public:
  // Empty when the file cannot be opened or its size cannot be learned. Others may go on reading
  // and writing it: it is often the running executable itself.
  static std::optional<ReadableFile> Open(const std::string& path);

  int64_t Size() const { return size_; }

  // Reads exactly `length` bytes at `position`; false when any of them lies outside the file or
  // the system fails to deliver them.
  bool ReadAt(int64_t position, void* buffer, size_t length);

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  ReadableFile(std::FILE* file, int64_t size) : file_(file), size_(size) {}

  std::unique_ptr<std::FILE, Closer> file_;
  int64_t size_ = 0;
};

}  // namespace saverkit
