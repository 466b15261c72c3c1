// Effects 118 to 122: the frame's pixels written directly, a cross-fade and four rotations of the
// new picture into place about a point just outside one of its corners.
#include <cmath>

#include "pictrans/effect_frame.h"
#include "pictrans/transition_drawing.h"
#include "raster/stretch.h"

namespace saverkit {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kCrossFade = 118, kFirstRotation = 119, kLastRotation = 122;

// These effects write the whole frame (see WritesWholeFrame), reading the old picture from
// `f.old`. At progress 100 the composer draws the new picture whole, so they leave that frame.

void CrossFade(EffectFrame& f) {
  f.finish = FrameFinish::kPixels;
  if (f.progress < 100) MergeTransparent(f.screen, *f.old, f.pic, f.progress);  // at 0 the old picture
}

// The pivot as offsets from the picture's corners: -1 is just before the first column or row,
// +1 just past the last.
template <int kPivotX, int kPivotY>
void RotateIn(EffectFrame& f) {
  f.finish = FrameFinish::kPixels;
  if (f.progress >= 100) return;
  if (f.progress <= 0) {
    if (f.old != &f.screen) DrawBitmap(*f.old, 0, 0, f.screen);
    return;
  }
  const int x = kPivotX < 0 ? -1 : f.width;
  const int y = kPivotY < 0 ? -1 : f.height;
  // A quarter turn at progress 0, none at 100.
  const double angle = (100 - f.progress) * kPi / 200;
  MergeRotate(f.screen, *f.old, f.pic, x, y, angle);
}

}  // namespace

bool WritesWholeFrame(int style) {
  return style == kCrossFade || (style >= kFirstRotation && style <= kLastRotation);
}

void RegisterPixelEffects(EffectFunction (&table)[kEffectCount]) {
  table[kCrossFade] = &CrossFade;
  table[119] = &RotateIn<-1, -1>;  // about the top-left corner
  table[120] = &RotateIn<-1, +1>;  // about the bottom-left corner
  table[121] = &RotateIn<+1, -1>;  // about the top-right corner
  table[122] = &RotateIn<+1, +1>;  // about the bottom-right corner
}

}  // namespace saverkit
