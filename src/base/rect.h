// An integer rectangle as the Windows calls take it: left and top inclusive, right and bottom
// exclusive. A rectangle with right <= left or bottom <= top holds no pixel.
#pragma once

#include <algorithm>

namespace saverkit {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect Offset(int dx, int dy) const { return Rect{left + dx, top + dy, right + dx, bottom + dy}; }
  Rect Intersect(const Rect& o) const {
    return Rect{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

inline Rect RectAt(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

}  // namespace saverkit
