#include "package/text_lines.h"

#include <gtest/gtest.h>

namespace saverkit {
namespace {

TEST(SplitTextLinesTest, OneBreakPerLineEndingOfEitherConvention) {
  struct Case {
    std::string text;
    TextLines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"one", {"one"}},                                   // no line ending at all
      {"one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
      {"one\r\n", {"one"}},                               // a final break opens no line
      {"one\ntwo", {"one", "two"}},                       // the last line without its ending
      {"\r\n", {""}},
      {"one\n\ntwo", {"one", "", "two"}},                 // empty lines stay
      {"one\r\rtwo", {"one", "", "two"}},
      {"one\r\n\r\ntwo\r\n", {"one", "", "two"}},
      {"one\n\rtwo", {"one", "", "two"}},                 // LF CR is two breaks, CR LF one
      {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},  // NUL is text here
  };
  for (const Case& c : cases) EXPECT_EQ(SplitTextLines(c.text), c.lines) << testing::PrintToString(c.text);
}

}  // namespace
}  // namespace saverkit
