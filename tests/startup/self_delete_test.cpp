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

TEST(SelfDeleteBatch, NamesTheShortPathOnThreeLinesAndDeletesItselfLast) {
  // C:\Program Files\My Saver\Night Sky.scr in its short form.
  const std::vector<std::string> lines =
      CrLfLines(SelfDeleteBatch("C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR", "C:\\TEMP\\delme.bat"));
  const std::vector<std::string> expected = {
      "@echo off",
      "attrib C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR -r -h",
      ":loop",
      "del C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR",
      "if exist C:\\PROGRA~1\\MYSAVE~1\\NIGHTS~1.SCR goto loop",
      "del C:\\TEMP\\delme.bat",
  };
  EXPECT_EQ(lines, expected);
}

TEST(SelfDeleteBatch, PathsWithBlanksAreQuotedSoEachCommandNamesOneFile) {
  const std::vector<std::string> lines = CrLfLines(SelfDeleteBatch(
      "C:\\Program Files\\My Saver\\Night Sky.scr", "C:\\Users\\Ada Painter\\AppData\\Local\\Temp\\delme.bat"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1], "attrib \"C:\\Program Files\\My Saver\\Night Sky.scr\" -r -h");
  EXPECT_EQ(lines[3], "del \"C:\\Program Files\\My Saver\\Night Sky.scr\"");
  EXPECT_EQ(lines[4], "if exist \"C:\\Program Files\\My Saver\\Night Sky.scr\" goto loop");
  EXPECT_EQ(lines[5], "del \"C:\\Users\\Ada Painter\\AppData\\Local\\Temp\\delme.bat\"");
}

}  // namespace
}  // namespace saverkit
