// What the configuration dialog writes to disk at the user's request: one picture or movie, one
// music, and the bitmap that becomes the desktop wallpaper.
#pragma once

#include <cstdint>
#include <string>

#include "package/xscr.h"

namespace saverkit {

// JPEG quality of a picture saved on its own.
inline constexpr int kSavedPictureQuality = 75;

// A picture item decoded at full size and saved in the format its extension names (".bmp", or
// ".jpg", ".jpeg", ".jpe" at quality 75); a movie item copied as it was packaged. False when the
// item cannot be read, the extension names no format, or the file cannot be written.
bool SaveItemAs(XSCR& reader, int32_t index, const std::string& path);

// The music copied as it was packaged; false when it cannot be read or the file not written.
bool SaveMusicAs(XSCR& reader, int32_t index, const std::string& path);

// A picture item at full size, stretched to its record's size when it has one, written as a
// Windows bitmap for the desktop; false for a movie, an undecodable picture or a failed write.
bool WriteWallpaperBitmap(XSCR& reader, int32_t index, const std::string& path);

}  // namespace saverkit
