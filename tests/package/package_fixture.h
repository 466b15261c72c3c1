// Packages for the reader's tests: written by our own package writer behind a small stand-in for
// the runtime image, into a folder of their own, with pictures encoded at test time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/reader_environment.h"
#include "raster/bitmap.h"
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

// A picture with a gradient and a diagonal, so that scaling and re-encoding show in the pixels.
Bitmap TestPicture(int width, int height);
std::vector<uint8_t> TestJpeg(int width, int height, int quality = 90);
std::vector<uint8_t> PatternBytes(size_t size, uint8_t seed);

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

// A package of every kind of item: two pictures (the first with two labels), a movie, an item of
// an unknown kind, two pieces of music, author, background and licence, at format 5 on an
// 800 x 600 design screen.
PackageContents FullContents();

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
