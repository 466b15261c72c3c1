// Effects 0 to 57: the instant change and the effects that copy rectangles of the new picture
// (stretched or not) over the old one.
#include "pictrans/effect_frame.h"

#include <iterator>
#include <utility>

namespace saverkit {
namespace {

// ---- Single-rectangle effects, as data ----
//
// Each coordinate of D and S is one of these expressions of its own axis: for left and right
// the size is W and the advance dx, for top and bottom the size is H and the advance dy.
enum Coord : uint8_t {
  kKeep,            // the initial value (0 or the size)
  kAdvance,         // dx
  kSizeLessAdv,     // W - dx
  kTwiceSizeLess,   // 2W - dx
  kAdvLessSize,     // dx - W
  kBandLow,         // cl = (W - dx) div 2
  kBandHigh,        // cr = (W + dx) div 2
};

struct SingleRect {
  uint8_t style;
  Coord d[4];  // left, top, right, bottom
  Coord s[4];
};

constexpr Coord _ = kKeep, A = kAdvance, NA = kSizeLessAdv, TA = kTwiceSizeLess, AN = kAdvLessSize, LO = kBandLow,
                HI = kBandHigh;

constexpr SingleRect kSingleRects[] = {
    {1, {NA, _, _, _}, {_, _, _, _}},       // stretch in from the right
    {2, {_, _, A, _}, {_, _, _, _}},        // stretch in from the left
    {3, {NA, _, TA, _}, {_, _, _, _}},      // slide in from the right
    {4, {AN, _, A, _}, {_, _, _, _}},       // slide in from the left
    {5, {_, _, A, _}, {_, _, A, _}},        // wipe from the left
    {6, {NA, _, _, _}, {NA, _, _, _}},      // wipe from the right
    {7, {_, _, TA, _}, {_, _, A, _}},       // zoom out from the left edge
    {8, {AN, _, _, _}, {NA, _, _, _}},      // zoom out from the right edge
    {9, {AN, _, TA, _}, {LO, _, HI, _}},    // zoom out from the vertical centre line
    {10, {LO, _, HI, _}, {_, _, _, _}},     // stretch out from the vertical centre line
    {11, {LO, _, HI, _}, {LO, _, HI, _}},   // wipe out from the vertical centre line
    {18, {_, NA, _, _}, {_, _, _, _}},      // stretch in from the bottom
    {19, {_, _, _, A}, {_, _, _, _}},       // stretch in from the top
    {20, {_, NA, _, TA}, {_, _, _, _}},     // slide in from the bottom
    {21, {_, AN, _, A}, {_, _, _, _}},      // slide in from the top
    {22, {_, _, _, A}, {_, _, _, A}},       // wipe from the top
    {23, {_, NA, _, _}, {_, NA, _, _}},     // wipe from the bottom
    {24, {_, _, _, TA}, {_, _, _, A}},      // zoom out from the top edge
    {25, {_, AN, _, _}, {_, NA, _, _}},     // zoom out from the bottom edge
    {26, {_, AN, _, TA}, {_, LO, _, HI}},   // zoom out from the horizontal centre line
    {27, {_, LO, _, HI}, {_, _, _, _}},     // stretch out from the horizontal centre line
    {28, {_, LO, _, HI}, {_, LO, _, HI}},   // wipe out from the horizontal centre line
    {35, {NA, NA, _, _}, {_, _, _, _}},     // stretch in from the bottom-right corner
    {36, {NA, _, _, A}, {_, _, _, _}},      // stretch in from the top-right corner
    {37, {_, _, A, A}, {_, _, _, _}},       // stretch in from the top-left corner
    {38, {_, NA, A, _}, {_, _, _, _}},      // stretch in from the bottom-left corner
    {39, {NA, NA, TA, TA}, {_, _, _, _}},   // slide in from the bottom-right corner
    {40, {NA, AN, TA, A}, {_, _, _, _}},    // slide in from the top-right corner
    {41, {AN, AN, A, A}, {_, _, _, _}},     // slide in from the top-left corner
    {42, {AN, NA, A, TA}, {_, _, _, _}},    // slide in from the bottom-left corner
    {43, {_, _, A, A}, {_, _, A, A}},       // wipe from the top-left corner
    {44, {_, NA, A, _}, {_, NA, A, _}},     // wipe from the bottom-left corner
    {45, {NA, NA, _, _}, {NA, NA, _, _}},   // wipe from the bottom-right corner
    {46, {NA, _, _, A}, {NA, _, _, A}},     // wipe from the top-right corner
    {47, {_, _, TA, TA}, {_, _, A, A}},     // zoom out from the top-left corner
    {48, {_, AN, TA, _}, {_, NA, A, _}},    // zoom out from the bottom-left corner
    {49, {AN, AN, _, _}, {NA, NA, _, _}},   // zoom out from the bottom-right corner
    {50, {AN, _, _, TA}, {NA, _, _, A}},    // zoom out from the top-right corner
    {51, {AN, AN, TA, TA}, {LO, LO, HI, HI}},  // zoom out from the centre (the default)
    {52, {LO, LO, HI, HI}, {_, _, _, _}},   // stretch out from the centre
    {53, {LO, LO, HI, HI}, {LO, LO, HI, HI}},  // wipe out from the centre
};

int Evaluate(Coord c, int initial, int size, int advance) {
  switch (c) {
    case kKeep: return initial;
    case kAdvance: return advance;
    case kSizeLessAdv: return size - advance;
    case kTwiceSizeLess: return 2 * size - advance;
    case kAdvLessSize: return advance - size;
    case kBandLow: return (size - advance) / 2;
    case kBandHigh: return (size + advance) / 2;
  }
  return initial;
}

void ApplyCoords(const Coord (&coords)[4], const EffectFrame& f, Rect& r) {
  const int w = f.width, h = f.height, dx = f.extents.dx, dy = f.extents.dy;
  r.left = Evaluate(coords[0], r.left, w, dx);
  r.top = Evaluate(coords[1], r.top, h, dy);
  r.right = Evaluate(coords[2], r.right, w, dx);
  r.bottom = Evaluate(coords[3], r.bottom, h, dy);
}

template <int kIndex>
void SingleRectEffect(EffectFrame& f) {
  const SingleRect& e = kSingleRects[kIndex];
  ApplyCoords(e.d, f, f.dest);
  ApplyCoords(e.s, f, f.source);
}

// ---- Multi-piece effects ----
//
// Most come in pairs that differ only in the axis they move along. An Axis view names the
// moving axis's size and advance and builds full-length bands across the other axis.
struct Axis {
  const EffectFrame& f;
  bool horizontal;
  int Size() const { return horizontal ? f.width : f.height; }
  int Advance() const { return horizontal ? f.extents.dx : f.extents.dy; }
  // The band [from, to) of the moving axis, across the whole other axis.
  Rect Band(int from, int to) const {
    return horizontal ? Rect{from, 0, to, f.height} : Rect{0, from, f.width, to};
  }
};

template <bool kHorizontal>
void WipeFromBothSides(EffectFrame& f) {  // 12, 29
  const Axis a{f, kHorizontal};
  const int q = a.Advance() / 2;
  f.CopyPiece(a.Band(0, q + 1), a.Band(0, q + 1));
  f.dest = f.source = a.Band(a.Size() - q - 1, a.Size());
}

template <bool kHorizontal>
void SqueezeFromBothSides(EffectFrame& f) {  // 13, 30
  const Axis a{f, kHorizontal};
  const int q = a.Advance() / 2, half = a.Size() / 2;
  f.CopyPiece(a.Band(0, q + 1), a.Band(0, half + 1));
  f.dest = a.Band(a.Size() - q - 1, a.Size());
  f.source = a.Band(half, a.Size());
}

template <bool kHorizontal>
void WipeWithLeadingFold(EffectFrame& f) {  // 14, 31
  const Axis a{f, kHorizontal};
  const int size = a.Size(), adv = a.Advance();
  const int band = adv < size / 5 ? adv / 2 : (size < size / 5 + adv ? (size - adv) / 2 : size / 10);
  f.MirrorPiece(a.Band(adv, adv + band), a.Band(adv + band, adv + 2 * band), kHorizontal, !kHorizontal);
  f.dest = f.source = a.Band(0, adv);
}

template <bool kHorizontal>
void WipeWithTrailingFold(EffectFrame& f) {  // 15, 32
  const Axis a{f, kHorizontal};
  const int size = a.Size(), adv = a.Advance(), rest = size - adv;
  const int band = adv < size / 5 ? adv / 2 : (rest < size / 5 ? rest / 2 : size / 10);
  const int g = rest - band;
  f.MirrorPiece(a.Band(g, rest), a.Band(2 * g - rest, g), kHorizontal, !kHorizontal);
  f.dest = f.source = a.Band(rest, size);
}

template <bool kHorizontal>
void WipeWithLeadingSmear(EffectFrame& f) {  // 16, 33
  const Axis a{f, kHorizontal};
  const int adv = a.Advance(), strip = a.Size() / 20;
  f.CopyPiece(a.Band(0, adv), a.Band(0, adv));
  f.dest = a.Band(adv, a.Size());
  f.source = a.Band(adv, adv + strip);
}

template <bool kHorizontal>
void WipeWithTrailingSmear(EffectFrame& f) {  // 17, 34
  const Axis a{f, kHorizontal};
  const int rest = a.Size() - a.Advance(), strip = a.Size() / 20;
  f.CopyPiece(a.Band(rest, a.Size()), a.Band(rest, a.Size()));
  f.dest = a.Band(0, rest);
  f.source = a.Band(rest - strip, rest);
}

void BoxWipe(EffectFrame& f) {  // 54
  const int w = f.width, h = f.height, qx = f.extents.dx / 2, qy = f.extents.dy / 2;
  f.CopyPiece({0, 0, w, qy}, {0, 0, w, qy});
  f.CopyPiece({0, h - qy, w, h}, {0, h - qy, w, h});
  f.CopyPiece({0, 0, qx, h}, {0, 0, qx, h});
  f.dest = f.source = Rect{w - qx, 0, w, h};
}

void WipeFromCorners(EffectFrame& f) {  // 55
  const int w = f.width, h = f.height, qx = f.extents.dx / 2, qy = f.extents.dy / 2;
  const Rect pieces[] = {{0, 0, qx + 1, qy + 1}, {0, h - qy - 1, qx + 1, h}, {w - qx - 1, h - qy - 1, w, h}};
  for (const Rect& r : pieces) f.CopyPiece(r, r);
  f.dest = f.source = Rect{w - qx - 1, 0, w, qy + 1};
}

void QuartersStretchFromCorners(EffectFrame& f) {  // 56
  const int w = f.width, h = f.height, qx = f.extents.dx / 2, qy = f.extents.dy / 2, hx = w / 2, hy = h / 2;
  f.CopyPiece({0, 0, qx + 1, qy + 1}, {0, 0, hx + 1, hy + 1});
  f.CopyPiece({0, h - qy, qx + 1, h}, {0, hy + 1, hx + 1, h});
  f.CopyPiece({w - qx, h - qy, w, h}, {hx + 1, hy + 1, w, h});
  f.dest = Rect{w - qx, 0, w, qy + 1};
  f.source = Rect{hx + 1, 0, w, hy + 1};
}

void QuartersSlideFromSides(EffectFrame& f) {  // 57
  const int w = f.width, h = f.height, dx = f.extents.dx, dy = f.extents.dy;
  const int qx = dx / 2, qy = dy / 2, hx = w / 2, hy = h / 2;
  f.CopyPiece({(dx - w) / 2, 0, qx + 1, hy + 1}, {0, 0, hx + 1, hy + 1});
  f.CopyPiece({hx - 1, (dy - h) / 2, w, qy + 1}, {hx - 1, 0, w, hy + 1});
  f.CopyPiece({w - qx, hy - 1, w + f.K() / 2, h}, {hx + 1, hy - 1, w, h});
  f.dest = Rect{0, h - qy, hx + 1, h + f.Ky() / 2};
  f.source = Rect{0, hy + 1, hx + 1, h};
}

// ---- Effect 0 ----
void CustomOrInstant(EffectFrame& f) {
  if (f.customDraw) {
    f.RestoreOld();
    f.customDraw(f.pic, f.screen);
    f.finish = FrameFinish::kCustom;
    return;
  }
  // No handler: an instant change that ends the run in this frame. Forward that is the whole
  // new picture; a reverse run ends at 0, the old content (raising it to 100 would restart
  // the reverse steps for ever).
  f.progress = f.reverse ? 0 : 100;
  f.region = Region::FromRect(Rect{0, 0, f.width, f.height});
  f.hasRegion = true;
  f.finish = FrameFinish::kRegion;
}

template <size_t... kIndices>
void RegisterSingleRects(EffectFunction (&table)[kEffectCount], std::index_sequence<kIndices...>) {
  ((table[kSingleRects[kIndices].style] = &SingleRectEffect<kIndices>), ...);
}

}  // namespace

void RegisterRectangleEffects(EffectFunction (&table)[kEffectCount]) {
  table[0] = &CustomOrInstant;
  RegisterSingleRects(table, std::make_index_sequence<std::size(kSingleRects)>());
  table[12] = &WipeFromBothSides<true>;
  table[13] = &SqueezeFromBothSides<true>;
  table[14] = &WipeWithLeadingFold<true>;
  table[15] = &WipeWithTrailingFold<true>;
  table[16] = &WipeWithLeadingSmear<true>;
  table[17] = &WipeWithTrailingSmear<true>;
  table[29] = &WipeFromBothSides<false>;
  table[30] = &SqueezeFromBothSides<false>;
  table[31] = &WipeWithLeadingFold<false>;
  table[32] = &WipeWithTrailingFold<false>;
  table[33] = &WipeWithLeadingSmear<false>;
  table[34] = &WipeWithTrailingSmear<false>;
  table[54] = &BoxWipe;
  table[55] = &WipeFromCorners;
  table[56] = &QuartersStretchFromCorners;
  table[57] = &QuartersSlideFromSides;
}

}  // namespace saverkit
