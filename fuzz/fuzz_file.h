// The package reader reads files, not memory: each harness input is written to one scratch file
// that lives as long as the fuzzing process.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace saverkit::fuzz {

// A folder in shared memory when the system has it, so that writing each input costs no disk I/O.
// The folder is removed when the process exits; its name is never destroyed before that.
inline const std::string& ScratchFolder() {
  static const std::string* const folder = [] {
    const std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    auto* path = new std::string(base + "/saverkit-fuzz-" + std::to_string(getpid()));
    mkdir(path->c_str(), 0700);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchFolder(), ignored);
    });
    return path;
  }();
  return *folder;
}

inline bool WriteScratchFile(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace saverkit::fuzz
