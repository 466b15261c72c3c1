// The clipping shapes of the region effects: combs of 5-pixel bands, bands with a random ragged
// edge, a solid area with a random fringe of cells ahead of it, and a dissolve of random squares.
//
// `a` advances the row part horizontally, `b` the column part vertically; a mode of 0 leaves
// that part out. The random shapes draw their numbers from `random` in a fixed order (row part
// first, then the column part, band by band), so a seeded generator reproduces a frame exactly.
// Every shape is built in one pass over all its rectangles, whatever their number.
#pragma once

#include "pictrans/effect_random.h"
#include "raster/region.h"

namespace saverkit {

// Comb modes of CreateInterlaceRgn, for the row part (from the right / left) and the column part
// (from the bottom / top) alike. Even bands are the first, third, ... band of 5 pixels.
enum CombMode {
  kCombNone = 0,
  kCombFar = 1,           // even bands, then odd bands, from the right (bottom)
  kCombNear = 2,          // both from the left (top)
  kCombBothWays = 3,      // even from the right (bottom), odd from the left (top), together
  kCombNearThenFar = 4,   // even from the left (top), then odd from the right (bottom)
  kCombFarThenNear = 5,   // even from the right (bottom), then odd from the left (top)
};

// Bands of 5 pixels; an advance that comes within `snap` of the picture size jumps to it. The
// two-phase modes fill the even bands while the advance is at most the size, then the odd bands
// with the advance beyond it (up to twice the size).
Region CreateInterlaceRgn(int a, int b, int width, int height, int snap, int rowMode, int colMode);

// Ragged modes: 1 from the right (bottom), 2 from the left (top), 3 from the centre outward,
// 4 from both sides inward. The edge jitters by up to a seventh of the size until the advance
// reaches the size, where it is straight.
Region CreateRaggedRgn(int a, int b, int width, int height, int rowMode, int colMode, EffectRandom& random);

// Fringe modes: 1 from the right (bottom), 2 from the left (top). Cells of the fringe, a tenth of
// the size deep, are more likely the nearer they are to the solid edge; no fringe once the
// advance reaches the size.
Region CreateFringeRgn(int a, int b, int width, int height, int rowMode, int colMode, EffectRandom& random);

// Squares on a grid, each chosen with `percent` per cent chance and growing with it.
Region CreateDissolveRgn(int width, int height, int percent, EffectRandom& random);

}  // namespace saverkit
