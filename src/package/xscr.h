// XSCR: the package reader. Loads the package appended to the program's own executable (trailer,
// directory, name, author, labels, extension block, music names, background, licence), answers
// every question the forms ask about it, decodes pictures and extracts movies and music on demand,
// exports everything into a folder, and converts design-screen positions to the current screen
// once, at load.
//
// The package is untrusted: every offset, length and count read from it is checked against the
// file before use. A fault keeps what was read before it; nothing is allocated beyond the file.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "package/label_table.h"
#include "package/package_trailer.h"
#include "package/reader_environment.h"
#include "package/records.h"
#include "raster/bitmap.h"

namespace saverkit {

class PackageFile;

class XSCR {
 public:
  // Scales accepted by LoadPicture: full size, half, quarter, eighth.
  static constexpr int kFullScale = 0;
  static constexpr int kHalfScale = 1;
  static constexpr int kQuarterScale = 2;
  static constexpr int kEighthScale = 3;
  static constexpr int kThumbnailScale = kEighthScale;
  // Licence texts longer than this are not taken.
  static constexpr int32_t kMaxLicenceLength = saverkit::kMaxLicenceLength;
  // JPEG qualities of exported pictures.
  static constexpr int kExportQuality = 90;
  static constexpr int kBackgroundExportQuality = 80;

  // Records the environment, then loads.
  explicit XSCR(ReaderEnvironment environment);
  // Clears, which deletes every temporary file the reader made.
  ~XSCR();
  XSCR(const XSCR&) = delete;
  XSCR& operator=(const XSCR&) = delete;

  // Clears, then loads the appended package when the executable carries one. A program without
  // one keeps only its name from string resource 1.
  void Load();
  // Loads the appended package; false when the file cannot be read or carries no package.
  bool LoadFromFile();
  // Empties everything and deletes every extracted temporary file that still exists.
  void Clear();
  // Deletes every extracted temporary file that still exists; the package stays loaded, and a
  // movie or music asked for again is extracted anew.
  void DeleteTemporaryFiles();

  int32_t ItemCount() const { return int32_t(items_.size()); }
  int32_t MusicCount() const { return int32_t(music_.size()); }
  int32_t OverlayCount() const;
  int32_t DefaultSeconds() const { return trailer_.Info.DefaultSeconds; }
  bool RandomOrder() const { return trailer_.Info.RandomOrder != 0; }
  int32_t BackgroundColor() const { return trailer_.Info.BackgroundColor; }
  // The design screen; a size of 0 or less stands for the current screen and is replaced by it.
  int32_t DesignWidth();
  int32_t DesignHeight();

  // A copy of item i; the default item record for an index out of range.
  ItemRecord GetItem(int32_t index) const;
  // A copy of music i; an empty record for an index out of range.
  MusicRecord GetMusic(int32_t index) const;
  std::string MusicName(int32_t index) const;

  // Decodes picture `index` at `scale` (kFullScale .. kEighthScale) into `picture`,
  // which stays unchanged on failure. `record`, when given, receives GetItem(index) in any case.
  bool LoadPicture(int32_t index, int scale, Bitmap& picture, ItemRecord* record = nullptr) const;
  // Decodes picture `index` at the smallest of those scales that still gives at least
  // shownWidth x shownHeight pixels, ready to be stretched to that size; `picture` stays unchanged
  // on failure.
  bool LoadPictureToCover(int32_t index, int shownWidth, int shownHeight, Bitmap& picture) const;
  // The full size of picture `index`, read from its header; false when it is not a readable JPEG.
  bool PictureSize(int32_t index, int& width, int& height) const;
  // A picture decoded at one eighth and shrunk to fit maxWidth x maxHeight; for a movie the built-in
  // movie picture, and false. Other kinds leave `thumbnail` unchanged.
  bool Thumbnail(int32_t index, int maxWidth, int maxHeight, Bitmap& thumbnail) const;

  // The item's or music's bytes as they were before packaging; false when it has no data.
  bool ReadItemData(int32_t index, std::vector<uint8_t>& data) const;
  bool ReadMusicData(int32_t index, std::vector<uint8_t>& data) const;
  // The movie written to a temporary ".swf" file, made once and reused while it exists.
  bool ExtractMovie(int32_t index, std::string& path);
  // The music written to a temporary file with its own suffix; `record` receives GetMusic(index).
  bool ExtractMusic(int32_t index, std::string& path, MusicRecord& record);

  // Exports into an existing folder: "Pic_bk.jpg", "Pic_<n>.jpg", "Flash_<n>.swf", "Music_<n><suffix>".
  // Stops at the first failure; files already written stay.
  bool SaveAll(const std::string& directory, bool pictures, bool music);
  // Replaces the background with a copy of `picture`, or removes it for nullptr.
  void SetBackground(const Bitmap* picture);
  // Scales and centres a w x h design screen onto the current screen, keeping its proportions.
  void FitToScreen(int32_t w, int32_t h);
  // Maps item positions and labels: position = d + position * f, size = size * f (cut toward zero).
  void ScaleLayout(int32_t dx, int32_t dy, double f);

  // The interface-text block's two parts, complemented back; false when they are not in the file.
  bool ReadTextBlocks(std::vector<uint8_t>& dynamicTexts, std::vector<uint8_t>& staticTexts) const;

  bool Packaged() const { return packaged_; }
  const std::string& Name() const { return name_; }
  const std::string& LicenceText() const { return licenceText_; }
  const Bitmap* Background() const { return background_ ? &*background_ : nullptr; }
  const LabelTable& Labels() const { return labels_; }
  LabelTable& Labels() { return labels_; }
  const PackageTrailer& Trailer() const { return trailer_; }
  const InfoRecord& Info() const { return trailer_.Info; }
  const AuthorBlock& Author() const { return author_; }
  const ExtensionBlock& Extension() const { return extension_; }
  const ReaderEnvironment& Environment() const { return environment_; }

 private:
  bool ReadMedia(const ItemLocator& locator, std::vector<uint8_t>& data) const;
  void ReadDirectory(PackageFile& file);
  void ReadTrailingBlocks(PackageFile& file, int64_t position);
  void NameMusicWithoutNames();
  void FitLayout();
  bool ExportPicture(int32_t index, const std::string& path) const;

  ReaderEnvironment environment_;
  bool packaged_ = false;
  PackageTrailer trailer_;
  int64_t packageBase_ = 0;
  AuthorBlock author_;
  ExtensionBlock extension_;
  std::vector<ItemLocator> itemLocators_;
  std::vector<ItemRecord> items_;
  std::vector<std::string> itemFiles_;
  std::vector<ItemLocator> musicLocators_;
  std::vector<MusicRecord> music_;
  std::vector<std::string> musicFiles_;
  std::vector<std::string> musicNames_;
  std::string name_;
  std::string licenceText_;
  std::optional<Bitmap> background_;
  LabelTable labels_;
};

}  // namespace saverkit
