// What an effect works on for one frame, and the table through which effects are selected.
//
// An effect sets the destination D and source S (the rectangle effects), builds a clipping
// region, or writes the frame's pixels itself; it says which by `finish`. Effects that draw
// pieces on the way copy them at once through CopyPiece / MirrorPiece, which also invalidate them.
#pragma once

#include <functional>

#include "pictrans/effect_random.h"
#include "pictrans/transition_types.h"
#include "raster/bitmap.h"
#include "base/rect.h"
#include "raster/region.h"

namespace saverkit {

// The advance of a transition in pixels: `dx` and `dy` keep the picture's aspect ratio, `snap`
// (J) is the distance within which a comb band jumps to the end.
struct Extents {
  int dx = 0, dy = 0, snap = 0;
};
Extents ComputeExtents(int width, int height, int progress, int step);

enum class FrameFinish {
  kCopyRect,  // copy S of the picture into D of the frame, stretching
  kRegion,    // draw the picture through `region` (nothing when no region was built)
  kPixels,    // the effect wrote the frame itself
  kCustom,    // a custom-draw handler drew the frame
};

struct EffectFrame {
  EffectFrame(const Bitmap& picture, Bitmap& frame, int progressValue, int stepValue, bool reverseRun,
              EffectRandom& randomSource, const std::function<void(const Bitmap&, Bitmap&)>& customDrawHandler,
              const std::function<void(const Rect&)>& invalidateArea)
      : pic(picture), screen(frame), width(picture.Width()), height(picture.Height()), progress(progressValue),
        step(stepValue), extents(ComputeExtents(width, height, progressValue, stepValue)), random(randomSource),
        customDraw(customDrawHandler), invalidate(invalidateArea), reverse(reverseRun) {}

  const Bitmap& pic;  // the new picture, W x H
  // The frame. It holds the old picture when the effect starts, except for an effect that
  // writes the whole frame (WritesWholeFrame), which finds the old picture in `old`.
  Bitmap& screen;
  const Bitmap* old = &screen;
  // The old picture the frame has still to be restored to, or nullptr when it holds it already.
  // The composer puts the restore off until something draws, so that a frame finished through a
  // region can take the old picture and the new one in one pass instead of restoring every pixel
  // first; whatever draws on the frame earlier calls RestoreOld before it does.
  const Bitmap* unrestored = nullptr;
  void RestoreOld();
  int width, height;  // W, H
  int progress;       // p; effect 0 without a handler moves it to the run's end
  int step;
  Extents extents;
  EffectRandom& random;
  // Effect 0's handler, given the picture and the frame; empty when none is assigned.
  const std::function<void(const Bitmap& pic, Bitmap& screen)>& customDraw;
  // Marks a rectangle of the picture as changed.
  const std::function<void(const Rect&)>& invalidate;

  bool reverse;  // the run goes toward 0
  Rect dest{0, 0, width, height};
  Rect source{0, 0, width, height};
  Region region;
  bool hasRegion = false;
  FrameFinish finish = FrameFinish::kCopyRect;

  // Derived quantities the effect tables use.
  int K() const { return width - extents.dx; }
  int Ky() const { return height - extents.dy; }

  void CopyPiece(const Rect& d, const Rect& s);
  void MirrorPiece(const Rect& d, const Rect& s, bool horizontal, bool vertical);
};

using EffectFunction = void (*)(EffectFrame&);

// The effect of `style`, or nullptr for a byte above 127 (no effect).
EffectFunction LookupEffect(int style);

// True for an effect that writes every pixel of the frame from the old picture and the new one
// at every progress (at 100 the composer draws the new picture whole, which serves as well):
// its frame need not be restored to the old picture first.
bool WritesWholeFrame(int style);

// Each family of effects fills its own numbers of the table.
void RegisterRectangleEffects(EffectFunction (&table)[kEffectCount]);
void RegisterRegionEffects(EffectFunction (&table)[kEffectCount]);
void RegisterPixelEffects(EffectFunction (&table)[kEffectCount]);

}  // namespace saverkit
