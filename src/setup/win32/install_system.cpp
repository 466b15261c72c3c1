#include "setup/win32/install_system.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "base/win32/scoped_win.h"
#include "base/win32/special_folders.h"
#include "base/win32/wide_text.h"

namespace saverkit {
namespace {

using FileHandle = ScopedKernelHandle;

FileHandle Owned(HANDLE handle) { return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle); }

class Win32SourceFile : public SourceFile {
 public:
  explicit Win32SourceFile(FileHandle file) : file_(std::move(file)) {}
  int64_t Size() const override {
    LARGE_INTEGER size = {};
    return GetFileSizeEx(file_.Get(), &size) ? size.QuadPart : -1;
  }
  bool Read(uint8_t* data, size_t size) override {
    while (size > 0) {
      DWORD read = 0;
      const DWORD chunk = DWORD(std::min<size_t>(size, 1u << 30));
      if (!ReadFile(file_.Get(), data, chunk, &read, nullptr) || read == 0) return false;
      data += read;
      size -= read;
    }
    return true;
  }

 private:
  FileHandle file_;
};

class Win32TargetFile : public TargetFile {
 public:
  explicit Win32TargetFile(FileHandle file) : file_(std::move(file)) {}
  bool Write(const uint8_t* data, size_t size) override {
    while (size > 0) {
      DWORD written = 0;
      const DWORD chunk = DWORD(std::min<size_t>(size, 1u << 30));
      if (!WriteFile(file_.Get(), data, chunk, &written, nullptr) || written == 0) return false;
      data += written;
      size -= written;
    }
    return true;
  }
  bool Close() override {
    // Flushed first: a disk that fills up late reports it here, not after the rename.
    const bool flushed = FlushFileBuffers(file_.Get()) != FALSE;
    return CloseHandle(file_.Release()) != FALSE && flushed;
  }

 private:
  FileHandle file_;
};

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool Win32InstallSystem::ForceDirectories(const std::string& folder) {
  std::string path = folder;
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  if (path.empty() || IsDirectory(path)) return !path.empty();
  const size_t parent = path.find_last_of("\\/");
  if (parent != std::string::npos && parent > 0 && !ForceDirectories(path.substr(0, parent + 1))) return false;
  return CreateDirectoryA(path.c_str(), nullptr) || IsDirectory(path);
}

bool Win32InstallSystem::FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Win32InstallSystem::ClearReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesA(path.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY));
}

std::unique_ptr<SourceFile> Win32InstallSystem::OpenSource(const std::string& path) {
  FileHandle file = Owned(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) return nullptr;
  return std::make_unique<Win32SourceFile>(std::move(file));
}

std::unique_ptr<TargetFile> Win32InstallSystem::CreateNewFile(const std::string& path) {
  FileHandle file = Owned(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return nullptr;
  return std::make_unique<Win32TargetFile>(std::move(file));
}

bool Win32InstallSystem::MoveReplacing(const std::string& from, const std::string& to) {
  return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void Win32InstallSystem::RemoveFile(const std::string& path) { DeleteFileA(path.c_str()); }

int Win32InstallSystem::ShowMessage(const std::string& text, const std::string& caption, uint32_t style,
                                    const std::vector<std::string>& buttonTexts) {
  return messageForm_(text, caption, style, buttonTexts);
}

std::string Win32InstallSystem::DesktopFolder() { return SpecialFolderPath(kDesktopFolderCode); }

void Win32InstallSystem::CreateShortcut(const std::string& target, const std::string& linkPath,
                                        const std::string& workingDirectory) {
  ScopedComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(link.Receive()))) ||
      !link)
    return;
  link->SetPath(target.c_str());
  link->SetShowCmd(SW_SHOW);
  link->SetWorkingDirectory(workingDirectory.c_str());
  const ScopedComPtr<IPersistFile> file = link.As<IPersistFile>(IID_IPersistFile);
  if (!file) return;
  const WideText wide = Widen(linkPath);
  if (wide.empty()) return;
  file->Save(wide.c_str(), TRUE);
}

void Win32InstallSystem::StartProgram(const std::string& program, const std::string& parameters) {
  ShellExecuteA(nullptr, nullptr, program.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace saverkit
