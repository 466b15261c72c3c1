// Reads a written package back with the package format code alone, block by block, so the
// writer's tests compare what a reader would see with what was written.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "package/label_table.h"
#include "package/package_file.h"
#include "package/records.h"
#include "package/temp_files.h"

namespace saverkit {

struct ReadBackItem {
  int32_t offset = 0, length = 0;
  ItemRecord record;
  std::vector<uint8_t> data;  // leading eighth restored
};

struct ReadBackMusic {
  int32_t offset = 0, length = 0;
  MusicRecord record;
  std::vector<uint8_t> data;
};

struct ReadBackPackage {
  PackageTrailer trailer;
  int64_t base = 0;
  std::string name;
  std::optional<AuthorBlock> author;
  std::vector<ReadBackItem> items;
  std::vector<ReadBackMusic> music;
  std::string dynamicTexts, staticTexts;
  bool labelTrailerValid = false;
  bool labelBlockComplete = false;
  LabelTable labels;
  std::optional<ExtensionBlock> extension;
  std::string musicNames;
  std::vector<uint8_t> background;
  std::optional<int32_t> licenceLength;
  std::string licence;
  int64_t endOfBlocks = 0;  // where the last block behind the label block ended, from the base
};

// Empty when the file carries no package or any block lies outside it.
std::optional<ReadBackPackage> ReadBack(const std::string& path);

std::vector<uint8_t> ReadWholeFile(const std::string& path);
// Files are written with the package code's own WriteWholeFile (package/temp_files.h).

}  // namespace saverkit
