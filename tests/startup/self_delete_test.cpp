#include "startup/self_delete.h"

#include <gtest/gtest.h>

#include <vector>

namespace saverkit {
namespace {

std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "the last line ends in CR LF";
  return lines;
}

TEST(SelfDeleteBatch, RetriesAboutASecondApartForAMinuteThenDeletesItself) {
  const std::vector<std::string> lines =
      CrLfLines(SelfDeleteBatch("C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR", "C:\\TEMP\\delme.bat"));
  const std::vector<std::string> expected = {
      "@echo off",
      "attrib \"C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR\" -r -h",
      "set tries=0",
      ":loop",
      "del \"C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR\"",
      "if not exist \"C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR\" goto done",
      "set /a tries+=1",
      "if %tries% geq 60 goto done",
      "ping -n 2 127.0.0.1 >nul",
      "goto loop",
      ":done",
      "del \"C:\\TEMP\\delme.bat\"",
  };
  EXPECT_EQ(lines, expected);
}

// Where a system keeps no short names the long name reaches the batch as it is: every character
// cmd would act on must reach `del` as part of the one name.
TEST(SelfDeleteBatch, EveryPathIsQuotedAndItsPercentSignsDoubled) {
  struct Case {
    const char* path;
    const char* written;
  };
  const Case cases[] = {
      {"C:\\Program Files\\My Saver\\Night Sky.scr", "\"C:\\Program Files\\My Saver\\Night Sky.scr\""},
      {"D:\\Savers\\Tom&Jerry.scr", "\"D:\\Savers\\Tom&Jerry.scr\""},
      {"D:\\Savers\\Tom & Jerry 100%.scr", "\"D:\\Savers\\Tom & Jerry 100%%.scr\""},
      {"D:\\Savers\\%PATH%.scr", "\"D:\\Savers\\%%PATH%%.scr\""},
      {"D:\\Savers\\Up^Down.scr", "\"D:\\Savers\\Up^Down.scr\""},
      {"D:\\Savers (old)\\Sky (2).scr", "\"D:\\Savers (old)\\Sky (2).scr\""},
      {"D:\\Savers\\Hi!.scr", "\"D:\\Savers\\Hi!.scr\""},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> lines = CrLfLines(SelfDeleteBatch(c.path, std::string(c.path) + ".bat"));
    const std::string written = c.written;
    ASSERT_EQ(lines.size(), 12u) << c.path;
    EXPECT_EQ(lines[1], "attrib " + written + " -r -h") << c.path;
    EXPECT_EQ(lines[4], "del " + written) << c.path;
    EXPECT_EQ(lines[5], "if not exist " + written + " goto done") << c.path;
    EXPECT_EQ(lines[11], "del " + written.substr(0, written.size() - 1) + ".bat\"") << c.path;
  }
}

}  // namespace
}  // namespace saverkit
