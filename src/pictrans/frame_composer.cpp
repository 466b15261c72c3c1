#include "pictrans/frame_composer.h"

#include "pictrans/effect_frame.h"
#include "raster/region.h"
#include "raster/stretch.h"

namespace saverkit {

namespace {

// True when the frame can be finished by drawing the new picture through the region over the old
// one in one pass: the same size all three, so that the old picture would have covered every
// pixel the region leaves.
bool FinishesOverOld(const EffectFrame& f) {
  const Bitmap* old = f.unrestored;
  return old != nullptr && f.finish == FrameFinish::kRegion && f.hasRegion && f.progress > 0 &&
         f.progress < 100 && old->Width() == f.screen.Width() && old->Height() == f.screen.Height() &&
         f.pic.Width() == f.screen.Width() && f.pic.Height() == f.screen.Height();
}

}  // namespace

FrameOutcome ComposeFrame(const FrameRequest& r) {
  FrameOutcome outcome{false, r.progress};
  // Restoring the whole frame costs as much as a plain frame copy, wasted under an effect that
  // overwrites every pixel anyway.
  const bool blendsOldItself = r.old != nullptr && WritesWholeFrame(r.style);
  const EffectFunction effect = LookupEffect(r.style);
  if (effect == nullptr || r.pic.Empty()) {
    if (r.old != nullptr) DrawBitmap(*r.old, 0, 0, r.screen);
    outcome.drawn = effect != nullptr;  // nothing to show of a picture without pixels
    return outcome;
  }
  outcome.drawn = true;

  EffectFrame f(r.pic, r.screen, r.progress, r.step, r.reverse, r.random, r.customDraw, r.invalidate);
  if (blendsOldItself) f.old = r.old;
  else f.unrestored = r.old;
  effect(f);
  outcome.progress = f.progress;

  if (FinishesOverOld(f)) {
    DrawThroughRegionOver(r.pic, *f.unrestored, f.region, r.screen);
  } else {
    f.RestoreOld();
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
  }
  r.invalidate(f.dest);
  return outcome;
}

}  // namespace saverkit
