#include "tools/scrpack/package_writer.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "package/byte_order.h"
#include "package/complement.h"
#include "package/package_trailer.h"

namespace saverkit {
namespace {

constexpr int32_t kNewestFormat = 5;
// Room for the blocks other than media (names, directory, texts, labels, trailers) before the
// package buffer grows again.
constexpr size_t kReserveForBlocks = 1 << 20;

// Layout per format: 4 adds the extension block, music names and background; 5 the licence text.
bool HasExtensionBlock(int32_t format) { return format >= 4; }
bool HasLicence(int32_t format) { return format >= 5; }

class PackageBuffer {
 public:
  int64_t Size() const { return int64_t(bytes_.size()); }
  void Reserve(size_t bytes) { bytes_.reserve(bytes); }
  void Append(const std::vector<uint8_t>& data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  void AppendComplemented(std::vector<uint8_t> data) {
    Complement(data);
    Append(data);
  }
  void AppendComplemented(const std::string& text) { AppendComplemented(std::vector<uint8_t>(text.begin(), text.end())); }
  std::vector<uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

template <typename Record>
std::vector<uint8_t> SerializeRecord(const Record& record) {
  std::vector<uint8_t> bytes(Record::kSize);
  record.Serialize(bytes.data());
  return bytes;
}

// Every music gets a line, so the reader's line count always matches the music count; a music
// without a display name gets the one the runtime would make up for it.
std::string MusicNamesText(const std::vector<PackageMusic>& music) {
  std::string text;
  for (size_t k = 0; k < music.size(); ++k) {
    if (k > 0) text += "\r\n";
    text += music[k].name.empty() ? DefaultMusicName(k, music[k].record) : music[k].name;
  }
  return text;
}

int32_t EffectiveFormat(int32_t requested) { return requested <= 0 ? kNewestFormat : requested; }

// "the <what> is longer than <size> bytes" when `text` does not fit a field of `size` bytes.
std::string TooLong(const std::string& text, size_t size, const std::string& what) {
  return text.size() > size ? "the " + what + " is longer than " + std::to_string(size) + " bytes" : std::string();
}

int32_t CheckedI32(int64_t value, const char* what) {
  if (value > std::numeric_limits<int32_t>::max())
    throw std::length_error(std::string("the package is too large: ") + what + " passes 2 GiB");
  return int32_t(value);
}

}  // namespace

std::string CheckPackageContents(const PackageContents& contents) {
  for (const std::string& problem :
       {TooLong(contents.name, NameBlock::kSize, "name"),
        TooLong(contents.info.Description, InfoRecord::kDescriptionSize, "description"),
        TooLong(contents.author.Author, AuthorBlock::kAuthorSize, "author"),
        TooLong(contents.author.Email, AuthorBlock::kEmailSize, "e-mail address"),
        TooLong(contents.author.HomePage, AuthorBlock::kHomePageSize, "home page"),
        TooLong(contents.licence, size_t(kMaxLicenceLength), "licence text")})
    if (!problem.empty()) return problem;
  for (size_t i = 0; i < contents.items.size(); ++i) {
    const LabelList& labels = contents.items[i].labels;
    for (int k = 0; k < labels.Count(); ++k)
      if (labels.Get(k)->FontName.size() >= LabelRecord::kFontNameSize)
        return "item " + std::to_string(i + 1) + ": a label's font name is longer than " +
               std::to_string(LabelRecord::kFontNameSize - 1) + " bytes";
  }
  for (size_t k = 0; k < contents.music.size(); ++k) {
    const PackageMusic& m = contents.music[k];
    const std::string which = "music " + std::to_string(k + 1);
    for (const std::string& problem : {TooLong(m.record.FileSuffix, MusicRecord::kMaxNameLength, "file suffix"),
                                       TooLong(m.record.ResourceName, MusicRecord::kMaxNameLength, "resource name")})
      if (!problem.empty()) return which + ": " + problem;
    if (m.name.find_first_of("\r\n") != std::string::npos) return which + ": the display name holds a line break";
  }
  return {};
}

WrittenPackage WritePackage(const PackageContents& contents) {
  const std::string problem = CheckPackageContents(contents);
  if (!problem.empty()) throw std::invalid_argument(problem);

  const int32_t format = EffectiveFormat(contents.info.FormatVersion);
  InfoRecord info = contents.info;
  info.SetValidSignature();
  info.FormatVersion = format;
  info.ItemCount = CheckedI32(int64_t(contents.items.size()), "the item count");
  info.MusicCount = CheckedI32(int64_t(contents.music.size()), "the music count");
  info.HasAuthorInfo = contents.writeAuthor ? 1 : 0;

  WrittenPackage out;
  PackageLayout& layout = out.layout;
  PackageBuffer package;

  package.AppendComplemented(SerializeRecord(NameBlock{contents.name}));
  if (contents.writeAuthor) package.AppendComplemented(SerializeRecord(contents.author));

  // Media data first, each with its leading eighth complemented; the directory points back at it.
  // The media is most of a package: the buffer is sized for it once, and each item is
  // complemented where it lands instead of in a copy of its own.
  size_t mediaBytes = 0;
  for (const PackageItem& item : contents.items) mediaBytes += item.data.size();
  for (const PackageMusic& music : contents.music) mediaBytes += music.data.size();
  package.Reserve(mediaBytes + kReserveForBlocks);
  auto appendMedia = [&package](const std::vector<uint8_t>& media) {
    const int64_t offset = package.Size();
    package.Append(media);
    Complement(package.Bytes().data() + offset, LeadingEighth(int64_t(media.size())));
    return offset;
  };
  for (const PackageItem& item : contents.items) layout.itemOffsets.push_back(appendMedia(item.data));
  for (const PackageMusic& music : contents.music) layout.musicOffsets.push_back(appendMedia(music.data));

  // A directory entry: the locator, then the record.
  auto appendEntry = [&package](int64_t offset, size_t length, const auto& record, const char* what) {
    package.Append(SerializeRecord(ItemLocator{CheckedI32(offset, what), CheckedI32(int64_t(length), what)}));
    package.Append(SerializeRecord(record));
  };
  layout.directoryOffset = package.Size();
  for (size_t i = 0; i < contents.items.size(); ++i)
    appendEntry(layout.itemOffsets[i], contents.items[i].data.size(), contents.items[i].record, "an item");
  for (size_t k = 0; k < contents.music.size(); ++k)
    appendEntry(layout.musicOffsets[k], contents.music[k].data.size(), contents.music[k].record, "a music");

  layout.textsOffset = package.Size();
  package.AppendComplemented(contents.dynamicTexts);
  package.AppendComplemented(contents.staticTexts);

  LabelTable labels;
  for (const PackageItem& item : contents.items) labels.Append(item.labels);
  layout.labelOffset = package.Size();
  package.AppendComplemented(SerializeLabelBlock(labels));
  layout.labelLength = package.Size() - layout.labelOffset;

  layout.extensionOffset = -1;
  if (HasExtensionBlock(format)) {
    const std::string musicNames = MusicNamesText(contents.music);
    ExtensionBlock extension = contents.extension;
    extension.MusicNamesLength = CheckedI32(int64_t(musicNames.size()), "the music names");
    extension.BackgroundLength = CheckedI32(int64_t(contents.background.size()), "the background picture");
    layout.extensionOffset = package.Size();
    package.AppendComplemented(SerializeRecord(extension));
    package.AppendComplemented(musicNames);
    package.AppendComplemented(contents.background);
  }

  layout.licenceOffset = -1;
  if (HasLicence(format)) {
    layout.licenceOffset = package.Size();
    std::vector<uint8_t> licence;
    AppendI32(licence, int32_t(contents.licence.size()));
    licence.insert(licence.end(), contents.licence.begin(), contents.licence.end());
    package.AppendComplemented(licence);
  }

  LabelTrailer labelTrailer;
  labelTrailer.LabelOffset = CheckedI32(layout.labelOffset, "the label block's offset");
  labelTrailer.LabelLength = CheckedI32(layout.labelLength, "the label block");
  package.Append(SerializeRecord(labelTrailer));

  PackageTrailer trailer;
  trailer.PackageLength = CheckedI32(package.Size() + int64_t(PackageTrailer::kSize), "the package");
  trailer.DirectoryOffset = int32_t(layout.directoryOffset);
  trailer.TextsOffset = CheckedI32(layout.textsOffset, "the texts' offset");
  trailer.DynamicTextsLength = CheckedI32(int64_t(contents.dynamicTexts.size()), "the interface texts");
  trailer.StaticTextsLength = CheckedI32(int64_t(contents.staticTexts.size()), "the interface texts");
  trailer.Info = info;
  std::vector<uint8_t> trailerBytes(PackageTrailer::kSize);
  trailer.ToStored(trailerBytes.data());
  package.Append(trailerBytes);

  out.bytes = std::move(package.Bytes());
  return out;
}

}  // namespace saverkit
