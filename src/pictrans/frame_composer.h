// Composes one frame of a transition: the effect of `style` applied to a frame that already
// holds the old picture, then finished by drawing the new picture as the effect asked.
#pragma once

#include <functional>

#include "pictrans/effect_random.h"
#include "raster/bitmap.h"
#include "raster/rect.h"

namespace saverkit {

struct FrameRequest {
  const Bitmap& pic;  // the new picture
  Bitmap& screen;     // the frame, same size as pic, already holding the old picture
  int style;          // 0..255; above 127 no effect runs
  int progress;       // 0..100
  int step;           // percent per frame, for the comb snap distance
  bool reverse;       // the run goes toward 0
  EffectRandom& random;
  const std::function<void(const Bitmap& pic, Bitmap& screen)>& customDraw;
  const std::function<void(const Rect&)>& invalidate;
};

struct FrameOutcome {
  bool drawn = false;  // false when the style selects no effect: nothing drawn or invalidated
  int progress = 0;    // the progress the frame ended at (effect 0 jumps to the run's end)
};

FrameOutcome ComposeFrame(const FrameRequest& request);

}  // namespace saverkit
