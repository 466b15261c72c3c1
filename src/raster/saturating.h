// Conversions of layout arithmetic to 32-bit pixels. Sizes, positions and factors may come from a
// hostile package, so a product can lie far outside the i32 range or be NaN; these cut toward
// zero and hold the result to the range instead of overflowing.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace saverkit {

inline int32_t ClampToI32(int64_t value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return int32_t(value);
}

// trunc(value), held to the i32 range; NaN gives 0.
inline int32_t TruncToI32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  if (value <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  return int32_t(std::trunc(value));
}

}  // namespace saverkit
