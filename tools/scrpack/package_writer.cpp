#include "tools/scrpack/package_writer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "package/byte_order.h"
#include "package/complement.h"
#include "package/package_trailer.h"

namespace saverkit {
namespace {

constexpr int32_t kNewestFormat = 5;
// Complemented bytes pass through a buffer of this size, so the caller's data is never copied whole.
constexpr size_t kComplementChunk = 64 * 1024;

// Layout per format: 4 adds the extension block, music names and background; 5 the licence text.
bool HasExtensionBlock(int32_t format) { return format >= 4; }
bool HasLicence(int32_t format) { return format >= 5; }

template <typename Record>
std::vector<uint8_t> SerializeRecord(const Record& record) {
  std::vector<uint8_t> bytes(Record::kSize);
  record.Serialize(bytes.data());
  return bytes;
}

int32_t EffectiveFormat(int32_t requested) { return requested <= 0 ? kNewestFormat : requested; }

// "the <what> is longer than <size> bytes" when `text` does not fit a field of `size` bytes.
std::string TooLong(const std::string& text, size_t size, const std::string& what) {
  return text.size() > size ? "the " + what + " is longer than " + std::to_string(size) + " bytes" : std::string();
}

void Refuse(const std::string& problem) {
  if (!problem.empty()) throw std::invalid_argument(problem);
}

int32_t CheckedI32(int64_t value, const char* what) {
  if (value > std::numeric_limits<int32_t>::max())
    throw std::length_error(std::string("the package is too large: ") + what + " passes 2 GiB");
  return int32_t(value);
}

}  // namespace

void PackageWriter::Require(bool inOrder, const char* call) const {
  if (!inOrder)
    throw std::logic_error(std::string("PackageWriter::") + call +
                           " out of order: the heading, then items, then music, then Finish");
}

void PackageWriter::Write(const uint8_t* data, size_t size) {
  if (size == 0) return;
  sink_.Write(data, size);
  size_ += int64_t(size);
}

void PackageWriter::WriteComplemented(const uint8_t* data, size_t size) {
  std::vector<uint8_t> chunk(std::min(size, kComplementChunk));
  for (size_t done = 0; done < size;) {
    const size_t count = std::min(size - done, chunk.size());
    std::copy(data + done, data + done + count, chunk.begin());
    Complement(chunk.data(), int64_t(count));
    Write(chunk.data(), count);
    done += count;
  }
}

int64_t PackageWriter::WriteMedia(const std::vector<uint8_t>& data, const char* what) {
  const int64_t offset = size_;
  CheckedI32(offset + int64_t(data.size()), what);
  const size_t eighth = size_t(LeadingEighth(int64_t(data.size())));
  WriteComplemented(data.data(), eighth);
  Write(data.data() + eighth, data.size() - eighth);
  return offset;
}

// A directory entry: the locator, then the record.
template <typename Record>
void PackageWriter::WriteEntry(const Entry<Record>& entry, const char* what) {
  const std::vector<uint8_t> locator =
      SerializeRecord(ItemLocator{CheckedI32(entry.offset, what), CheckedI32(entry.length, what)});
  Write(locator.data(), locator.size());
  const std::vector<uint8_t> record = SerializeRecord(entry.record);
  Write(record.data(), record.size());
}

void PackageWriter::WriteHeading(const PackageContents& heading) {
  Require(stage_ == Stage::kHeading, "WriteHeading");
  for (const std::string& problem : {TooLong(heading.name, NameBlock::kSize, "name"),
                                     TooLong(heading.author.Author, AuthorBlock::kAuthorSize, "author"),
                                     TooLong(heading.author.Email, AuthorBlock::kEmailSize, "e-mail address"),
                                     TooLong(heading.author.HomePage, AuthorBlock::kHomePageSize, "home page")})
    Refuse(problem);
  stage_ = Stage::kItems;
  const std::vector<uint8_t> name = SerializeRecord(NameBlock{heading.name});
  WriteBlock(name);
  if (heading.writeAuthor) {
    const std::vector<uint8_t> author = SerializeRecord(heading.author);
    WriteBlock(author);
  }
}

void PackageWriter::AddItem(const PackageItem& item) {
  Require(stage_ == Stage::kItems, "AddItem");
  const std::string which = "item " + std::to_string(items_.size() + 1);
  for (int k = 0; k < item.labels.Count(); ++k)
    if (item.labels.Get(k)->FontName.size() >= LabelRecord::kFontNameSize)
      Refuse(which + ": a label's font name is longer than " + std::to_string(LabelRecord::kFontNameSize - 1) + " bytes");
  const int64_t offset = WriteMedia(item.data, "an item");
  items_.push_back({item.record, offset, int64_t(item.data.size())});
  labels_.Append(item.labels);
}

void PackageWriter::AddMusic(const PackageMusic& music) {
  Require(stage_ == Stage::kItems || stage_ == Stage::kMusic, "AddMusic");
  const std::string which = "music " + std::to_string(music_.size() + 1);
  for (const std::string& problem : {TooLong(music.record.FileSuffix, MusicRecord::kMaxNameLength, "file suffix"),
                                     TooLong(music.record.ResourceName, MusicRecord::kMaxNameLength, "resource name")})
    if (!problem.empty()) Refuse(which + ": " + problem);
  if (music.name.find_first_of("\r\n") != std::string::npos) Refuse(which + ": the display name holds a line break");
  stage_ = Stage::kMusic;
  const int64_t offset = WriteMedia(music.data, "a music");
  // Every music gets a line, so the reader's line count always matches the music count.
  if (!music_.empty()) musicNames_ += "\r\n";
  musicNames_ += music.name.empty() ? DefaultMusicName(music_.size(), music.record) : music.name;
  music_.push_back({music.record, offset, int64_t(music.data.size())});
}

PackageLayout PackageWriter::Finish(const PackageContents& rest) {
  Require(stage_ == Stage::kItems || stage_ == Stage::kMusic, "Finish");
  for (const std::string& problem : {TooLong(rest.info.Description, InfoRecord::kDescriptionSize, "description"),
                                     TooLong(rest.licence, size_t(kMaxLicenceLength), "licence text")})
    Refuse(problem);
  stage_ = Stage::kFinished;

  const int32_t format = EffectiveFormat(rest.info.FormatVersion);
  InfoRecord info = rest.info;
  info.SetValidSignature();
  info.FormatVersion = format;
  info.ItemCount = CheckedI32(int64_t(items_.size()), "the item count");
  info.MusicCount = CheckedI32(int64_t(music_.size()), "the music count");
  info.HasAuthorInfo = rest.writeAuthor ? 1 : 0;

  PackageLayout layout;
  for (const Entry<ItemRecord>& item : items_) layout.itemOffsets.push_back(item.offset);
  for (const Entry<MusicRecord>& music : music_) layout.musicOffsets.push_back(music.offset);

  layout.directoryOffset = size_;
  for (const Entry<ItemRecord>& item : items_) WriteEntry(item, "an item");
  for (const Entry<MusicRecord>& music : music_) WriteEntry(music, "a music");

  layout.textsOffset = size_;
  WriteBlock(rest.dynamicTexts);
  WriteBlock(rest.staticTexts);

  layout.labelOffset = size_;
  const std::vector<uint8_t> labelBlock = SerializeLabelBlock(labels_);
  WriteBlock(labelBlock);
  layout.labelLength = size_ - layout.labelOffset;

  layout.extensionOffset = -1;
  if (HasExtensionBlock(format)) {
    ExtensionBlock extension = rest.extension;
    extension.MusicNamesLength = CheckedI32(int64_t(musicNames_.size()), "the music names");
    extension.BackgroundLength = CheckedI32(int64_t(rest.background.size()), "the background picture");
    layout.extensionOffset = size_;
    const std::vector<uint8_t> extensionBytes = SerializeRecord(extension);
    WriteBlock(extensionBytes);
    WriteBlock(musicNames_);
    WriteBlock(rest.background);
  }

  layout.licenceOffset = -1;
  if (HasLicence(format)) {
    layout.licenceOffset = size_;
    std::vector<uint8_t> licence;
    AppendI32(licence, int32_t(rest.licence.size()));
    licence.insert(licence.end(), rest.licence.begin(), rest.licence.end());
    WriteBlock(licence);
  }

  LabelTrailer labelTrailer;
  labelTrailer.LabelOffset = CheckedI32(layout.labelOffset, "the label block's offset");
  labelTrailer.LabelLength = CheckedI32(layout.labelLength, "the label block");
  const std::vector<uint8_t> labelTrailerBytes = SerializeRecord(labelTrailer);
  Write(labelTrailerBytes.data(), labelTrailerBytes.size());

  PackageTrailer trailer;
  trailer.PackageLength = CheckedI32(size_ + int64_t(PackageTrailer::kSize), "the package");
  trailer.DirectoryOffset = CheckedI32(layout.directoryOffset, "the directory's offset");
  trailer.TextsOffset = CheckedI32(layout.textsOffset, "the texts' offset");
  trailer.DynamicTextsLength = CheckedI32(int64_t(rest.dynamicTexts.size()), "the interface texts");
  trailer.StaticTextsLength = CheckedI32(int64_t(rest.staticTexts.size()), "the interface texts");
  trailer.Info = info;
  std::vector<uint8_t> trailerBytes(PackageTrailer::kSize);
  trailer.ToStored(trailerBytes.data());
  Write(trailerBytes.data(), trailerBytes.size());
  return layout;
}

namespace {

class MemorySink : public ByteSink {
 public:
  void Write(const uint8_t* data, size_t size) override { bytes_.insert(bytes_.end(), data, data + size); }
  std::vector<uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

WrittenPackage WritePackage(const PackageContents& contents) {
  MemorySink sink;
  PackageWriter writer(sink);
  writer.WriteHeading(contents);
  for (const PackageItem& item : contents.items) writer.AddItem(item);
  for (const PackageMusic& music : contents.music) writer.AddMusic(music);
  WrittenPackage out;
  out.layout = writer.Finish(contents);
  out.bytes = std::move(sink.Bytes());
  return out;
}

}  // namespace saverkit
