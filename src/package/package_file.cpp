#include "package/package_file.h"

#include <cstring>
#include <utility>

#include "package/complement.h"

namespace saverkit {

std::optional<PackageLocation> LocatePackage(const uint8_t* lastTrailerBytes, int64_t fileSize) {
  if (fileSize < int64_t(PackageTrailer::kSize)) return std::nullopt;
  PackageLocation where;
  where.fileSize = fileSize;
  where.trailer = PackageTrailer::FromStored(lastTrailerBytes);
  if (where.trailer.PackageLength < 0 || where.trailer.PackageLength > fileSize) return std::nullopt;
  if (!where.trailer.Info.HasValidSignature()) return std::nullopt;
  where.base = fileSize - where.trailer.PackageLength;
  return where;
}

bool IsLabelTrailerValid(const LabelTrailer& labels, const PackageLocation& where) {
  if (!labels.HasMarker || labels.LabelLength < 0) return false;
  const int64_t start = where.base + int64_t(labels.LabelOffset);
  return start >= 0 && start + int64_t(labels.LabelLength) < where.fileSize;
}

PackageFile::PackageFile(ReadableFile file, const PackageLocation& location)
    : file_(std::move(file)), location_(location) {}

std::optional<PackageFile> PackageFile::Open(const std::string& path) {
  std::optional<ReadableFile> file = ReadableFile::Open(path);
  if (!file || file->Size() < int64_t(PackageTrailer::kSize)) return std::nullopt;
  uint8_t tail[PackageTrailer::kSize];
  if (!file->ReadAt(file->Size() - int64_t(PackageTrailer::kSize), tail, sizeof tail)) return std::nullopt;
  const std::optional<PackageLocation> where = LocatePackage(tail, file->Size());
  if (!where) return std::nullopt;
  return PackageFile(std::move(*file), *where);
}

bool PackageFile::ReadAbsolute(int64_t position, int64_t length, std::vector<uint8_t>& out) {
  out.clear();
  if (position < 0 || length < 0 || length > Size() || position > Size() - length) return false;
  std::vector<uint8_t> bytes(static_cast<size_t>(length));
  if (!file_.ReadAt(position, bytes.data(), bytes.size())) return false;
  out.swap(bytes);
  return true;
}

bool PackageFile::ReadBlock(int64_t offset, int64_t length, std::vector<uint8_t>& out) {
  return ReadAbsolute(Base() + offset, length, out);
}

bool PackageFile::ReadComplementedBlock(int64_t offset, int64_t length, std::vector<uint8_t>& out) {
  if (!ReadBlock(offset, length, out)) return false;
  Complement(out);
  return true;
}

std::optional<LabelTrailer> PackageFile::ValidLabelTrailer() {
  constexpr int64_t kFromEnd = int64_t(PackageTrailer::kSize + LabelTrailer::kSize);
  std::vector<uint8_t> bytes;
  if (Size() < kFromEnd || !ReadAbsolute(Size() - kFromEnd, int64_t(LabelTrailer::kSize), bytes)) return std::nullopt;
  const LabelTrailer labels = LabelTrailer::Parse(bytes.data());
  if (!IsLabelTrailerValid(labels, location_)) return std::nullopt;
  return labels;
}

bool IsPackaged(const std::string& path) { return PackageFile::Open(path).has_value(); }

}  // namespace saverkit
