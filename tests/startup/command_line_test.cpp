#include "startup/command_line.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

struct Case {
  const char* line;
  std::vector<std::string> expected;  // program name first
};

const Case kCases[] = {
    {"", {""}},
    {"saver.scr", {"saver.scr"}},
    {"\"C:\\Program Files\\My Saver.scr\" /p 1234", {"C:\\Program Files\\My Saver.scr", "/p", "1234"}},
    {"C:\\x\\saver.scr   /c:4660  ", {"C:\\x\\saver.scr", "/c:4660"}},
    {"a.scr\t/s", {"a.scr", "/s"}},
    // The program name takes backslashes literally, even before a quote.
    {"\"C:\\dir\\\\\" /s", {"C:\\dir\\\\", "/s"}},
    {"a.scr \"\"", {"a.scr", ""}},
    {"a.scr \"two words\" x", {"a.scr", "two words", "x"}},
    {"a.scr a\\\\\\\"b", {"a.scr", "a\\\"b"}},     // 3 backslashes + quote: \ and a quote
    {"a.scr a\\\\\"b c\"", {"a.scr", "a\\b c"}},    // 2 backslashes + quote: \ and quoting
    {"a.scr a\\\\b", {"a.scr", "a\\\\b"}},          // backslashes not before a quote stay
    {"a.scr \"a\"\"b\" c", {"a.scr", "a\"b", "c"}},  // "" inside quotes
    {"a.scr \"open", {"a.scr", "open"}},            // an unclosed quote ends with the line
};

TEST(SplitCommandLine, SplitsLikeTheCRuntime) {
  for (const Case& c : kCases) EXPECT_EQ(SplitCommandLine(c.line), c.expected) << c.line;
}

}  // namespace
}  // namespace saverkit
