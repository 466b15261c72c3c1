// The setup wizard's install on Windows: files through kernel32, the shortcut through the shell's
// IShellLinkA, the control panel through ShellExecuteA, and the wizard's message form for questions.
#pragma once

#include <functional>
#include <string>

#include "setup/install_system.h"

namespace saverkit {

using MessageFormCall = std::function<int(const std::string& text, const std::string& caption, uint32_t style,
                                           const std::vector<std::string>& buttonTexts)>;

class Win32InstallSystem : public InstallSystem {
 public:
  explicit Win32InstallSystem(MessageFormCall messageForm) : messageForm_(std::move(messageForm)) {}

  bool ForceDirectories(const std::string& folder) override;
  bool FileExists(const std::string& path) override;
  void ClearReadOnly(const std::string& path) override;
  std::unique_ptr<SourceFile> OpenSource(const std::string& path) override;
  std::unique_ptr<TargetFile> CreateNewFile(const std::string& path) override;
  bool MoveReplacing(const std::string& from, const std::string& to) override;
  void RemoveFile(const std::string& path) override;

  int ShowMessage(const std::string& text, const std::string& caption, uint32_t style,
                  const std::vector<std::string>& buttonTexts) override;
  std::string DesktopFolder() override;
  void CreateShortcut(const std::string& target, const std::string& linkPath,
                      const std::string& workingDirectory) override;
  void StartProgram(const std::string& program, const std::string& parameters) override;

 private:
  MessageFormCall messageForm_;
};

}  // namespace saverkit
