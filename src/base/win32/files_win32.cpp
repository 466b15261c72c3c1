// The file-system queries of files.h for Windows, through the system's narrow ("A") calls, as the
// rest of the program names files.
#include <windows.h>

#include "base/files.h"
#include "base/win32/scoped_win.h"

namespace saverkit {
namespace {

using FileHandle = ScopedHandle<HANDLE, KernelHandleReleaser>;

DWORD Attributes(const std::string& path) {
  return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

// A file or folder opened for its identity only: no access asked, nothing kept from others.
bool Identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  const HANDLE opened = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  const FileHandle file(opened);
  return GetFileInformationByHandle(file.Get(), &info) != FALSE;
}

}  // namespace

bool FileExists(const std::string& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const std::string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsSameFile(const std::string& first, const std::string& second) {
  BY_HANDLE_FILE_INFORMATION one, other;
  if (first.empty() || second.empty() || !Identity(first, one) || !Identity(second, other)) return false;
  return one.dwVolumeSerialNumber == other.dwVolumeSerialNumber && one.nFileIndexHigh == other.nFileIndexHigh &&
         one.nFileIndexLow == other.nFileIndexLow;
}

bool RemoveFile(const std::string& path) {
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (attributes & FILE_ATTRIBUTE_READONLY)
    SetFileAttributesA(path.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    RemoveDirectoryA(path.c_str());
  } else {
    DeleteFileA(path.c_str());
  }
  return !FileExists(path);
}

}  // namespace saverkit
