// Text blocks of the package that hold one entry per line: the interface texts and the music
// display names. Both are split by the one rule a string list uses when it takes a text.
#pragma once

#include <string>
#include <vector>

namespace saverkit {

using TextLines = std::vector<std::string>;

// Breaks at CR LF, LF or CR; each break ends one line, so empty lines are kept, and a break at the
// very end opens no further line. Every other byte, NUL included, belongs to its line.
TextLines SplitTextLines(const std::string& text);

}  // namespace saverkit
