#include "package_readback.h"

#include <fstream>
#include <iterator>

#include "package/byte_order.h"
#include "package/complement.h"

namespace saverkit {
namespace {

std::string AsText(const std::vector<uint8_t>& b) { return std::string(b.begin(), b.end()); }

// One directory entry at `at`: its locator, its record, and the data the locator points at with
// the leading eighth restored.
template <typename Entry>
bool ReadEntry(PackageFile& file, int64_t at, Entry& entry) {
  using Record = decltype(entry.record);
  std::vector<uint8_t> block;
  if (!file.ReadBlock(at, int64_t(ItemLocator::kSize + Record::kSize), block)) return false;
  const ItemLocator locator = ItemLocator::Parse(block.data());
  entry.offset = locator.Offset;
  entry.length = locator.Length;
  entry.record = Record::Parse(block.data() + ItemLocator::kSize);
  if (!file.ReadBlock(entry.offset, entry.length, entry.data)) return false;
  ComplementLeadingEighth(entry.data);
  return true;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<ReadBackPackage> ReadBack(const std::string& path) {
  std::optional<PackageFile> file = PackageFile::Open(path);
  if (!file) return std::nullopt;
  ReadBackPackage p;
  p.trailer = file->Trailer();
  p.base = file->Base();
  const InfoRecord& info = p.trailer.Info;
  std::vector<uint8_t> block;

  if (!file->ReadComplementedBlock(0, NameBlock::kSize, block)) return std::nullopt;
  p.name = AsText(block);
  p.name.erase(p.name.find_last_not_of('\0') + 1);
  if (info.HasAuthorInfo) {
    if (!file->ReadComplementedBlock(AuthorBlock::kOffset, AuthorBlock::kSize, block)) return std::nullopt;
    p.author = AuthorBlock::Parse(block.data());
  }

  int64_t at = p.trailer.DirectoryOffset;
  for (int32_t i = 0; i < info.ItemCount; ++i, at += kItemEntrySize) {
    if (!ReadEntry(*file, at, p.items.emplace_back())) return std::nullopt;
  }
  for (int32_t k = 0; k < info.MusicCount; ++k, at += kMusicEntrySize) {
    if (!ReadEntry(*file, at, p.music.emplace_back())) return std::nullopt;
  }

  if (!file->ReadComplementedBlock(p.trailer.TextsOffset, p.trailer.DynamicTextsLength, block)) return std::nullopt;
  p.dynamicTexts = AsText(block);
  if (!file->ReadComplementedBlock(int64_t(p.trailer.TextsOffset) + p.trailer.DynamicTextsLength,
                                   p.trailer.StaticTextsLength, block))
    return std::nullopt;
  p.staticTexts = AsText(block);

  const std::optional<LabelTrailer> labels = file->ValidLabelTrailer();
  p.labelTrailerValid = labels.has_value();
  if (!labels) return p;
  if (!file->ReadComplementedBlock(labels->LabelOffset, labels->LabelLength, block)) return std::nullopt;
  p.labelBlockComplete = p.labels.Load(block);
  at = int64_t(labels->LabelOffset) + labels->LabelLength;

  if (info.FormatVersion >= 4) {
    if (!file->ReadComplementedBlock(at, ExtensionBlock::kSize, block)) return std::nullopt;
    p.extension = ExtensionBlock::Parse(block.data());
    at += ExtensionBlock::kSize;
    if (!file->ReadComplementedBlock(at, std::max(0, p.extension->MusicNamesLength), block)) return std::nullopt;
    p.musicNames = AsText(block);
    at += block.size();
    if (!file->ReadComplementedBlock(at, std::max(0, p.extension->BackgroundLength), p.background)) return std::nullopt;
    at += p.background.size();
  }
  if (info.FormatVersion >= 5) {
    if (!file->ReadComplementedBlock(at, kLicenceLengthSize, block)) return std::nullopt;
    p.licenceLength = ReadI32(block.data());
    at += kLicenceLengthSize;
    if (*p.licenceLength >= 1 && *p.licenceLength <= kMaxLicenceLength) {
      if (!file->ReadComplementedBlock(at, *p.licenceLength, block)) return std::nullopt;
      p.licence = AsText(block);
      at += block.size();
    }
  }
  p.endOfBlocks = at;
  return p;
}

}  // namespace saverkit
