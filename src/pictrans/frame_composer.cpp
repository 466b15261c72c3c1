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

// True when the frame can be finished by copying S of the new picture into D and restoring the old
// picture only around D: S lies wholly in the picture, so every pixel of D in the frame takes a
// pixel of it (rectangles out of order, which mirror or draw nothing, restore the frame whole).
bool CopiesRectOverOld(const EffectFrame& f) {
  const Bitmap* old = f.unrestored;
  return old != nullptr && f.finish == FrameFinish::kCopyRect && f.progress > 0 && f.progress < 100 &&
         old->Width() == f.screen.Width() && old->Height() == f.screen.Height() && !f.source.IsEmpty() &&
         !f.dest.IsEmpty() && f.source.Intersect(Rect{0, 0, f.pic.Width(), f.pic.Height()}) == f.source;
}

// Restores the old picture on the frame's pixels outside `covered`: the bands above and below it
// and the pieces beside it.
void RestoreAround(const Bitmap& old, const Rect& covered, Bitmap& screen) {
  const int w = screen.Width(), h = screen.Height();
  const Rect inside = covered.Intersect(Rect{0, 0, w, h});
  if (inside.IsEmpty()) {
    DrawBitmap(old, 0, 0, screen);
    return;
  }
  for (const Rect& piece : {Rect{0, 0, w, inside.top}, Rect{0, inside.bottom, w, h},
                            Rect{0, inside.top, inside.left, inside.bottom},
                            Rect{inside.right, inside.top, w, inside.bottom}})
    if (!piece.IsEmpty()) StretchCopy(old, piece, screen, piece);
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

  if (f.progress >= 100 && r.pic.Width() == r.screen.Width() && r.pic.Height() == r.screen.Height()) {
    DrawBitmap(r.pic, 0, 0, r.screen);  // covers every pixel: the old picture need not be restored
  } else if (FinishesOverOld(f)) {
    DrawThroughRegionOver(r.pic, *f.unrestored, f.region, r.screen);
  } else if (CopiesRectOverOld(f)) {
    RestoreAround(*f.unrestored, f.dest, r.screen);
    StretchCopy(r.pic, f.source, r.screen, f.dest);
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
