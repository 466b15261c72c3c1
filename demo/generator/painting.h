// Simple shapes for the demo show's pictures: gradients, soft circles, stripes and rings, drawn
// straight into a Bitmap. Everything is computed per pixel, so the pictures need no other tools.
#pragma once

#include "raster/bitmap.h"

namespace saverkit::demo {

// Linear blend: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

void FillVerticalGradient(Bitmap& picture, Rgb top, Rgb bottom);
void FillRadialGradient(Bitmap& picture, double cx, double cy, Rgb centre, Rgb edge);
// A filled circle whose edge is blended over one pixel, and `opacity` (0..1) over the picture.
void DrawCircle(Bitmap& picture, double cx, double cy, double radius, Rgb colour, double opacity = 1.0);
// Stripes `width` pixels wide running at 45 degrees, cycling through `count` colours.
void FillDiagonalStripes(Bitmap& picture, int width, const Rgb* colours, int count);
// Concentric rings around (cx, cy) alternating between two colours, `width` pixels each.
void FillRings(Bitmap& picture, double cx, double cy, double width, Rgb a, Rgb b);
// Horizontal bands below `top` that ripple like water, darkening the picture towards the bottom.
void DrawWater(Bitmap& picture, int top, Rgb water);

}  // namespace saverkit::demo
