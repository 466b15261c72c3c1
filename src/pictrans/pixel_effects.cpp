// Effects 118 to 122: the frame's pixels written directly, a cross-fade and four rotations of the
// new picture into place about a point just outside one of its corners.
#include <cmath>

#include "pictrans/effect_frame.h"
#include "pictrans/transition_drawing.h"

namespace saverkit {
namespace {

constexpr double kPi = 3.14159265358979323846;

// At progress 0 both leave the old picture and at 100 the composer draws the new one whole, so
// only the frames in between need the per-pixel pass.
bool Between(const EffectFrame& f) { return f.progress > 0 && f.progress < 100; }

void CrossFade(EffectFrame& f) {  // 118
  f.finish = FrameFinish::kPixels;
  if (Between(f)) MergeTransparent(f.screen, f.pic, f.progress);
}

// The pivot as offsets from the picture's corners: -1 is just before the first column or row,
// +1 just past the last.
template <int kPivotX, int kPivotY>
void RotateIn(EffectFrame& f) {  // 119 to 122
  f.finish = FrameFinish::kPixels;
  if (!Between(f)) return;
  const int x = kPivotX < 0 ? -1 : f.width;
  const int y = kPivotY < 0 ? -1 : f.height;
  // A quarter turn at progress 0, none at 100.
  const double angle = (100 - f.progress) * kPi / 200;
  MergeRotate(f.screen, f.pic, x, y, angle);
}

}  // namespace

void RegisterPixelEffects(EffectFunction (&table)[kEffectCount]) {
  table[118] = &CrossFade;
  table[119] = &RotateIn<-1, -1>;  // about the top-left corner
  table[120] = &RotateIn<-1, +1>;  // about the bottom-left corner
  table[121] = &RotateIn<+1, -1>;  // about the top-right corner
  table[122] = &RotateIn<+1, +1>;  // about the bottom-right corner
}

}  // namespace saverkit
