// Writes screen-saver packages: everything the runtime reads from behind its own image.
// The package bytes are appended to a runtime executable; the trailer comes last.
#pragma once

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

// The first thing in `contents` that the package cannot carry as given (a text longer than its
// field, a display name with a line break, ...), or the empty text when everything fits.
std::string CheckPackageContents(const PackageContents& contents);

// Lays the contents out in the format of `contents.info.FormatVersion`: 3, 4, or 5 and later;
// 0 or less writes the newest format, 5. Music without a display name is written under the name
// the runtime would give it ("Music-" + number + suffix), so the names always match the music.
// Throws std::invalid_argument with CheckPackageContents' text, or std::length_error when the
// package would pass the format's 2 GiB limit.
WrittenPackage WritePackage(const PackageContents& contents);

}  // namespace saverkit
