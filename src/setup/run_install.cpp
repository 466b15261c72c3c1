#include "setup/run_install.h"

#include <algorithm>
#include <vector>

#include "base/registry_values.h"
#include "package/package_trailer.h"
#include "setup/install_names.h"

namespace saverkit {
namespace {

constexpr size_t kCopyChunk = size_t(1) << 20;
// Names tried for the temporary copy before the install gives up.
constexpr int kMaxTemporaryNames = 100;
constexpr int kAnswerYes = 6;

// A temporary copy that did not make it into place is deleted when this goes out of scope.
class TemporaryCopy {
 public:
  TemporaryCopy(InstallSystem& system, const std::string& folder) : system_(system) {
    for (int number = 0; number < kMaxTemporaryNames && !file_; ++number) {
      const std::string candidate = folder + "~setup" + std::to_string(number) + ".tmp";
      if (system_.FileExists(candidate)) continue;
      file_ = system_.CreateNewFile(candidate);
      if (!file_) return;  // the folder takes no new file
      path_ = candidate;
    }
  }
  ~TemporaryCopy() {
    if (path_.empty()) return;
    file_.reset();
    system_.RemoveFile(path_);
  }
  TemporaryCopy(const TemporaryCopy&) = delete;
  TemporaryCopy& operator=(const TemporaryCopy&) = delete;

  TargetFile* File() { return file_.get(); }
  // Closes the copy and moves it over `target`.
  bool MoveTo(const std::string& target) {
    const bool closed = file_->Close();
    file_.reset();
    if (!closed || !system_.MoveReplacing(path_, target)) return false;
    path_.clear();
    return true;
  }

 private:
  InstallSystem& system_;
  std::unique_ptr<TargetFile> file_;
  std::string path_;
};

bool CopyBytes(SourceFile& source, TargetFile& target, int64_t count) {
  std::vector<uint8_t> buffer(size_t(std::min<int64_t>(count, kCopyChunk)));
  while (count > 0) {
    const size_t chunk = size_t(std::min<int64_t>(count, int64_t(buffer.size())));
    if (!source.Read(buffer.data(), chunk) || !target.Write(buffer.data(), chunk)) return false;
    count -= int64_t(chunk);
  }
  return true;
}

}  // namespace

std::string InstalledFilePath(const std::string& targetDirectory, const std::string& fileName) {
  const std::string name = FileNamePart(fileName);
  if (name.empty()) return {};
  return WithBackslash(targetDirectory) + name + kInstalledExtension;
}

bool CopyAsInstalled(InstallSystem& system, const std::string& sourcePath, const std::string& targetPath) {
  const std::unique_ptr<SourceFile> source = system.OpenSource(sourcePath);
  if (!source) return false;
  const int64_t size = source->Size();
  if (size < int64_t(PackageTrailer::kSize)) return false;  // no trailer to carry over

  const size_t separator = targetPath.find_last_of('\\');
  TemporaryCopy copy(system, targetPath.substr(0, separator + 1));
  if (!copy.File()) return false;
  if (!CopyBytes(*source, *copy.File(), size - int64_t(PackageTrailer::kSize))) return false;
  // The trailer's bytes travel as they are stored; only the edition changes.
  uint8_t trailer[PackageTrailer::kSize];
  if (!source->Read(trailer, sizeof trailer)) return false;
  trailer[PackageTrailer::kEditionOffset] = kInstalledEditionStored;
  if (!copy.File()->Write(trailer, sizeof trailer)) return false;
  return copy.MoveTo(targetPath);
}

bool RunInstall(const InstallRequest& request, InstallSystem& system, SettingsStore& registry) {
  const std::string folder = WithBackslash(request.targetDirectory);
  if (!system.ForceDirectories(folder)) {
    system.ShowMessage(kCreateDirectoryFailed, request.caption, kInformationStyle, request.buttonTexts);
    return false;
  }
  const std::string target = InstalledFilePath(folder, request.fileName);
  if (target.empty()) {
    system.ShowMessage(request.copyFailed, request.caption, kInformationStyle, request.buttonTexts);
    return false;
  }
  if (system.FileExists(target)) {
    if (system.ShowMessage(request.overwriteQuestion, request.caption, kOverwriteStyle, request.buttonTexts) != kAnswerYes) return false;
    system.ClearReadOnly(target);
  }
  if (!CopyAsInstalled(system, request.ownPath, target)) {
    system.ShowMessage(request.copyFailed, request.caption, kInformationStyle, request.buttonTexts);
    return false;
  }

  if (request.shortcut) {
    const std::string link = ShortcutPath(system.DesktopFolder(), request.screenSaverName);
    if (!link.empty()) system.CreateShortcut(target, link, folder);
  }
  const std::string key = UninstallKeyPath(request.fileName);
  RegWriteString(registry, key, "DisplayName", request.screenSaverName);
  RegWriteString(registry, key, "UninstallString", UninstallCommand(target));
  system.StartProgram(kControlPanelProgram, kInstallScreenSaverEntry + target);
  return true;
}

}  // namespace saverkit
