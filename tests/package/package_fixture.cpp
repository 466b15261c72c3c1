#include "package/package_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include "package/byte_order.h"
#include "package/temp_files.h"

namespace saverkit::testing {
namespace {

// Enough bytes to stand for a program image, so that the package base is not at 0.
constexpr size_t kRuntimeImageSize = 3000;

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "fixture";
  std::replace(name.begin(), name.end(), '/', '_');
  path_ = ::testing::TempDir() + "saverkit-" + name + "-" + std::to_string(counter++);
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code error;
  // Read-only files left by a test must not survive it.
  for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::vector<std::string> TempFolder::List() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) { WriteWholeFile(path, bytes); }

void PackagedFile::PutPlainI32(int64_t packageOffset, int32_t value) {
  WriteI32(bytes.data() + base + packageOffset, value);
}

void PackagedFile::PutComplementedI32(int64_t packageOffset, int32_t value) {
  WriteI32(bytes.data() + base + packageOffset, ~value);
}

PackagedFile WritePackagedFile(const std::string& path, const PackageContents& contents) {
  WrittenPackage written = WritePackage(contents);
  PackagedFile file;
  file.path = path;
  file.bytes = PatternBytes(kRuntimeImageSize, 0x4D);
  file.base = int64_t(file.bytes.size());
  file.bytes.insert(file.bytes.end(), written.bytes.begin(), written.bytes.end());
  file.layout = std::move(written.layout);
  file.Save();
  return file;
}

ReaderEnvironment TestEnvironment(const std::string& executable, const std::string& tempFolder,
                                  int screenWidth, int screenHeight) {
  ReaderEnvironment environment;
  environment.executablePath = executable;
  environment.screenWidth = screenWidth;
  environment.screenHeight = screenHeight;
  environment.tempDirectory = tempFolder;
  environment.resourceName = "Saver Without Package";
  return environment;
}

}  // namespace saverkit::testing
