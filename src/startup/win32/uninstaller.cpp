#include "startup/win32/uninstaller.h"

#include <windows.h>
#include <shlwapi.h>

#include <vector>

#include "base/win32/special_folders.h"
#include "package/temp_files.h"
#include "startup/self_delete.h"

namespace saverkit {
namespace {

// The 8.3 form where the volume keeps short names, the long path otherwise.
std::string ShortPath(const std::string& path) {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
}

std::string TempFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof buffer, buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

}  // namespace

int Win32UninstallSystem::Ask(const std::string& text, const std::string& caption, uint32_t style) {
  return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

void Win32UninstallSystem::DeleteKeyTree(const std::string& keyPath) {
  const size_t start = keyPath.find_first_not_of('\\');
  if (start == std::string::npos) return;
  SHDeleteKeyA(HKEY_CURRENT_USER, keyPath.c_str() + start);
}

std::string Win32UninstallSystem::DesktopFolder() { return SpecialFolderPath(kDesktopFolderCode); }

void Win32UninstallSystem::RemoveFile(const std::string& path) { saverkit::RemoveFile(path); }

bool Win32UninstallSystem::SelfDelete(const std::string& path) { return saverkit::SelfDelete(path); }

bool SelfDelete(const std::string& path) {
  const std::string folder = TempFolder();
  if (folder.empty()) return false;
  const std::string batch = folder + kSelfDeleteBatchName;
  const std::string text = SelfDeleteBatch(ShortPath(path), batch);
  if (!WriteWholeFile(batch, std::vector<uint8_t>(text.begin(), text.end()))) return false;
  // Quoted whatever it holds: a user folder may have blanks or '&' in its name.
  WinExec(('"' + batch + '"').c_str(), SW_HIDE);
  return true;
}

}  // namespace saverkit
