// The package reader as the show's music library.
#pragma once

#include <string>

#include "package/xscr.h"
#include "music/show_music.h"

namespace saverkit {

class XscrMusicLibrary : public MusicLibrary {
 public:
  explicit XscrMusicLibrary(XSCR& reader) : reader_(reader) {}
  int32_t MusicCount() const override { return reader_.MusicCount(); }
  bool ExtractMusic(int32_t index, std::string& path) override;

 private:
  XSCR& reader_;
};

}  // namespace saverkit
