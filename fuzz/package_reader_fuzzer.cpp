// Loads arbitrary bytes as a packaged executable through the whole load path: trailer, directory,
// name, author, labels, extension block, music names, background and licence; then asks for the
// records, a few pictures, a movie and a piece of music, as the show and the dialogs would.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_file.h"
#include "package/xscr.h"

using namespace saverkit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& folder = fuzz::ScratchFolder();
  const std::string path = folder + "/package.scr";
  if (!fuzz::WriteScratchFile(path, data, size)) return 0;

  ReaderEnvironment environment;
  environment.executablePath = path;
  environment.screenWidth = 1280;  // different from most design sizes, so the layout is fitted
  environment.screenHeight = 1024;
  environment.tempDirectory = folder;
  XSCR reader(environment);

  // A directory may claim thousands of items; the first few exercise every path, and the limit
  // keeps each input fast enough for the fuzzer to make progress.
  constexpr int32_t kItemsTried = 4;
  for (int32_t i = 0; i < std::min(reader.ItemCount(), kItemsTried); ++i) {
    Bitmap picture;
    reader.LoadPicture(i, XSCR::kThumbnailScale, picture);
    reader.Thumbnail(i, 120, 90, picture);
    std::string movie;
    reader.ExtractMovie(i, movie);
  }
  for (int32_t k = 0; k < std::min(reader.MusicCount(), kItemsTried); ++k) {
    std::string file;
    MusicRecord record;
    reader.ExtractMusic(k, file, record);
    reader.MusicName(k);
  }
  reader.GetItem(-1);
  reader.DesignWidth();
  reader.DesignHeight();
  return 0;  // the reader's destructor deletes the extracted files
}
