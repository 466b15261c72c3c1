#include "setup/target_directory.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

TEST(DefaultTargetDirectory, DocumentsOnWindows2000AndLaterElseTheSystemDirectory) {
  const struct {
    SystemFolders system;
    const char* expected;
  } cases[] = {
      {{true, 5, "C:\\Users\\ada\\Documents", "C:\\Windows\\system32"}, "C:\\Users\\ada\\Documents\\My ScreenSavers\\"},
      {{true, 10, "D:\\", "C:\\Windows\\system32"}, "D:\\My ScreenSavers\\"},
      // Windows NT 4 and the 9x family install into the system directory, blanks trimmed.
      {{true, 4, "C:\\Profiles\\ada\\Personal", " C:\\WINNT\\system32 "}, "C:\\WINNT\\system32\\"},
      {{false, 4, "C:\\My Documents", "C:\\WINDOWS\\SYSTEM"}, "C:\\WINDOWS\\SYSTEM\\"},
      // Without a documents folder even a new system falls back to the system directory.
      {{true, 6, "", "C:\\Windows\\system32"}, "C:\\Windows\\system32\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultTargetDirectory(c.system), c.expected) << c.system.documentsFolder;
}

}  // namespace
}  // namespace saverkit
