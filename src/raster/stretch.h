// Stretching copies between 24-bit bitmaps.
#pragma once

#include "raster/bitmap.h"
#include "base/rect.h"

namespace saverkit {

// A rectangle given as origin and signed extent, as StretchBlt takes it: a negative width covers
// the columns [x + width, x) and mirrors the copy left to right; a negative height likewise.
struct SignedArea {
  int x = 0, y = 0, width = 0, height = 0;
};

// StretchBlt with SRCCOPY: every pixel of `to` inside `target` takes the source pixel under its
// centre, mapped from `from` in `source`. Pixels outside the target bitmap are cut off, and
// pixels whose source lies outside the source bitmap are left as they were. Mirrors when the
// signs of the two extents differ.
void StretchCopy(const Bitmap& source, const SignedArea& from, Bitmap& target, const SignedArea& to);

// The same with ordinary rectangles (both extents positive when the rectangles are ordered).
inline void StretchCopy(const Bitmap& source, const Rect& from, Bitmap& target, const Rect& to) {
  StretchCopy(source, SignedArea{from.left, from.top, from.Width(), from.Height()}, target,
              SignedArea{to.left, to.top, to.Width(), to.Height()});
}

// Draws the whole of `source` with its top-left corner at (x, y), clipped to `target`.
void DrawBitmap(const Bitmap& source, int x, int y, Bitmap& target);

// The half-tone stretch: each target pixel is the area-weighted average of the source pixels it
// covers, so shrinking keeps detail smooth instead of dropping rows and columns. An empty source
// or a non-positive size gives an empty bitmap.
Bitmap HalftoneStretch(const Bitmap& source, int width, int height);

// Resizes `picture` in place to w x h with the half-tone stretch. Nothing happens when w or h is
// 0 or less or the picture already has that size; an empty picture becomes a black canvas of the
// size. Sizes often come from a package, so a target larger than a decoded picture may be
// (kMaxJpegPixels) gives false and leaves the picture unchanged.
bool StretchBitmap(Bitmap& picture, int w, int h);

}  // namespace saverkit
