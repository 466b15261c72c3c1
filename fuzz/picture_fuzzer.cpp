// Decodes arbitrary bytes as the JPEG of a packaged picture through LoadPicture, at the scale the
// input's first byte picks; as the show does, reading the size from the header and decoding just
// large enough to cover a shown size the first byte picks; and through Thumbnail, which shrinks
// what it decoded.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_file.h"
#include "package/xscr.h"
#include "tools/scrpack/package_writer.h"

using namespace saverkit;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const int scale = data[0] % 4;
  PackageContents contents;
  PackageItem item;
  item.data.assign(data + 1, data + size);
  contents.items.push_back(std::move(item));
  const WrittenPackage package = WritePackage(contents);

  const std::string path = fuzz::ScratchFolder() + "/picture.scr";
  if (!fuzz::WriteScratchFile(path, package.bytes.data(), package.bytes.size())) return 0;
  ReaderEnvironment environment;
  environment.executablePath = path;
  XSCR reader(environment);
  Bitmap picture;
  reader.LoadPicture(0, scale, picture);
  int width = 0, height = 0;
  reader.PictureSize(0, width, height);
  reader.LoadPictureToCover(0, 1 + data[0] * 8, 1 + data[0] * 6, picture);
  reader.Thumbnail(0, 120, 90, picture);
  return 0;
}
