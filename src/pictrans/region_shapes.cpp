#include "pictrans/region_shapes.h"

#include <algorithm>
#include <vector>

namespace saverkit {
namespace {

constexpr int kCombBand = 5;    // comb and ragged bands are 5 pixels thick
constexpr int kRaggedJitter = 7;  // the ragged edge jitters by up to size div 7
constexpr int kFringeDepth = 10;  // the fringe reaches size div 10 ahead of the solid edge

// The row part and the column part of each shape are the same construction with x and y
// exchanged. A part collects its rectangles in row terms (x along the advance, y across the
// bands) and the column part stores them transposed.
class PartRects {
 public:
  PartRects(std::vector<Rect>& out, bool columns) : out_(out), columns_(columns) {}
  void Add(int alongFrom, int acrossFrom, int alongTo, int acrossTo) {
    out_.push_back(columns_ ? Rect{acrossFrom, alongFrom, acrossTo, alongTo}
                            : Rect{alongFrom, acrossFrom, alongTo, acrossTo});
  }

 private:
  std::vector<Rect>& out_;
  bool columns_;
};

// One part of the comb: `size` along the advance, `across` the length the bands cover.
void AddInterlacePart(int advance, int size, int across, int snap, int mode, PartRects part) {
  if (mode == kCombNone) return;
  const bool evenFromFar = mode == kCombFar || mode == kCombFarThenNear || mode == kCombBothWays;
  if (advance <= size) {
    if (advance + snap > size) advance = size;
    for (int i = 0; i < across + kCombBand; i += 2 * kCombBand) {
      if (evenFromFar) part.Add(size - advance, i, size, i + kCombBand);
      else part.Add(0, i, advance, i + kCombBand);
      if (mode == kCombBothWays) part.Add(0, i + kCombBand, advance, i + 2 * kCombBand);
    }
    return;
  }
  if (mode == kCombBothWays) return;  // fills both band sets at once, never beyond the size
  const bool oddFromFar = mode == kCombFar || mode == kCombNearThenFar;
  for (int i = kCombBand; i < across + kCombBand; i += 2 * kCombBand) {
    part.Add(0, i - kCombBand, size, i);
    if (oddFromFar) part.Add(2 * size - advance, i, size, i + kCombBand);
    else part.Add(0, i, advance - size, i + kCombBand);
  }
}

void AddRaggedPart(int advance, int size, int across, int mode, EffectRandom& random, PartRects part) {
  if (mode == 0) return;
  const int jitter = advance < size ? size / kRaggedJitter : 0;
  // Bands overlap by across mod 5 so that the last one ends exactly at the far side.
  const int thickness = kCombBand + across % kCombBand;
  auto jittered = [&](int value) {
    const int r1 = random.Random(jitter);
    const int r2 = random.Random(jitter);
    return value + r1 - r2;
  };
  for (int off = 0; off < across; off += kCombBand) {
    const int end = off + thickness;
    switch (mode) {
      case 1: part.Add(jittered(size - advance), off, size, end); break;
      case 2: part.Add(0, off, jittered(advance), end); break;
      case 3: {
        const int from = jittered(size - advance) / 2;
        part.Add(from, off, size / 2, end);
        const int to = jittered(size + advance) / 2;
        part.Add(size / 2, off, to, end);
        break;
      }
      case 4: {
        const int from = size - jittered(advance) / 2;
        part.Add(from, off, size, end);
        const int to = jittered(advance) / 2;
        part.Add(0, off, to, end);
        break;
      }
      default: return;  // an unknown mode adds nothing
    }
  }
}

void AddFringePart(int advance, int size, int across, int mode, EffectRandom& random, PartRects part) {
  if (mode != 1 && mode != 2) return;
  const int depth = advance < size ? size / kFringeDepth : 0;
  const int cell = std::max(depth / 20, 2);
  const int cells = depth / cell;
  // Cells up to `near` from the edge are kept with probability min(1, 2 / i), farther ones 1 / i.
  const int near = (3 * depth / cell) / 4;
  const bool fromFar = mode == 1;
  for (int y = 0; y < across; y += cell / 2) {
    if (fromFar) part.Add(size - advance, y, size, y + cell);
    else part.Add(0, y, advance, y + cell);
    for (int i = cells; i >= 1; --i) {
      if (random.Random(i) > (i <= near ? 1 : 0)) continue;
      if (fromFar) part.Add(size - advance - i * cell, y, size - advance - i * cell + cell, y + cell);
      else part.Add(advance + (i - 1) * cell, y, advance + i * cell, y + cell);
    }
  }
}

}  // namespace

Region CreateInterlaceRgn(int a, int b, int width, int height, int snap, int rowMode, int colMode) {
  std::vector<Rect> rects;
  AddInterlacePart(a, width, height, snap, rowMode, PartRects(rects, false));
  AddInterlacePart(b, height, width, snap, colMode, PartRects(rects, true));
  return Region::FromRects(rects);
}

Region CreateRaggedRgn(int a, int b, int width, int height, int rowMode, int colMode, EffectRandom& random) {
  std::vector<Rect> rects;
  AddRaggedPart(a, width, height, rowMode, random, PartRects(rects, false));
  AddRaggedPart(b, height, width, colMode, random, PartRects(rects, true));
  return Region::FromRects(rects);
}

Region CreateFringeRgn(int a, int b, int width, int height, int rowMode, int colMode, EffectRandom& random) {
  std::vector<Rect> rects;
  AddFringePart(a, width, height, rowMode, random, PartRects(rects, false));
  AddFringePart(b, height, width, colMode, random, PartRects(rects, true));
  return Region::FromRects(rects);
}

Region CreateDissolveRgn(int width, int height, int percent, EffectRandom& random) {
  const int d = std::max(percent / 10 + std::min(width, height) / 50, 1);
  std::vector<Rect> rects;
  for (int x = 0; x < width; x += d)
    for (int y = 0; y < height; y += d)
      if (random.Random(100) < percent) rects.push_back(Rect{x - d, y - d, x + d, y + d});
  return Region::FromRects(rects);
}

}  // namespace saverkit
