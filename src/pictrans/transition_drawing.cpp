#include "pictrans/transition_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "raster/muldiv.h"
#include "raster/stretch.h"

namespace saverkit {

Rect ScaleImageToRect(const Rect& r, const Rect& target) {
  if (r.Width() <= 0 || r.Height() <= 0) return Rect{target.left, target.top, target.left, target.top};
  int width, height;
  if (double(target.Height()) / r.Height() > double(target.Width()) / r.Width()) {
    width = target.Width();
    height = MulDiv(r.Height(), target.Width(), r.Width());
  } else {
    width = MulDiv(r.Width(), target.Height(), r.Height());
    height = target.Height();
  }
  const int left = target.left + (target.Width() - width) / 2;
  const int top = target.top + (target.Height() - height) / 2;
  return Rect{left, top, left + width, top + height};
}

void MirrorCopyRect(const Bitmap& source, const Rect& src, Bitmap& target, const Rect& dst, bool horizontal,
                    bool vertical) {
  const Rect clipped = src.Intersect(Rect{0, 0, source.Width(), source.Height()});
  if (clipped.IsEmpty() || dst.IsEmpty()) return;
  // A negative extent from the far edge covers exactly the same pixels as dst, mirrored.
  SignedArea to{dst.left, dst.top, dst.Width(), dst.Height()};
  if (horizontal) to = SignedArea{dst.right, to.y, -dst.Width(), to.height};
  if (vertical) to = SignedArea{to.x, dst.bottom, to.width, -dst.Height()};
  StretchCopy(source, SignedArea{clipped.left, clipped.top, clipped.Width(), clipped.Height()}, target, to);
}

namespace {

// v * k div 100 for a channel value v and a weight k from 1 to 99 is the high half of v * m with
// m = ceil(k * 65536 / 100): m overshoots k / 100 by less than 1 / 65536, which adds less than
// 0.004 to v * k / 100, and the fraction of v * k / 100 is a whole hundredth, at most 0.99, so
// the integer part never changes (checked for every v and k).
uint32_t DivideBy100Factor(uint32_t k) { return (k * 65536 + 99) / 100; }

inline uint8_t Weighted(uint8_t v, uint32_t factor) { return uint8_t((v * factor) >> 16); }

// One row of bytes for 0 < alpha < 100: 16 at a time where the processor has SSE2, then the
// rest one by one. `out` may be `under`. The 16-byte results go straight to memory (streaming
// stores, from the first 16-byte boundary): every byte of the frame is overwritten, so reading it
// into the cache first would only add a third stream of memory traffic to the two pictures read.
void BlendRow(uint8_t* out, const uint8_t* under, const uint8_t* over, size_t count, uint32_t keepFactor,
              uint32_t alphaFactor) {
  size_t i = 0;
#if defined(__SSE2__)
  for (; i < count && (reinterpret_cast<uintptr_t>(out + i) & 15) != 0; ++i)
    out[i] = uint8_t(Weighted(under[i], keepFactor) + Weighted(over[i], alphaFactor));
  const __m128i zero = _mm_setzero_si128();
  const __m128i keep = _mm_set1_epi16(short(keepFactor)), alpha = _mm_set1_epi16(short(alphaFactor));
  for (; i + 16 <= count; i += 16) {
    const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(under + i));
    const __m128i fresh = _mm_loadu_si128(reinterpret_cast<const __m128i*>(over + i));
    const __m128i low = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpacklo_epi8(old, zero), keep),
                                      _mm_mulhi_epu16(_mm_unpacklo_epi8(fresh, zero), alpha));
    const __m128i high = _mm_add_epi16(_mm_mulhi_epu16(_mm_unpackhi_epi8(old, zero), keep),
                                       _mm_mulhi_epu16(_mm_unpackhi_epi8(fresh, zero), alpha));
    _mm_stream_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
  }
#endif
  for (; i < count; ++i) out[i] = uint8_t(Weighted(under[i], keepFactor) + Weighted(over[i], alphaFactor));
}

// The nearest integer, ties to even, as nearbyint in the default rounding mode.
inline int RoundToEven(double value) {
#if defined(__SSE2__)
  return _mm_cvtsd_si32(_mm_set_sd(value));
#else
  return int(std::nearbyint(value));
#endif
}

}  // namespace

void MergeTransparent(Bitmap& dst, const Bitmap& src, int alpha) { MergeTransparent(dst, dst, src, alpha); }

void MergeTransparent(Bitmap& dst, const Bitmap& under, const Bitmap& over, int alpha) {
  alpha = std::clamp(alpha, 0, 100);
  const int width = std::min({dst.Width(), under.Width(), over.Width()});
  const int height = std::min({dst.Height(), under.Height(), over.Height()});
  if (width <= 0 || height <= 0) return;
  const size_t bytes = size_t(width) * 3;
  for (int y = 0; y < height; ++y) {
    // At 0 and 100 one term is the whole value and the other nothing.
    if (alpha == 0) {
      if (&under != &dst) std::memcpy(dst.Row(y), under.Row(y), bytes);
    } else if (alpha == 100) {
      std::memcpy(dst.Row(y), over.Row(y), bytes);
    } else {
      BlendRow(dst.Row(y), under.Row(y), over.Row(y), bytes, DivideBy100Factor(100 - alpha),
               DivideBy100Factor(alpha));
    }
  }
#if defined(__SSE2__)
  _mm_sfence();  // the streamed stores are ordered before whatever reads the frame next
#endif
}

namespace {

// Where one pixel of the frame takes its source from. Every caller computes it this way, so the
// columns found to lie inside are exactly the ones copied.
struct Rotation {
  double s, c;
  int x, y;
  int width, height;

  int SourceX(int col, double vs) const { return x + RoundToEven(double(col - x) * c - vs); }
  int SourceY(int col, double vc) const { return y + RoundToEven(double(col - x) * s + vc); }
  bool Inside(int col, double vs, double vc) const {
    return unsigned(SourceX(col, vs)) < unsigned(width) && unsigned(SourceY(col, vc)) < unsigned(height);
  }

  // Narrows [first, last] to the columns u with lowest <= u * k + offset <= highest, widened by a
  // column on each side; with k about zero the condition hardly depends on u and no column goes.
  static void Narrow(double k, double offset, double lowest, double highest, double& first, double& last) {
    if (std::abs(k) < 1e-9) return;
    double a = (lowest - offset) / k, b = (highest - offset) / k;
    if (a > b) std::swap(a, b);
    first = std::max(first, std::floor(a) - 1);
    last = std::min(last, std::ceil(b) + 1);
  }

  // The columns [first, last] of `row` whose source lies inside; first > last when none does.
  // Along a row both source coordinates are rounded values of u * c - vs and u * s + vc, each
  // monotonic in u even in floating point, so the inside columns are one unbroken run. The
  // run is first estimated from the unrounded line, with room to spare, and then trimmed with
  // the exact test at both ends.
  void InsideColumns(int row, int& first, int& last) const {
    const double v = row - y, vs = v * s, vc = v * c;
    // In u = col - x, starting from every column.
    double from = -x, to = width - 1 - x;
    // A source x rounds inside for u * c - vs in [-x - 0.5, width - 1 - x + 0.5]; y alike.
    Narrow(c, -vs + x, -0.5, width - 0.5, from, to);
    Narrow(s, vc + y, -0.5, height - 0.5, from, to);
    from += x, to += x;
    if (from > to) {
      first = 0, last = -1;
      return;
    }
    first = int(from), last = int(to);
    while (first <= last && !Inside(first, vs, vc)) ++first;
    while (last >= first && !Inside(last, vs, vc)) --last;
  }
};

}  // namespace

void MergeRotate(Bitmap& dst, const Bitmap& src, int x, int y, double angle) {
  MergeRotate(dst, dst, src, x, y, angle);
}

namespace {

// Copies the source pixels of the columns [first, last] of one frame row, all of them inside.
struct RotatedRow {
  const Rotation& turn;
  const uint8_t* source;  // held apart from the bitmap: the byte stores could alias its fields
  size_t stride;
  // A pixel is read as 4 bytes where a fourth byte follows it in the picture's memory.
  size_t lastFourByteRead;
  ptrdiff_t ahead;  // from a source pixel to the one a few rows further on

  // Moves the pixel at byte `at` of the picture: as 4 bytes when `fourBytes` (the extra byte lands
  // on the next pixel, which is written right after), else as 3.
  void Move(size_t at, bool fourBytes, uint8_t* out) const {
    // The first touch of each memory line would wait for memory, so the line a few rows further
    // on is requested early. Only a hint: the processor ignores a request outside the picture,
    // and the address is formed as a number so that no pointer leaves the picture.
    __builtin_prefetch(reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(source + at) + ahead));
    if (fourBytes) {
      uint32_t pixel;
      std::memcpy(&pixel, source + at, 4);
      std::memcpy(out, &pixel, 4);
    } else {
      std::memcpy(out, source + at, 3);
    }
  }

  size_t Offset(int col, double vs, double vc) const {
    return size_t(turn.SourceY(col, vc)) * stride + size_t(turn.SourceX(col, vs)) * 3;
  }

  void Copy(int row, int first, int last, uint8_t* line) const {
    const double v = row - turn.y;
    const double vs = v * turn.s, vc = v * turn.c;
    // Every source coordinate is monotonic along the row, so no pixel of the run lies beyond its
    // ends' largest row and column; when that bound leaves room for 4-byte reads, no pixel needs
    // the check.
    const size_t farthest = size_t(std::max(turn.SourceY(first, vc), turn.SourceY(last, vc))) * stride +
                            size_t(std::max(turn.SourceX(first, vs), turn.SourceX(last, vs))) * 3;
    int col = first;
    uint8_t* out = line + size_t(first) * 3;
#if defined(__SSE2__)
    if (farthest <= lastFourByteRead) {
      // The same arithmetic two pixels at a time; u stays a whole number, so stepping it by 2 is
      // exact, and the conversion rounds to even like RoundToEven. The offsets are formed here
      // too, as 64-bit products of the (inside, so non-negative) coordinates: sides of at most
      // Bitmap::kMaxSide keep the coordinates, the stride and 3 within the 32 bits multiplied.
      // The pixels are moved as they are found, all but the run's last as 4 bytes.
      const __m128d cv = _mm_set1_pd(turn.c), sv = _mm_set1_pd(turn.s);
      const __m128d vsv = _mm_set1_pd(vs), vcv = _mm_set1_pd(vc), two = _mm_set1_pd(2.0);
      const __m128i xv = _mm_set1_epi32(turn.x), yv = _mm_set1_epi32(turn.y);
      const __m128i stridev = _mm_set1_epi32(int(stride)), three = _mm_set1_epi32(3);
      __m128d u = _mm_set_pd(double(first + 1 - turn.x), double(first - turn.x));
      for (; col + 2 <= last; col += 2, out += 6, u = _mm_add_pd(u, two)) {
        const __m128i sx = _mm_add_epi32(_mm_cvtpd_epi32(_mm_sub_pd(_mm_mul_pd(u, cv), vsv)), xv);
        const __m128i sy = _mm_add_epi32(_mm_cvtpd_epi32(_mm_add_pd(_mm_mul_pd(u, sv), vcv)), yv);
        // Lanes 0 and 1 moved to 0 and 2, the ones _mm_mul_epu32 multiplies.
        const __m128i rowBytes = _mm_mul_epu32(_mm_shuffle_epi32(sy, _MM_SHUFFLE(1, 1, 0, 0)), stridev);
        const __m128i columnBytes = _mm_mul_epu32(_mm_shuffle_epi32(sx, _MM_SHUFFLE(1, 1, 0, 0)), three);
        uint64_t at[2];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at), _mm_add_epi64(rowBytes, columnBytes));
        Move(size_t(at[0]), true, out);
        Move(size_t(at[1]), true, out + 3);
      }
    }
#endif
    for (; col <= last; ++col, out += 3) {
      const size_t at = Offset(col, vs, vc);
      Move(at, col < last && at <= lastFourByteRead, out);
    }
  }
};

}  // namespace

void MergeRotate(Bitmap& dst, const Bitmap& under, const Bitmap& src, int x, int y, double angle) {
  const int width = std::min({dst.Width(), under.Width(), src.Width()});
  const int height = std::min({dst.Height(), under.Height(), src.Height()});
  if (width <= 0 || height <= 0) return;
  const Rotation turn{std::sin(angle), std::cos(angle), x, y, width, height};
  // The frame is walked row by row. A row's source pixels lie along a slanted line through
  // hundreds of the picture's rows, each met for a few pixels, and the next rows meet the same
  // memory lines again from the caches; the lines a few rows further on are requested early.
  // Their place is where the current source moves in that many rows: (-s, c) per row.
  constexpr int kRowsAhead = 4;
  const size_t stride = src.Stride();
  const RotatedRow copier{turn, src.Data(), stride, stride * size_t(src.Height()) - 4,
                          ptrdiff_t(std::lround(turn.c * kRowsAhead)) * ptrdiff_t(stride) -
                              ptrdiff_t(std::lround(turn.s * kRowsAhead)) * 3};
  for (int row = 0; row < height; ++row) {
    int first, last;
    turn.InsideColumns(row, first, last);
    uint8_t* line = dst.Row(row);
    // Outside the run the frame shows `under`.
    if (&under != &dst) {
      const uint8_t* old = under.Row(row);
      if (first > last) {
        std::memcpy(line, old, size_t(width) * 3);
        continue;
      }
      std::memcpy(line, old, size_t(first) * 3);
      std::memcpy(line + size_t(last + 1) * 3, old + size_t(last + 1) * 3, size_t(width - 1 - last) * 3);
    }
    if (first <= last) copier.Copy(row, first, last, line);
  }
}

Region CreateTriangleRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
  return Region::FromPolygon({{x1, y1}, {x2, y2}, {x3, y3}, {x1, y1}});
}

}  // namespace saverkit
