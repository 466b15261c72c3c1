// A machine in memory for the setup wizard's install: files with a read-only flag, folders, a
// disk that can fill up, a scripted message form and a record of the shell calls.
#pragma once

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "setup/install_system.h"

namespace saverkit::testing {

class MemoryInstallSystem : public InstallSystem {
 public:
  struct File {
    std::vector<uint8_t> bytes;
    bool readOnly = false;
  };
  struct Message {
    std::string text;
    std::string caption;
    uint32_t style;
    std::vector<std::string> buttonTexts;
  };
  struct Shortcut {
    std::string target;
    std::string link;
    std::string workingDirectory;
  };

  std::map<std::string, File> files;
  std::set<std::string> folders;
  std::set<std::string> unwritableFolders;  // folders that take no new file
  int64_t diskSpace = INT64_MAX;            // bytes every new file together may hold
  bool sourceReadFails = false;
  std::deque<int> answers;                  // buttons pressed, in order; 2 (cancel) when none left
  std::vector<Message> messages;
  std::vector<Shortcut> shortcuts;
  std::vector<std::string> programs;        // program + " " + parameters
  std::string desktop = "C:\\Users\\ada\\Desktop";

  bool ForceDirectories(const std::string& folder) override {
    const std::string path = Trimmed(folder);
    for (const std::string& bad : unwritableFolders)
      if (path == bad || path.rfind(bad + "\\", 0) == 0) return folders.count(path) != 0;
    for (size_t at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1))
      folders.insert(path.substr(0, at));
    folders.insert(path);
    return true;
  }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  void ClearReadOnly(const std::string& path) override {
    auto it = files.find(path);
    if (it != files.end()) it->second.readOnly = false;
  }
  std::unique_ptr<SourceFile> OpenSource(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return nullptr;
    return std::make_unique<Source>(it->second.bytes, sourceReadFails);
  }
  std::unique_ptr<TargetFile> CreateNewFile(const std::string& path) override {
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    if (files.count(path) || !folders.count(folder) || unwritableFolders.count(folder)) return nullptr;
    files[path];
    return std::make_unique<Target>(*this, path);
  }
  bool MoveReplacing(const std::string& from, const std::string& to) override {
    auto it = files.find(to);
    if (it != files.end() && it->second.readOnly) return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  void RemoveFile(const std::string& path) override { files.erase(path); }

  int ShowMessage(const std::string& text, const std::string& caption, uint32_t style,
                  const std::vector<std::string>& buttonTexts) override {
    messages.push_back({text, caption, style, buttonTexts});
    if (answers.empty()) return 2;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::string DesktopFolder() override { return desktop; }
  void CreateShortcut(const std::string& target, const std::string& link, const std::string& workingDirectory) override {
    shortcuts.push_back({target, link, workingDirectory});
  }
  void StartProgram(const std::string& program, const std::string& parameters) override {
    programs.push_back(program + " " + parameters);
  }

 private:
  static std::string Trimmed(std::string folder) {
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
  }

  class Source : public SourceFile {
   public:
    Source(const std::vector<uint8_t>& bytes, bool fails) : bytes_(bytes), fails_(fails) {}
    int64_t Size() const override { return int64_t(bytes_.size()); }
    bool Read(uint8_t* data, size_t size) override {
      if (fails_ || size > bytes_.size() - position_) return false;
      std::memcpy(data, bytes_.data() + position_, size);
      position_ += size;
      return true;
    }

   private:
    std::vector<uint8_t> bytes_;
    bool fails_;
    size_t position_ = 0;
  };

  class Target : public TargetFile {
   public:
    Target(MemoryInstallSystem& system, std::string path) : system_(system), path_(std::move(path)) {}
    bool Write(const uint8_t* data, size_t size) override {
      const size_t fits = size_t(std::min<int64_t>(int64_t(size), system_.diskSpace));
      auto& bytes = system_.files[path_].bytes;
      bytes.insert(bytes.end(), data, data + fits);
      system_.diskSpace -= int64_t(fits);
      return fits == size;
    }
    bool Close() override { return true; }

   private:
    MemoryInstallSystem& system_;
    std::string path_;
  };
};

}  // namespace saverkit::testing
