#include "startup/edition.h"

#include <cstring>
#include <fstream>

#include "package/complement.h"
#include "package/package_trailer.h"
#include "package/records.h"

namespace saverkit {

uint8_t ReadEdition(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return 0;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < std::streamoff(PackageTrailer::kSize)) return 0;
  file.seekg(size - std::streamoff(PackageTrailer::kSize));
  uint8_t trailer[PackageTrailer::kSize] = {};
  if (!file.read(reinterpret_cast<char*>(trailer), sizeof trailer)) return 0;
  Complement(trailer, sizeof trailer);
  if (std::memcmp(trailer + PackageTrailer::kInfoOffset, kPackageSignature, kSignatureSize) != 0) return 0;
  return trailer[PackageTrailer::kEditionOffset];
}

}  // namespace saverkit
