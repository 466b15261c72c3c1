// Composes one frame of a transition: the effect of `style` applied to a frame that holds the old
// picture, then finished by drawing the new picture as the effect asked.
#pragma once

#include <functional>

#include "pictrans/effect_random.h"
#include "raster/bitmap.h"
#include "base/rect.h"

namespace saverkit {

struct FrameRequest {
  const Bitmap& pic;  // the new picture
  Bitmap& screen;     // the frame, same size as pic
  int style;          // 0..255; above 127 no effect runs
  int progress;       // 0..100
  int step;           // percent per frame, for the comb snap distance
  bool reverse;       // the run goes toward 0
  EffectRandom& random;
  const std::function<void(const Bitmap& pic, Bitmap& screen)>& customDraw;
  const std::function<void(const Rect&)>& invalidate;
  // The old picture, same size as pic, from which the composer restores the frame first; an
  // effect that writes every pixel of the frame reads it directly instead. Without it, `screen`
  // already holds the old picture.
  const Bitmap* old = nullptr;
};

struct FrameOutcome {
  bool drawn = false;  // false when the style selects no effect: nothing drawn or invalidated
  int progress = 0;    // the progress the frame ended at (effect 0 jumps to the run's end)
};

FrameOutcome ComposeFrame(const FrameRequest& request);

}  // namespace saverkit
