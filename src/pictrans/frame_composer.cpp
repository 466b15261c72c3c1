#include "pictrans/frame_composer.h"

#include "pictrans/effect_frame.h"
#include "raster/stretch.h"

namespace saverkit {

FrameOutcome ComposeFrame(const FrameRequest& r) {
  FrameOutcome outcome{false, r.progress};
  // Restoring the whole frame costs as much as a plain frame copy, wasted under an effect that
  // overwrites every pixel anyway.
  const bool blendsOldItself = r.old != nullptr && WritesWholeFrame(r.style);
  if (r.old != nullptr && !blendsOldItself) DrawBitmap(*r.old, 0, 0, r.screen);
  const EffectFunction effect = LookupEffect(r.style);
  if (effect == nullptr) return outcome;
  outcome.drawn = true;
  if (r.pic.Empty()) return outcome;  // nothing to show of a picture without pixels

  EffectFrame f(r.pic, r.screen, r.progress, r.step, r.reverse, r.random, r.customDraw, r.invalidate);
  if (blendsOldItself) f.old = r.old;
  effect(f);
  outcome.progress = f.progress;

  if (f.progress >= 100) {
    DrawBitmap(r.pic, 0, 0, r.screen);
  } else if (f.progress > 0) {
    switch (f.finish) {
      case FrameFinish::kCopyRect: StretchCopy(r.pic, f.source, r.screen, f.dest); break;
      case FrameFinish::kRegion:
        if (f.hasRegion) DrawThroughRegion(r.pic, 0, 0, f.region, r.screen);
        break;
      case FrameFinish::kPixels:
      case FrameFinish::kCustom: break;
    }
  }
  r.invalidate(f.dest);
  return outcome;
}

}  // namespace saverkit
