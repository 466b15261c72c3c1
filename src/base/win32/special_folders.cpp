#include "base/win32/special_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "base/win32/scoped_win.h"

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
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, kShellFolders[index], &list)) || !list) return;
  // The shell's item lists come from the COM task allocator, the one SHGetMalloc would hand out.
  const ScopedShellMemory owned(list);
  char path[MAX_PATH] = {};
  if (SHGetPathFromIDListA(list, path)) lstrcpynA(buffer, path, MAX_PATH);
}

std::string LocalAppDataFolder() {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path)))
    return {};
  return path;
}

std::string SpecialFolderPath(int code) {
  char buffer[MAX_PATH] = {};
  SpecialFolderPath(buffer, code);
  return buffer;
}

}  // namespace saverkit
