#include "package/xscr.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "package/byte_order.h"
#include "package/complement.h"
#include "package/movie_picture.h"
#include "package/package_file.h"
#include "package/temp_files.h"
#include "package/text_lines.h"
#include "raster/jpeg_codec.h"
#include "raster/saturating.h"
#include "raster/stretch.h"

namespace saverkit {
namespace {

constexpr int64_t kItemEntryBytes = int64_t(kItemEntrySize);
constexpr int64_t kMusicEntryBytes = int64_t(kMusicEntrySize);
constexpr size_t kMaxResourceNameLength = 63;

constexpr char kMoviePrefix[] = "~F_";
constexpr char kMovieSuffix[] = ".swf";
constexpr char kMusicPrefix[] = "~S_";

// The file extracted before while it still exists; otherwise the data `read` gives, written to a
// fresh temporary file that `extracted` then remembers. On failure `path` is empty and `extracted`
// stays as it was, so a later call tries again.
template <typename ReadData>
bool ExtractOnce(const ReadData& read, const std::string& tempDirectory, const std::string& prefix,
                 const std::string& suffix, std::string& extracted, std::string& path) {
  if (!extracted.empty() && FileExists(extracted)) {
    path = extracted;
    return true;
  }
  std::vector<uint8_t> data;
  path = read(data) ? CreateFreshTempFile(tempDirectory, prefix, suffix, data) : std::string();
  if (path.empty()) return false;
  extracted = path;
  return true;
}

}  // namespace

XSCR::XSCR(ReaderEnvironment environment) : environment_(std::move(environment)) { Load(); }

XSCR::~XSCR() { Clear(); }

void XSCR::Load() {
  Clear();
  if (environment_.executablePath.empty()) return;
  if (IsPackaged(environment_.executablePath) && LoadFromFile()) return;
  // No appended package: this build carries no resource form, so the reader stays empty apart
  // from the program's name.
  name_ = environment_.resourceName.substr(0, kMaxResourceNameLength);
}

bool XSCR::LoadFromFile() {
  Clear();
  std::optional<PackageFile> file = PackageFile::Open(environment_.executablePath);
  if (!file) return false;
  packaged_ = true;
  trailer_ = file->Trailer();
  packageBase_ = file->Base();

  ReadDirectory(*file);

  std::vector<uint8_t> block;
  if (file->ReadComplementedBlock(0, int64_t(NameBlock::kSize), block)) name_ = NameBlock::Parse(block.data()).Name;
  if (trailer_.Info.HasAuthorInfo &&
      file->ReadComplementedBlock(int64_t(AuthorBlock::kOffset), int64_t(AuthorBlock::kSize), block))
    author_ = AuthorBlock::Parse(block.data());

  const std::optional<LabelTrailer> labelTrailer = file->ValidLabelTrailer();
  if (labelTrailer && file->ReadComplementedBlock(labelTrailer->LabelOffset, labelTrailer->LabelLength, block))
    labels_.Load(block);
  labels_.Resize(ItemCount());

  // The blocks behind the label block have no offsets of their own: without a valid label
  // trailer they cannot be found, and the package has no music names, background or licence.
  if (trailer_.Info.FormatVersion >= 4 && labelTrailer)
    ReadTrailingBlocks(*file, int64_t(labelTrailer->LabelOffset) + labelTrailer->LabelLength);
  NameMusicWithoutNames();
  FitLayout();
  return true;
}

void XSCR::ReadDirectory(PackageFile& file) {
  const int64_t itemCount = std::max<int32_t>(trailer_.Info.ItemCount, 0);
  const int64_t musicCount = std::max<int32_t>(trailer_.Info.MusicCount, 0);
  const int64_t start = packageBase_ + trailer_.DirectoryOffset;
  const int64_t available = start >= 0 && start <= file.Size() ? file.Size() - start : 0;

  // Only the entries that lie inside the file are read; music entries follow the items, so a
  // directory cut short among its items has no music.
  int64_t itemsHeld = std::min(itemCount, available / kItemEntryBytes);
  int64_t musicHeld =
      itemsHeld == itemCount ? std::min(musicCount, (available - itemsHeld * kItemEntryBytes) / kMusicEntryBytes) : 0;

  std::vector<uint8_t> directory;
  if (!file.ReadBlock(trailer_.DirectoryOffset, itemsHeld * kItemEntryBytes + musicHeld * kMusicEntryBytes, directory))
    itemsHeld = musicHeld = 0;
  const uint8_t* entry = directory.data();
  for (int64_t i = 0; i < itemsHeld; ++i, entry += kItemEntrySize) {
    itemLocators_.push_back(ItemLocator::Parse(entry));
    items_.push_back(ItemRecord::Parse(entry + ItemLocator::kSize));
    itemFiles_.emplace_back();
  }
  for (int64_t k = 0; k < musicHeld; ++k, entry += kMusicEntrySize) {
    musicLocators_.push_back(ItemLocator::Parse(entry));
    music_.push_back(MusicRecord::Parse(entry + ItemLocator::kSize));
    musicFiles_.emplace_back();
  }
  // The record's counts say what the reader holds, so no part indexes past the lists.
  trailer_.Info.ItemCount = ItemCount();
  trailer_.Info.MusicCount = MusicCount();
}

void XSCR::ReadTrailingBlocks(PackageFile& file, int64_t position) {
  std::vector<uint8_t> block;
  if (!file.ReadComplementedBlock(position, int64_t(ExtensionBlock::kSize), block)) return;
  extension_ = ExtensionBlock::Parse(block.data());
  position += int64_t(ExtensionBlock::kSize);

  // A block that does not lie in the file also hides every block behind it.
  if (extension_.MusicNamesLength > 0) {
    if (!file.ReadComplementedBlock(position, extension_.MusicNamesLength, block)) return;
    musicNames_ = SplitTextLines(std::string(block.begin(), block.end()));
    position += extension_.MusicNamesLength;
  }
  if (extension_.BackgroundLength > 0) {
    if (!file.ReadComplementedBlock(position, extension_.BackgroundLength, block)) return;
    Bitmap decoded;
    if (DecodeJpeg(block, kFullScale, decoded)) background_ = std::move(decoded);
    position += extension_.BackgroundLength;
  }
  if (trailer_.Info.FormatVersion >= 5 && file.ReadComplementedBlock(position, int64_t(kLicenceLengthSize), block)) {
    const int32_t length = ReadI32(block.data());
    if (length >= 1 && length <= kMaxLicenceLength &&
        file.ReadComplementedBlock(position + int64_t(kLicenceLengthSize), length, block))
      licenceText_.assign(block.begin(), block.end());
  }
}

void XSCR::NameMusicWithoutNames() {
  if (musicNames_.size() == music_.size()) return;
  musicNames_.clear();
  for (size_t k = 0; k < music_.size(); ++k)
    musicNames_.push_back(DefaultMusicName(k, music_[k]));
}

void XSCR::FitLayout() {
  const int32_t screenWidth = environment_.screenWidth, screenHeight = environment_.screenHeight;
  if (screenWidth <= 0 || screenHeight <= 0) return;  // no screen to fit to
  if (trailer_.Info.FormatVersion >= 4) {
    if (screenWidth != DesignWidth() || screenHeight != DesignHeight()) FitToScreen(DesignWidth(), DesignHeight());
  } else if (screenWidth != DesignWidth()) {
    ScaleLayout(0, 0, double(screenWidth) / DesignWidth());
  }
}

void XSCR::DeleteTemporaryFiles() {
  for (std::vector<std::string>* files : {&itemFiles_, &musicFiles_}) {
    for (std::string& path : *files) {
      if (!path.empty()) RemoveFile(path);
      path.clear();
    }
  }
}

void XSCR::Clear() {
  DeleteTemporaryFiles();
  itemLocators_.clear();
  items_.clear();
  itemFiles_.clear();
  musicLocators_.clear();
  music_.clear();
  musicFiles_.clear();
  musicNames_.clear();
  labels_.Clear();
  trailer_ = PackageTrailer{};
  packageBase_ = 0;
  author_ = AuthorBlock{};
  extension_ = ExtensionBlock{};
  packaged_ = false;
  name_.clear();
  licenceText_.clear();
  background_.reset();
}

int32_t XSCR::OverlayCount() const {
  return int32_t(std::count_if(items_.begin(), items_.end(), [](const ItemRecord& r) { return r.Overlay != 0; }));
}

int32_t XSCR::DesignWidth() {
  if (trailer_.Info.DesignWidth <= 0) trailer_.Info.DesignWidth = environment_.screenWidth;
  return trailer_.Info.DesignWidth;
}

int32_t XSCR::DesignHeight() {
  if (extension_.DesignHeight <= 0) extension_.DesignHeight = environment_.screenHeight;
  return extension_.DesignHeight;
}

ItemRecord XSCR::GetItem(int32_t index) const {
  if (index < 0 || index >= ItemCount()) return DefaultItemRecord(trailer_.Info);
  return items_[size_t(index)];
}

MusicRecord XSCR::GetMusic(int32_t index) const {
  if (index < 0 || index >= MusicCount()) return MusicRecord{};
  return music_[size_t(index)];
}

std::string XSCR::MusicName(int32_t index) const {
  if (index < 0 || size_t(index) >= musicNames_.size()) return {};
  return musicNames_[size_t(index)];
}

bool XSCR::ReadMedia(const ItemLocator& locator, std::vector<uint8_t>& data) const {
  if (!packaged_ || locator.Length <= 0) return false;
  std::optional<PackageFile> file = PackageFile::Open(environment_.executablePath);
  if (!file || !file->ReadBlock(locator.Offset, locator.Length, data)) return false;
  ComplementLeadingEighth(data);
  return true;
}

bool XSCR::ReadItemData(int32_t index, std::vector<uint8_t>& data) const {
  if (index < 0 || index >= ItemCount()) return false;
  return ReadMedia(itemLocators_[size_t(index)], data);
}

bool XSCR::ReadMusicData(int32_t index, std::vector<uint8_t>& data) const {
  if (index < 0 || index >= MusicCount()) return false;
  return ReadMedia(musicLocators_[size_t(index)], data);
}

bool XSCR::ReadTextBlocks(std::vector<uint8_t>& dynamicTexts, std::vector<uint8_t>& staticTexts) const {
  if (!packaged_) return false;
  std::optional<PackageFile> file = PackageFile::Open(environment_.executablePath);
  if (!file) return false;
  const int64_t dynamicLength = std::max<int32_t>(trailer_.DynamicTextsLength, 0);
  const int64_t staticLength = std::max<int32_t>(trailer_.StaticTextsLength, 0);
  std::vector<uint8_t> first, second;
  if (!file->ReadComplementedBlock(trailer_.TextsOffset, dynamicLength, first) ||
      !file->ReadComplementedBlock(int64_t(trailer_.TextsOffset) + dynamicLength, staticLength, second))
    return false;
  dynamicTexts = std::move(first);
  staticTexts = std::move(second);
  return true;
}

bool XSCR::LoadPicture(int32_t index, int scale, Bitmap& picture, ItemRecord* record) const {
  if (record) *record = GetItem(index);
  std::vector<uint8_t> data;
  return ReadItemData(index, data) && DecodeJpeg(data, scale, picture);
}

bool XSCR::LoadPictureToCover(int32_t index, int shownWidth, int shownHeight, Bitmap& picture) const {
  std::vector<uint8_t> data;
  return ReadItemData(index, data) && DecodeJpegToCover(data.data(), data.size(), shownWidth, shownHeight, picture);
}

bool XSCR::PictureSize(int32_t index, int& width, int& height) const {
  std::vector<uint8_t> data;
  return ReadItemData(index, data) && ReadJpegSize(data.data(), data.size(), width, height);
}

bool XSCR::Thumbnail(int32_t index, int maxWidth, int maxHeight, Bitmap& thumbnail) const {
  const ItemRecord record = GetItem(index);
  if (record.Kind == kKindMovie) {
    thumbnail = MoviePicture(environment_.moviePicture);
    return false;
  }
  if (record.Kind != kKindPicture) return false;
  Bitmap small;
  if (!LoadPicture(index, kThumbnailScale, small)) return false;
  if (maxWidth > 0 && maxHeight > 0 && (small.Width() > maxWidth || small.Height() > maxHeight)) {
    const double q = std::max(double(small.Width()) / maxWidth, double(small.Height()) / maxHeight);
    StretchBitmap(small, std::max(1, int(small.Width() / q)), std::max(1, int(small.Height() / q)));
  }
  thumbnail = std::move(small);
  return true;
}

bool XSCR::ExtractMovie(int32_t index, std::string& path) {
  if (index < 0 || index >= ItemCount()) return false;
  const auto read = [&](std::vector<uint8_t>& data) { return ReadItemData(index, data); };
  return ExtractOnce(read, environment_.tempDirectory, kMoviePrefix, kMovieSuffix, itemFiles_[size_t(index)], path);
}

bool XSCR::ExtractMusic(int32_t index, std::string& path, MusicRecord& record) {
  record = GetMusic(index);
  if (index < 0 || index >= MusicCount()) return false;
  const auto read = [&](std::vector<uint8_t>& data) { return ReadMusicData(index, data); };
  return ExtractOnce(read, environment_.tempDirectory, kMusicPrefix, record.FileSuffix, musicFiles_[size_t(index)],
                     path);
}

bool XSCR::ExportPicture(int32_t index, const std::string& path) const {
  Bitmap picture;
  if (!LoadPicture(index, kFullScale, picture)) return false;
  const ItemRecord& record = items_[size_t(index)];
  // A size beyond what a picture may have is not honoured: the picture keeps its own.
  if (record.Width > 0 && record.Height > 0) StretchBitmap(picture, record.Width, record.Height);
  const std::vector<uint8_t> jpeg = EncodeJpeg(picture, kExportQuality);
  return !jpeg.empty() && WriteWholeFile(path, jpeg);
}

bool XSCR::SaveAll(const std::string& directory, bool pictures, bool music) {
  if (!IsDirectory(directory)) return false;
  const std::string folder = WithTrailingSeparator(directory);
  if (pictures) {
    if (background_) {
      // The background is a bonus: failing to export it does not stop the rest.
      const std::vector<uint8_t> jpeg = EncodeJpeg(*background_, kBackgroundExportQuality);
      if (!jpeg.empty()) WriteWholeFile(folder + "Pic_bk.jpg", jpeg);
    }
    for (int32_t i = 0; i < ItemCount(); ++i) {
      const std::string number = std::to_string(i + 1);
      const int32_t kind = items_[size_t(i)].Kind;
      if (kind == kKindPicture) {
        if (!ExportPicture(i, folder + "Pic_" + number + ".jpg")) return false;
      } else if (kind == kKindMovie) {
        std::string movie;
        if (!ExtractMovie(i, movie) || !CopyFileReplacing(movie, folder + "Flash_" + number + kMovieSuffix))
          return false;
      }
    }
  }
  if (music) {
    for (int32_t k = 0; k < MusicCount(); ++k) {
      std::string file;
      MusicRecord record;
      if (!ExtractMusic(k, file, record) ||
          !CopyFileReplacing(file, folder + "Music_" + std::to_string(k + 1) + SafeFileSuffix(record.FileSuffix)))
        return false;
    }
  }
  return true;
}

void XSCR::SetBackground(const Bitmap* picture) {
  background_.reset();
  if (picture) background_ = picture->Clone();
}

void XSCR::FitToScreen(int32_t w, int32_t h) {
  if (w <= 0 || h <= 0) return;
  const double screenWidth = environment_.screenWidth, screenHeight = environment_.screenHeight;
  const double fx = screenWidth / w, fy = screenHeight / h;
  if (fy > fx)
    ScaleLayout(0, TruncToI32((screenHeight - h * fx) * 0.5), fx);
  else
    ScaleLayout(TruncToI32((screenWidth - w * fy) * 0.5), 0, fy);
}

void XSCR::ScaleLayout(int32_t dx, int32_t dy, double f) {
  for (ItemRecord& r : items_) {
    r.X = TruncToI32(dx + r.X * f);
    r.Y = TruncToI32(dy + r.Y * f);
    r.Width = TruncToI32(r.Width * f);
    r.Height = TruncToI32(r.Height * f);
  }
  labels_.Scale(dx, dy, f);
  trailer_.Info.DesignWidth = environment_.screenWidth;
  extension_.DesignHeight = environment_.screenHeight;
}

}  // namespace saverkit
