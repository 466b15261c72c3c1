// Finding the package behind a runtime image: the 400-byte trailer at the very end of the file,
// the package base it points to, the label trailer before it, and checked reads of any block.
// Portable file reading only; every offset and length from the file is checked before use.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/readable_file.h"
#include "package/package_trailer.h"

namespace saverkit {

// Where the package lies inside a file of `fileSize` bytes.
struct PackageLocation {
  int64_t fileSize = 0;
  int64_t base = 0;  // fileSize - PackageLength
  PackageTrailer trailer;
};

// The decision on the file's last 400 stored bytes: a package when PackageLength is neither negative
// nor greater than the file and the signature matches byte for byte.
std::optional<PackageLocation> LocatePackage(const uint8_t* lastTrailerBytes, int64_t fileSize);

// The label trailer points at a usable block when it carries the marker and the block lies inside
// the file: base + LabelOffset >= 0, LabelLength >= 0 and base + LabelOffset + LabelLength < fileSize.
bool IsLabelTrailerValid(const LabelTrailer& labels, const PackageLocation& where);

// A packaged executable opened for reading. The file stays open while the object lives.
class PackageFile {
 public:
  // Empty when the file cannot be read or carries no package.
  static std::optional<PackageFile> Open(const std::string& path);

  const PackageLocation& Location() const { return location_; }
  const PackageTrailer& Trailer() const { return location_.trailer; }
  int64_t Size() const { return location_.fileSize; }
  int64_t Base() const { return location_.base; }

  // Reads `length` bytes at `offset` from the package base, as stored. Fails, leaving `out` empty,
  // when the length is negative or the range does not lie wholly inside the file.
  bool ReadBlock(int64_t offset, int64_t length, std::vector<uint8_t>& out);
  // The same, with every byte complemented back.
  bool ReadComplementedBlock(int64_t offset, int64_t length, std::vector<uint8_t>& out);

  // The label trailer when the file is long enough to have one and it is valid; empty otherwise.
  std::optional<LabelTrailer> ValidLabelTrailer();

 private:
  PackageFile(ReadableFile file, const PackageLocation& location);
  bool ReadAbsolute(int64_t position, int64_t length, std::vector<uint8_t>& out);

  ReadableFile file_;
  PackageLocation location_;
};

// True when the file can be read, is at least 400 bytes long and its trailer is valid; the file is
// closed again before returning.
bool IsPackaged(const std::string& path);

}  // namespace saverkit
