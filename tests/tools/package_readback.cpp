#include "package_readback.h"

#include <fstream>
#include <iterator>

#include "package/byte_order.h"
#include "package/complement.h"

namespace saverkit {
namespace {

std::string AsText(const std::vector<uint8_t>& b) { return std::string(b.begin(), b.end()); }

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::optional<ReadBackPackage> ReadBack(const std::string& path) {
  std::optional<PackageFile> file = PackageFile::Open(path);
  if (!file) return std::nullopt;
  ReadBackPackage p;
  p.trailer = file->Trailer();
  p.base = file->Base();
  const InfoRecord& info = p.trailer.Info;
  std::vector<uint8_t> block;

  if (!file->ReadComplementedBlock(0, 64, block)) return std::nullopt;
  p.name = AsText(block);
  p.name.erase(p.name.find_last_not_of('\0') + 1);
  if (info.HasAuthorInfo) {
    if (!file->ReadComplementedBlock(64, AuthorBlock::kSize, block)) return std::nullopt;
    p.author = AuthorBlock::Parse(block.data());
  }

  int64_t at = p.trailer.DirectoryOffset;
  for (int32_t i = 0; i < info.ItemCount; ++i, at += 8 + ItemRecord::kSize) {
    if (!file->ReadBlock(at, 8 + ItemRecord::kSize, block)) return std::nullopt;
    ReadBackItem item;
    item.offset = ReadI32(block.data());
    item.length = ReadI32(block.data() + 4);
    item.record = ItemRecord::Parse(block.data() + 8);
    if (!file->ReadBlock(item.offset, item.length, item.data)) return std::nullopt;
    ComplementLeadingEighth(item.data);
    p.items.push_back(item);
  }
  for (int32_t k = 0; k < info.MusicCount; ++k, at += 8 + MusicRecord::kSize) {
    if (!file->ReadBlock(at, 8 + MusicRecord::kSize, block)) return std::nullopt;
    ReadBackMusic music;
    music.offset = ReadI32(block.data());
    music.length = ReadI32(block.data() + 4);
    music.record = MusicRecord::Parse(block.data() + 8);
    if (!file->ReadBlock(music.offset, music.length, music.data)) return std::nullopt;
    ComplementLeadingEighth(music.data);
    p.music.push_back(music);
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
    if (!file->ReadComplementedBlock(at, 4, block)) return std::nullopt;
    p.licenceLength = ReadI32(block.data());
    at += 4;
    if (*p.licenceLength >= 1 && *p.licenceLength <= 65536) {
      if (!file->ReadComplementedBlock(at, *p.licenceLength, block)) return std::nullopt;
      p.licence = AsText(block);
      at += block.size();
    }
  }
  p.endOfBlocks = at;
  return p;
}

}  // namespace saverkit
