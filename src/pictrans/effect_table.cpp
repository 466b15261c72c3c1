#include "pictrans/effect_frame.h"

#include "pictrans/transition_drawing.h"
#include "raster/muldiv.h"
#include "raster/stretch.h"

namespace saverkit {

Extents ComputeExtents(int width, int height, int progress, int step) {
  Extents e;
  if (height > width) {
    e.dy = MulDiv(height, progress, 100);
    e.dx = MulDiv(e.dy, width, height);
    e.snap = MulDiv(height, step, 90);
  } else {
    e.dx = MulDiv(width, progress, 100);
    e.dy = MulDiv(e.dx, height, width);
    e.snap = MulDiv(width, step, 90);
  }
  return e;
}

void EffectFrame::RestoreOld() {
  if (unrestored == nullptr) return;
  DrawBitmap(*unrestored, 0, 0, screen);
  unrestored = nullptr;
}

void EffectFrame::CopyPiece(const Rect& d, const Rect& s) {
  RestoreOld();
  StretchCopy(pic, s, screen, d);
  invalidate(d);
}

void EffectFrame::MirrorPiece(const Rect& d, const Rect& s, bool horizontal, bool vertical) {
  RestoreOld();
  MirrorCopyRect(pic, s, screen, d, horizontal, vertical);
  invalidate(d);
}

namespace {

struct EffectTable {
  EffectFunction entries[kEffectCount] = {};
  EffectTable() {
    RegisterRectangleEffects(entries);
    RegisterRegionEffects(entries);
    RegisterPixelEffects(entries);
  }
};

}  // namespace

EffectFunction LookupEffect(int style) {
  static const EffectTable table;
  if (style < 0 || style >= kEffectCount) return nullptr;
  return table.entries[style];
}

}  // namespace saverkit
