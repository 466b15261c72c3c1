#include "startup/edition.h"

#include <cstring>

#include "base/readable_file.h"
#include "package/complement.h"
#include "package/package_trailer.h"
#include "package/records.h"

namespace saverkit {

uint8_t ReadEdition(const std::string& path) {
  std::optional<ReadableFile> file = ReadableFile::Open(path);
  if (!file || file->Size() < int64_t(PackageTrailer::kSize)) return 0;
  uint8_t trailer[PackageTrailer::kSize] = {};
  if (!file->ReadAt(file->Size() - int64_t(PackageTrailer::kSize), trailer, sizeof trailer)) return 0;
  Complement(trailer, sizeof trailer);
  if (std::memcmp(trailer + PackageTrailer::kInfoOffset, kPackageSignature, kSignatureSize) != 0) return 0;
  return trailer[PackageTrailer::kEditionOffset];
}

}  // namespace saverkit
