// The arithmetic helpers the effects share with the Windows calls they were designed on.
#pragma once

#include <cstdint>
#include <limits>

namespace saverkit {

// a * b / c as Windows' MulDiv computes it: a 64-bit intermediate, the quotient rounded to the
// nearest integer with halves away from zero, and -1 when c is 0 or the result overflows.
inline int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t num = int64_t(a) * b;
  const bool negative = (num < 0) != (c < 0);
  const uint64_t magnitudeNum = num < 0 ? uint64_t(-num) : uint64_t(num);
  const uint64_t magnitudeDen = c < 0 ? uint64_t(-int64_t(c)) : uint64_t(c);
  const uint64_t q = (magnitudeNum + magnitudeDen / 2) / magnitudeDen;
  if (!negative && q > uint64_t(std::numeric_limits<int>::max())) return -1;
  if (negative && q > uint64_t(std::numeric_limits<int>::max()) + 1) return -1;
  return negative ? int(-int64_t(q)) : int(q);
}

}  // namespace saverkit
