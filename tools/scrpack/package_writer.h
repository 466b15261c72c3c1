// Writes screen-saver packages: everything the runtime reads from behind its own image.
// The package bytes are appended to a runtime executable; the trailer comes last.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "package/label_table.h"
#include "package/records.h"

namespace saverkit {

struct PackageItem {
  ItemRecord record;          // Kind 0: a JPEG in `data`; Kind 1: a Flash movie
  std::vector<uint8_t> data;  // stored with its leading eighth complemented
  LabelList labels;           // the caption labels of this item
};

struct PackageMusic {
  MusicRecord record;
  std::vector<uint8_t> data;
  std::string name;  // display name, one line of the music-names block
};

struct PackageContents {
  std::string name;            // the screen-saver name, at most 64 bytes
  InfoRecord info;             // ItemCount, MusicCount, HasAuthorInfo and the signature are set by the writer
  AuthorBlock author;          // written when `writeAuthor`
  bool writeAuthor = false;
  ExtensionBlock extension;    // MusicNamesLength and BackgroundLength are set by the writer
  std::vector<PackageItem> items;
  std::vector<PackageMusic> music;
  std::string dynamicTexts;    // interface texts, one per line
  std::string staticTexts;     // INI lines
  std::vector<uint8_t> background;  // a JPEG, or empty
  std::string licence;         // format version 5 and later
};

// Where each block went, from the package base, so tests can damage a chosen field.
struct PackageLayout {
  int64_t directoryOffset = 0;
  int64_t textsOffset = 0;
  int64_t labelOffset = 0;
  int64_t labelLength = 0;
  int64_t extensionOffset = 0;  // -1 before format version 4
  int64_t licenceOffset = 0;    // the licence length field; -1 before format version 5
  std::vector<int64_t> itemOffsets;
  std::vector<int64_t> musicOffsets;
};

struct WrittenPackage {
  std::vector<uint8_t> bytes;  // to append behind a runtime image
  PackageLayout layout;
};

// Where a package's bytes go as the writer lays them out: the output file, or memory.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Throws std::runtime_error, one line naming the destination, when the bytes cannot be written.
  virtual void Write(const uint8_t* data, size_t size) = 0;
};

// Writes a package in one pass, in the order of the format of `info.FormatVersion` (3, 4, or 5
// and later; 0 or less writes the newest, 5): the name and author blocks, each item's and each
// music's data the moment it is added, then the directory and every block behind the media. Only
// records, labels and offsets are kept until the end, so a package of any size takes the memory
// of its largest item. Offsets count from the package's first byte.
//
// Each part is checked as it comes: what the package cannot carry as given (a text longer than its
// field, a display name with a line break, ...) throws std::invalid_argument naming it, and a
// package that would pass the format's 2 GiB limit throws std::length_error before the bytes that
// pass it are written. A writer that threw is done with; its sink holds part of a package.
class PackageWriter {
 public:
  explicit PackageWriter(ByteSink& sink) : sink_(sink) {}
  PackageWriter(const PackageWriter&) = delete;
  PackageWriter& operator=(const PackageWriter&) = delete;

  // The name block, and the author block when `heading.writeAuthor`; first, and once.
  void WriteHeading(const PackageContents& heading);
  // Every item before the first music. The data is written at once and not kept.
  void AddItem(const PackageItem& item);
  // Music without a display name is written under the name the runtime would give it
  // ("Music-" + number + suffix), so the names always match the music.
  void AddMusic(const PackageMusic& music);
  // The directory of what was added, then the texts, labels, extension, music names, background,
  // licence and trailers from `rest`, whose own items and music are not looked at.
  PackageLayout Finish(const PackageContents& rest);

  size_t ItemCount() const { return items_.size(); }
  size_t MusicCount() const { return music_.size(); }
  int64_t Size() const { return size_; }  // bytes written so far

 private:
  enum class Stage { kHeading, kItems, kMusic, kFinished };
  template <typename Record>
  struct Entry {
    Record record;
    int64_t offset = 0, length = 0;
  };

  void Require(bool inOrder, const char* call) const;
  void Write(const uint8_t* data, size_t size);
  void WriteComplemented(const uint8_t* data, size_t size);
  // Blocks other than media are complemented whole.
  template <typename Bytes>
  void WriteBlock(const Bytes& block) {
    WriteComplemented(reinterpret_cast<const uint8_t*>(block.data()), block.size());
  }
  // Media has only its leading eighth complemented; returns where it went.
  int64_t WriteMedia(const std::vector<uint8_t>& data, const char* what);
  template <typename Record>
  void WriteEntry(const Entry<Record>& entry, const char* what);

  ByteSink& sink_;
  Stage stage_ = Stage::kHeading;
  int64_t size_ = 0;
  std::vector<Entry<ItemRecord>> items_;
  std::vector<Entry<MusicRecord>> music_;
  LabelTable labels_;       // the caption labels of the items added, in their order
  std::string musicNames_;  // one line per music added
};

// The whole package in memory, through the same writer.
WrittenPackage WritePackage(const PackageContents& contents);

}  // namespace saverkit
