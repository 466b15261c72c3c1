// How a build treats its pictures beyond what the manifest says (the command line's choices), and
// what it did to them, for the closing summary.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/scrpack/intake/picture_intake.h"

namespace saverkit {

// The screen a show is laid out for when the manifest leaves it to the viewer's screen (0): the
// pictures are fitted into this one, and the runtime scales it to the viewer's screen.
inline constexpr PictureSize kDefaultDesignScreen{1920, 1080};
inline constexpr int kDefaultQuality = 90;

struct PackOptions {
  std::optional<PictureSize> maxSize;  // --max-size, above the manifest's defaults.maxSize
  std::optional<int> quality;          // --quality, above defaults.quality
  bool skipBad = false;                // --skip-bad: leave out a picture that cannot be read, with a warning
  std::ostream* progress = nullptr;    // where progress goes (standard error); none when null
  bool progressIsTerminal = false;     // a bar redrawn in place instead of one line per file
};

struct PackReport {
  std::vector<std::string> rotated, resized, converted;  // file names
  std::vector<std::string> skipped;                       // "file: reason"
};

// "1920x1080", "1920" (a square box: the longer side) or "none" (0 x 0, never shrink).
std::optional<PictureSize> ParseMaxSize(const std::string& text);

}  // namespace saverkit
