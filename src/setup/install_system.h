// What the setup wizard's install touches on the machine: files, the message form and the shell.
// The Win32 half implements it with Windows calls; the tests with an in-memory machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace saverkit {

// A file read from its start, in order.
class SourceFile {
 public:
  virtual ~SourceFile() = default;
  virtual int64_t Size() const = 0;
  // Exactly `size` bytes, or false.
  virtual bool Read(uint8_t* data, size_t size) = 0;
};

// A new file written from its start, in order.
class TargetFile {
 public:
  virtual ~TargetFile() = default;
  virtual bool Write(const uint8_t* data, size_t size) = 0;
  // Flushes and closes; false when the file may not hold everything written.
  virtual bool Close() = 0;
};

class InstallSystem {
 public:
  virtual ~InstallSystem() = default;

  // True when the folder exists or was made, with every missing parent.
  virtual bool ForceDirectories(const std::string& folder) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual void ClearReadOnly(const std::string& path) = 0;
  // Opened for reading while others may read and write it too (it is the running program).
  virtual std::unique_ptr<SourceFile> OpenSource(const std::string& path) = 0;
  // A file that did not exist; nullptr when it exists or cannot be made.
  virtual std::unique_ptr<TargetFile> CreateNewFile(const std::string& path) = 0;
  // Puts `from` in the place of `to` in one step, replacing an existing `to`.
  virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;
  virtual void RemoveFile(const std::string& path) = 0;

  // The message form, its buttons captioned from `buttonTexts` (the dynamic texts); the button
  // pressed (6 for Yes).
  virtual int ShowMessage(const std::string& text, const std::string& caption, uint32_t style,
                          const std::vector<std::string>& buttonTexts) = 0;
  // The user's desktop folder, or the empty text.
  virtual std::string DesktopFolder() = 0;
  // A shell shortcut at `linkPath` to `target`; failures are silent.
  virtual void CreateShortcut(const std::string& target, const std::string& linkPath,
                              const std::string& workingDirectory) = 0;
  // Starts a program through the shell, shown normally; failures are silent.
  virtual void StartProgram(const std::string& program, const std::string& parameters) = 0;
};

}  // namespace saverkit
