#include "tools/scrpack/windows1252.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

TEST(Windows1252Test, TextsTravelBothWays) {
  struct Case {
    std::string utf8;
    std::string windows1252;
  };
  const Case cases[] = {
      {"plain", "plain"},
      {"caf\xC3\xA9", "caf\xE9"},                    // é, the same number in both
      {"\xE2\x82\xAC 5", "\x80 5"},                  // €, from the 0x80..0x9F table
      {"\xC5\xB8", "\x9F"},                          // Ÿ, the table's last entry
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.windows1252) << c.utf8;
    EXPECT_EQ(Windows1252ToUtf8(c.windows1252), c.utf8) << c.utf8;
  }
}

TEST(Windows1252Test, CharactersOutsideTheCodePage) {
  EXPECT_EQ(Utf8ToWindows1252("\xE6\x97\xA5"), std::nullopt);   // 日
  EXPECT_EQ(Utf8ToWindows1252("a\xC2\x81z"), std::nullopt);      // U+0081 has no byte: 0x81 is unused
  EXPECT_EQ(Utf8ToWindows1252("a\xE6\x97\xA5z", '?'), "a?z");
  EXPECT_EQ(Windows1252ToUtf8("\x81"), "\xEF\xBF\xBD");          // an unused byte reads as U+FFFD
}

}  // namespace
}  // namespace saverkit
