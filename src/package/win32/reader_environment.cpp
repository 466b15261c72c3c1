// The package reader's environment as Windows gives it: the module's own file, the primary
// screen, the temporary folder, string resource 1 and the movie picture resource.
#include <windows.h>

#include "package/reader_environment.h"

namespace saverkit {
namespace {

constexpr UINT kNameStringId = 1;
constexpr char kMoviePictureResource[] = "XJPEGXFLASH";

std::string ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), DWORD(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return path.substr(0, length);
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::string TempPath() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(DWORD(sizeof buffer), buffer);
  return length > 0 && length <= MAX_PATH ? std::string(buffer, length) : std::string();
}

std::string NameString() {
  char buffer[256] = {};
  const int length = LoadStringA(GetModuleHandleA(nullptr), kNameStringId, buffer, int(sizeof buffer));
  return std::string(buffer, length > 0 ? size_t(length) : 0);
}

std::vector<uint8_t> RawResource(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  return bytes ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>();
}

}  // namespace

ReaderEnvironment CurrentReaderEnvironment() {
  ReaderEnvironment environment;
  environment.executablePath = ModulePath();
  environment.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  environment.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  environment.tempDirectory = TempPath();
  environment.resourceName = NameString();
  environment.moviePicture = RawResource(kMoviePictureResource);
  return environment;
}

}  // namespace saverkit
