// Packages for the reader's tests: the full package (support/package_builder.h) or a variant of
// it, written behind a small stand-in for the runtime image into a folder of their own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/reader_environment.h"
#include "support/package_builder.h"
#include "tools/scrpack/package_writer.h"

namespace saverkit::testing {

// A fresh folder below the test temporary directory, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Files directly inside the folder, by name, sorted.
  std::vector<std::string> List() const;

 private:
  std::string path_;
};

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A packaged executable: a runtime stand-in followed by the written package.
struct PackagedFile {
  std::string path;
  std::vector<uint8_t> bytes;  // the whole file as written
  int64_t base = 0;            // where the package starts in the file
  PackageLayout layout;

  // Rewrites the file after `bytes` was changed.
  void Save() const { WriteFileBytes(path, bytes); }
  // Values stored plain (directory, label trailer) or complemented (blocks), at a package offset.
  void PutPlainI32(int64_t packageOffset, int32_t value);
  void PutComplementedI32(int64_t packageOffset, int32_t value);
  // Changes the trailer through its own fields, keeping it complemented.
  template <typename Edit>
  void EditTrailer(Edit edit);
};

PackagedFile WritePackagedFile(const std::string& path, const PackageContents& contents);

// The environment of a reader for `executable`, with the given screen and temporary folder.
ReaderEnvironment TestEnvironment(const std::string& executable, const std::string& tempFolder,
                                  int screenWidth = 800, int screenHeight = 600);

}  // namespace saverkit::testing

#include "package/package_trailer.h"

namespace saverkit::testing {

template <typename Edit>
void PackagedFile::EditTrailer(Edit edit) {
  uint8_t* stored = bytes.data() + bytes.size() - PackageTrailer::kSize;
  PackageTrailer trailer = PackageTrailer::FromStored(stored);
  edit(trailer);
  trailer.ToStored(stored);
}

}  // namespace saverkit::testing
