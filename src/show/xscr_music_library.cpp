#include "show/xscr_music_library.h"

namespace saverkit {

bool XscrMusicLibrary::ExtractMusic(int32_t index, std::string& path) {
  MusicRecord record;
  return reader_.ExtractMusic(index, path, record);
}

}  // namespace saverkit
