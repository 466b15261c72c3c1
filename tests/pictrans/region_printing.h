// Prints a region as its rectangles when a test expectation on it fails.
#pragma once

#include <ostream>

#include "raster/region.h"

namespace saverkit {

inline void PrintTo(const Region& region, std::ostream* out) {
  *out << "{";
  for (const Rect& r : region.Rects()) *out << " (" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
  *out << " }";
}

}  // namespace saverkit
