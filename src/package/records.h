// The package's fixed-layout records: the name block, the information record, the author and
// extension blocks, and the directory's locators, item and music records. Fields keep the names the
// package format gives them; bytes the format leaves uninterpreted are not kept (a writer stores
// zero there). Each record's sizes are constants on its type, for the reader, the writer and the
// writer's checks alike; its field offsets are in its one field table in records.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace saverkit {

// The 31 characters and NUL that open every valid information record.
inline constexpr char kPackageSignature[] = "TwilightPanelGuildByOrinVasquel";
inline constexpr size_t kSignatureSize = 32;

inline constexpr uint8_t kEditionSetup = 'E';
inline constexpr uint8_t kEditionInstalled = 'S';

enum ItemKind : int32_t { kKindPicture = 0, kKindMovie = 1 };

// The block at the package base: the screen-saver name, padded to 64 bytes.
struct NameBlock {
  static constexpr size_t kSize = 64;
  std::string Name;

  // Without the padding: spaces, control characters and NULs on either side are removed.
  static NameBlock Parse(const uint8_t* bytes);
  // NUL-padded; a name of kSize bytes fills the block.
  void Serialize(uint8_t* bytes) const;
};

// The licence text of format version 5 and later: an i32 length, then the text. Only lengths from
// 1 to kMaxLicenceLength carry a text.
inline constexpr size_t kLicenceLengthSize = 4;
inline constexpr int32_t kMaxLicenceLength = 65536;

struct InfoRecord {
  static constexpr size_t kSize = 380;
  static constexpr size_t kEditionOffset = 117;
  static constexpr size_t kDescriptionOffset = 122;
  static constexpr size_t kDescriptionSize = 258;

  std::array<uint8_t, kSignatureSize> Signature{};
  int32_t ItemCount = 0;
  int32_t DefaultSeconds = 0;
  int32_t DefaultStep = 0;
  int32_t DefaultDelay = 0;
  int32_t DefaultOutStep = 0;
  int32_t DefaultOutDelay = 0;
  int32_t BackgroundColor = 0;
  uint8_t RandomOrder = 0;
  uint8_t HasAuthorInfo = 0;
  int32_t DesignWidth = 0;
  int32_t MusicCount = 0;
  uint8_t NoSaving = 0;
  int32_t FormatVersion = 0;
  uint8_t MotionMode = 0;
  uint8_t IgnoreMouseMove = 0;
  int32_t DefaultEffect = 0;
  int32_t DefaultOutEffect = 0;
  uint8_t HideGeneratorPage = 0;
  uint8_t Edition = 0;
  std::string Description;  // char[258]

  bool HasValidSignature() const;
  void SetValidSignature();

  static InfoRecord Parse(const uint8_t* bytes);  // kSize bytes
  void Serialize(uint8_t* bytes) const;            // kSize bytes
  // The field table, walked by Parse and Serialize (records.cpp); likewise on the records below.
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
};

struct AuthorBlock {
  static constexpr size_t kSize = 128;
  static constexpr size_t kAuthorSize = 32;
  static constexpr size_t kEmailSize = 32;
  static constexpr size_t kHomePageSize = 64;
  // The block follows the name block directly.
  static constexpr size_t kOffset = NameBlock::kSize;

  std::string Author;
  std::string Email;
  std::string HomePage;

  static AuthorBlock Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
};

struct ExtensionBlock {
  static constexpr size_t kSize = 20;
  int32_t DesignHeight = 0;
  int32_t MusicNamesLength = 0;
  int32_t Opacity = 0;
  uint8_t CursorVisible = 0;
  int32_t BackgroundLength = 0;

  static ExtensionBlock Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
};

// Where one item's or music's data lies, from the package base: the 8 bytes in front of its record
// in the directory.
struct ItemLocator {
  static constexpr size_t kSize = 8;
  int32_t Offset = 0;
  int32_t Length = 0;

  static ItemLocator Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
};

struct ItemRecord {
  static constexpr size_t kSize = 56;
  int32_t Seconds = 0;
  int32_t Effect = 0;
  int32_t Step = 0;
  int32_t Delay = 0;
  int32_t OutEffect = 0;
  int32_t OutStep = 0;
  int32_t OutDelay = 0;
  uint8_t FixedPosition = 0;
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Kind = kKindPicture;
  int32_t Overlay = 0;

  static ItemRecord Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
  bool operator==(const ItemRecord& other) const;
};

struct MusicRecord {
  static constexpr size_t kSize = 16;
  static constexpr size_t kFileSuffixSize = 8;
  static constexpr size_t kResourceNameSize = 8;
  // The longest suffix or resource name a package carries: the resource form of a package ends
  // both at their last byte, so a writer keeps that byte NUL.
  static constexpr size_t kMaxNameLength = kFileSuffixSize - 1;
  static_assert(kFileSuffixSize == kResourceNameSize, "both names share one limit");

  std::string FileSuffix;
  std::string ResourceName;

  static MusicRecord Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
  template <typename Record, typename Visitor>
  static void VisitFields(Record& record, const Visitor& visitor);
};

// The display name of music k (from 0) in a package whose music names do not match its music:
// "Music-" + (k + 1) + its FileSuffix.
std::string DefaultMusicName(size_t index, const MusicRecord& record);

// The directory: ItemCount entries of a locator and an item record, then MusicCount entries of a
// locator and a music record.
inline constexpr size_t kItemEntrySize = ItemLocator::kSize + ItemRecord::kSize;
inline constexpr size_t kMusicEntrySize = ItemLocator::kSize + MusicRecord::kSize;

// The record handed out for an index out of range, built from the information record's defaults.
ItemRecord DefaultItemRecord(const InfoRecord& info);
// The record handed out when no package reader exists at all.
ItemRecord DefaultItemRecordWithoutPackage();

}  // namespace saverkit
