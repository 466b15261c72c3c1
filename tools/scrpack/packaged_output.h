// A runtime executable with a package behind it, written in one pass: the output file either is the
// complete new executable or is left as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/scrpack/package_writer.h"

namespace saverkit {

// The runtime's program image (without any package it already carries) is copied into a temporary
// file beside the output at once; the package is then written behind it as it is made, and Commit
// renames the whole over the output. Destroyed without a Commit, it removes its temporary file.
// Every failure throws std::runtime_error with one line naming the file at fault.
class PackagedOutput : public ByteSink {
 public:
  PackagedOutput(const std::string& runtimePath, const std::string& outPath);
  ~PackagedOutput() override;
  PackagedOutput(const PackagedOutput&) = delete;
  PackagedOutput& operator=(const PackagedOutput&) = delete;

  void Write(const uint8_t* data, size_t size) override;
  void Commit();

 private:
  [[noreturn]] void Fail(const std::string& what);
  void Discard();

  std::string runtimePath_, outPath_;
  std::filesystem::path temporary_;
  std::ofstream out_;
};

}  // namespace saverkit
