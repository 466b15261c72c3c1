// The package's fixed-layout records: the information record, the author and extension blocks,
// and the directory's item and music records. Fields keep the names the package format gives them;
// bytes the format leaves uninterpreted are not kept (a writer stores zero there).
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

struct InfoRecord {
  static constexpr size_t kSize = 380;
  static constexpr size_t kEditionOffset = 117;

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
};

struct AuthorBlock {
  static constexpr size_t kSize = 128;
  std::string Author;    // char[32]
  std::string Email;     // char[32]
  std::string HomePage;  // char[64]

  static AuthorBlock Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
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
  bool operator==(const ItemRecord& other) const;
};

struct MusicRecord {
  static constexpr size_t kSize = 16;
  std::string FileSuffix;    // char[8]
  std::string ResourceName;  // char[8]

  static MusicRecord Parse(const uint8_t* bytes);
  void Serialize(uint8_t* bytes) const;
};

// The record handed out for an index out of range, built from the information record's defaults.
ItemRecord DefaultItemRecord(const InfoRecord& info);
// The record handed out when no package reader exists at all.
ItemRecord DefaultItemRecordWithoutPackage();

}  // namespace saverkit
