#include "package/text_lines.h"

#include <algorithm>

namespace saverkit {

TextLines SplitTextLines(const std::string& text) {
  TextLines lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t stop = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, stop - start));
    // One break: CR, LF, or CR followed by LF.
    start = stop;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace saverkit
