// Whether the pointer has moved far enough to end a full-screen show: more than 5 pixels along
// either axis from the last reference. Smaller moves shift the reference, so a slow drift of at
// most 5 pixels per step never ends the show while one jump of 6 does.
#pragma once

namespace saverkit {

class PointerGate {
 public:
  static constexpr int kThreshold = 5;

  PointerGate(int x, int y) : lastX_(x), lastY_(y) {}

  // True when the move from the reference to (x, y) ends the show; otherwise (x, y) becomes
  // the reference.
  bool MovedBeyond(int x, int y) {
    if (Distance(x, lastX_) > kThreshold || Distance(y, lastY_) > kThreshold) return true;
    lastX_ = x;
    lastY_ = y;
    return false;
  }

 private:
  static long long Distance(int a, int b) { return a > b ? (long long)a - b : (long long)b - a; }
  int lastX_;
  int lastY_;
};

}  // namespace saverkit
