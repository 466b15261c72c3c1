// Drawing routines of the transition engine, shared by the engine's painting and the effects.
#pragma once

#include "raster/bitmap.h"
#include "base/rect.h"
#include "raster/region.h"

namespace saverkit {

// The largest rectangle with r's aspect ratio that fits `target`, centred in it. A rectangle
// without area has no aspect ratio: the result is then empty, at target's corner.
Rect ScaleImageToRect(const Rect& r, const Rect& target);

// Copies `src` of `source` into `dst` of `target` (the order of StretchCopy), stretching, flipped
// left to right when `horizontal` and top to bottom when `vertical`. `src` is clipped to the
// source first.
void MirrorCopyRect(const Bitmap& source, const Rect& src, Bitmap& target, const Rect& dst, bool horizontal,
                    bool vertical);

// Blends `src` over `dst` by `alpha` percent (0..100): each channel becomes
// dst * (100 - alpha) div 100 + alpha * src div 100. Works on the area both bitmaps share.
void MergeTransparent(Bitmap& dst, const Bitmap& src, int alpha);
// The same blend of `over` on `under` written into `dst` in one pass, so a frame need not hold
// `under` first; `under` may be `dst` itself. Works on the area all three share.
void MergeTransparent(Bitmap& dst, const Bitmap& under, const Bitmap& over, int alpha);

// Each pixel of `dst` takes the pixel of `src` that a rotation by `angle` radians about (x, y)
// brings under it (rounded to the nearest pixel, ties to even); pixels whose source lies outside
// stay as they were.
void MergeRotate(Bitmap& dst, const Bitmap& src, int x, int y, double angle);
// The same with the pixels whose source lies outside taken from `under`, so a frame need not hold
// `under` first; `under` may be `dst` itself. Works on the area all three share.
void MergeRotate(Bitmap& dst, const Bitmap& under, const Bitmap& src, int x, int y, double angle);

// The triangle through three points, filled by the winding rule.
Region CreateTriangleRgn(int x1, int y1, int x2, int y2, int x3, int y3);

}  // namespace saverkit
