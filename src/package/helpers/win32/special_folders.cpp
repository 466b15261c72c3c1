#include "package/helpers/win32/special_folders.h"

#include <windows.h>
#include <shlobj.h>

namespace saverkit {
namespace {

constexpr int kFirstCode = 100;
// CSIDL values by code - 100.
constexpr int kShellFolders[] = {
    CSIDL_BITBUCKET, CSIDL_CONTROLS, CSIDL_DESKTOP,  CSIDL_DESKTOPDIRECTORY, CSIDL_DRIVES,   CSIDL_FONTS,
    CSIDL_NETHOOD,   CSIDL_NETWORK,  CSIDL_PERSONAL, CSIDL_PRINTERS,         CSIDL_PROGRAMS, CSIDL_RECENT,
    CSIDL_SENDTO,    CSIDL_STARTMENU, CSIDL_STARTUP, CSIDL_TEMPLATES,
};
static_assert(sizeof kShellFolders / sizeof *kShellFolders == 16, "codes 100 to 115");

}  // namespace

void SpecialFolderPath(char* buffer, int code) {
  const int index = code - kFirstCode;
  if (index < 0 || index >= int(sizeof kShellFolders / sizeof *kShellFolders)) return;
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || !allocator) return;
  LPITEMIDLIST list = nullptr;
  if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, kShellFolders[index], &list)) && list) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(list, path)) lstrcpynA(buffer, path, MAX_PATH);
    allocator->Free(list);
  }
  allocator->Release();
}

std::string SpecialFolderPath(int code) {
  char buffer[MAX_PATH] = {};
  SpecialFolderPath(buffer, code);
  return buffer;
}

}  // namespace saverkit
