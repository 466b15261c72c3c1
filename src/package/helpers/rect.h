// An integer rectangle in the Windows sense: left and top inside, right and bottom just outside.
#pragma once

namespace saverkit {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

inline Rect RectAt(int x, int y, int width, int height) { return Rect{x, y, x + width, y + height}; }

}  // namespace saverkit
