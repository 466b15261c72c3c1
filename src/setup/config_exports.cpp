#include "setup/config_exports.h"

#include "base/files.h"
#include "raster/save_bitmap.h"
#include "raster/stretch.h"

namespace saverkit {
namespace {

// Overwrites the target as the Windows copy does; a failed copy leaves no partial file behind.
bool CopyOver(const std::string& from, const std::string& to) {
  return IsSameFile(from, to) || CopyFileReplacing(from, to);
}

}  // namespace

bool SaveItemAs(XSCR& reader, int32_t index, const std::string& path) {
  if (index < 0 || index >= reader.ItemCount() || path.empty()) return false;
  if (reader.GetItem(index).Kind == kKindMovie) {
    std::string movie;
    return reader.ExtractMovie(index, movie) && CopyOver(movie, path);
  }
  Bitmap picture;
  return reader.LoadPicture(index, XSCR::kFullScale, picture) && SaveBitmapAs(picture, path, kSavedPictureQuality);
}

bool SaveMusicAs(XSCR& reader, int32_t index, const std::string& path) {
  std::string music;
  MusicRecord record;
  return !path.empty() && reader.ExtractMusic(index, music, record) && CopyOver(music, path);
}

bool WriteWallpaperBitmap(XSCR& reader, int32_t index, const std::string& path) {
  Bitmap picture;
  ItemRecord record;
  if (!reader.LoadPicture(index, XSCR::kFullScale, picture, &record)) return false;
  StretchBitmap(picture, record.Width, record.Height);  // does nothing unless both are positive
  return SaveBitmapAs(picture, path, kSavedPictureQuality);
}

}  // namespace saverkit
