#include "raster/stretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

// For each target pixel of one axis: the source index under its centre, or -1 when it falls
// outside the source. `first` is the first target pixel inside the target bitmap.
struct AxisMap {
  int first = 0, count = 0;
  std::vector<int> sourceIndex;
};

AxisMap MapAxis(int from, int fromExtent, int sourceSize, int to, int toExtent, int targetSize) {
  AxisMap map;
  if (fromExtent == 0 || toExtent == 0) return map;
  const bool mirror = (fromExtent < 0) != (toExtent < 0);
  const int64_t fromLength = fromExtent < 0 ? -int64_t(fromExtent) : fromExtent;
  const int64_t toLength = toExtent < 0 ? -int64_t(toExtent) : toExtent;
  const int64_t fromStart = fromExtent < 0 ? int64_t(from) + fromExtent : from;
  const int64_t toStart = toExtent < 0 ? int64_t(to) + toExtent : to;
  const int64_t first = std::max<int64_t>(toStart, 0);
  const int64_t last = std::min<int64_t>(toStart + toLength, targetSize);
  if (first >= last) return map;
  map.first = int(first);
  map.count = int(last - first);
  map.sourceIndex.resize(size_t(map.count));
  for (int64_t t = first; t < last; ++t) {
    int64_t along = t - toStart;
    if (mirror) along = toLength - 1 - along;
    const int64_t s = fromStart + (2 * along + 1) * fromLength / (2 * toLength);
    map.sourceIndex[size_t(t - first)] = (s >= 0 && s < sourceSize) ? int(s) : -1;
  }
  return map;
}

// One target row from the source row `in`: pixel c is the source pixel at byte columnBytes[c].
// All but the last move as one 4-byte load and store (the extra byte lands on the next pixel,
// written right after), four to a step so that the loop's own counting is shared among them.
void GatherRow(const uint8_t* in, const uint32_t* columnBytes, size_t count, uint8_t* out) {
  const size_t last = count - 1;
  auto move4 = [&](size_t c) {
    uint32_t pixel;
    std::memcpy(&pixel, in + columnBytes[c], 4);
    std::memcpy(out + c * 3, &pixel, 4);
  };
  size_t c = 0;
  for (; c + 4 <= last; c += 4) {
    move4(c);
    move4(c + 1);
    move4(c + 2);
    move4(c + 3);
  }
  for (; c < last; ++c) move4(c);
  std::memcpy(out + last * 3, in + columnBytes[last], 3);
}

}  // namespace

void StretchCopy(const Bitmap& source, const SignedArea& from, Bitmap& target, const SignedArea& to) {
  if (source.Empty() || target.Empty()) return;
  const AxisMap columns = MapAxis(from.x, from.width, source.Width(), to.x, to.width, target.Width());
  const AxisMap rows = MapAxis(from.y, from.height, source.Height(), to.y, to.height, target.Height());
  if (columns.count == 0 || rows.count == 0) return;

  // A run of target columns that maps one to one onto consecutive source columns is one memcpy.
  const bool straight = columns.sourceIndex.front() >= 0 && columns.sourceIndex.back() >= 0 &&
                        columns.sourceIndex.back() - columns.sourceIndex.front() == columns.count - 1 &&
                        (columns.count == 1 || columns.sourceIndex[1] == columns.sourceIndex[0] + 1);
  // When every column has a source, all but the row's last pixel move as one 4-byte load and
  // store (the extra byte lands on the next pixel, written right after): far cheaper than three
  // single bytes. A row qualifies when its farthest 4-byte read stays inside the source bitmap.
  const bool everyColumnInside =
      std::find(columns.sourceIndex.begin(), columns.sourceIndex.end(), -1) == columns.sourceIndex.end();
  const size_t farthestColumnByte =
      size_t(*std::max_element(columns.sourceIndex.begin(), columns.sourceIndex.end())) * 3;
  const size_t sourceBytes = source.Stride() * size_t(source.Height());
  // The byte of each column's source pixel within a row, worked out once for all rows.
  std::vector<uint32_t> columnBytes;
  if (everyColumnInside && !straight) {
    columnBytes.resize(size_t(columns.count));
    for (size_t c = 0; c < columnBytes.size(); ++c) columnBytes[c] = uint32_t(columns.sourceIndex[c]) * 3;
  }
  int previousSourceRow = -1;
  uint8_t* previousRow = nullptr;
  const size_t rowBytes = size_t(columns.count) * 3;
  for (int r = 0; r < rows.count; ++r) {
    const int sourceRow = rows.sourceIndex[size_t(r)];
    if (sourceRow < 0) continue;
    uint8_t* out = target.Row(rows.first + r) + size_t(columns.first) * 3;
    if (sourceRow == previousSourceRow) {
      // Enlarging repeats rows: copy the row just made.
      std::memcpy(out, previousRow, rowBytes);
    } else if (straight) {
      std::memcpy(out, source.Row(sourceRow) + size_t(columns.sourceIndex.front()) * 3, rowBytes);
    } else if (everyColumnInside && size_t(sourceRow) * source.Stride() + farthestColumnByte + 4 <= sourceBytes) {
      GatherRow(source.Row(sourceRow), columnBytes.data(), columnBytes.size(), out);
    } else {
      const uint8_t* in = source.Row(sourceRow);
      for (int c = 0; c < columns.count; ++c) {
        const int s = columns.sourceIndex[size_t(c)];
        if (s < 0) continue;
        std::memcpy(out + size_t(c) * 3, in + size_t(s) * 3, 3);
      }
    }
    previousSourceRow = sourceRow;
    previousRow = out;
  }
}

void DrawBitmap(const Bitmap& source, int x, int y, Bitmap& target) {
  StretchCopy(source, SignedArea{0, 0, source.Width(), source.Height()}, target,
              SignedArea{x, y, source.Width(), source.Height()});
}

namespace {

// The weights of the source pixels under each target pixel of one axis, in units of 1/65536 of
// a target pixel; each target pixel's weights add up to 65536. Target pixel t takes `count[t]`
// consecutive source pixels from `first[t]`, whose weights follow one another in `weight`.
struct AxisWeights {
  std::vector<int> first, count;
  std::vector<uint32_t> weight;
  int widest = 0;  // the most source pixels any target pixel takes
};

AxisWeights AreaWeights(int sourceSize, int targetSize) {
  AxisWeights axis;
  axis.first.resize(size_t(targetSize));
  axis.count.resize(size_t(targetSize));
  axis.weight.reserve(size_t(targetSize) + size_t(sourceSize) * 2);
  for (int t = 0; t < targetSize; ++t) {
    // The target pixel covers [t * s / T, (t + 1) * s / T) of the source, kept as fractions of T.
    const int64_t begin = int64_t(t) * sourceSize, end = int64_t(t + 1) * sourceSize;
    const size_t own = axis.weight.size();
    uint32_t total = 0;
    axis.first[size_t(t)] = int(begin / targetSize);
    for (int64_t s = begin / targetSize; s < sourceSize && s * targetSize < end; ++s) {
      const int64_t overlap = std::min(end, (s + 1) * targetSize) - std::max(begin, s * targetSize);
      const uint32_t w = uint32_t(overlap * 65536 / sourceSize);
      axis.weight.push_back(w);
      total += w;
    }
    const int count = int(axis.weight.size() - own);
    axis.count[size_t(t)] = count;
    axis.widest = std::max(axis.widest, count);
    // Rounding leaves a few units over; give them to the largest share so the sum is exact.
    if (count > 0) *std::max_element(axis.weight.begin() + std::ptrdiff_t(own), axis.weight.end()) += 65536 - total;
  }
  return axis;
}

// The column weights laid out for the across pass: every target column takes exactly `taken`
// source pixels, padded with weights of 0 (moved left where the row ends), so the inner loop has
// a fixed length. Padding adds nothing to any sum.
struct AcrossWeights {
  int taken = 0;
  std::vector<int> firstByte;     // of the first source pixel taken, per target column
  std::vector<uint32_t> weight;   // `taken` per target column
};

AcrossWeights PadAcross(const AxisWeights& columns, int sourceWidth) {
  AcrossWeights across;
  across.taken = std::max(columns.widest, 1);
  const size_t width = columns.first.size();
  across.firstByte.resize(width);
  across.weight.assign(width * size_t(across.taken), 0);
  size_t next = 0;
  for (size_t x = 0; x < width; ++x) {
    const int first = std::max(0, std::min(columns.first[x], sourceWidth - across.taken));
    across.firstByte[x] = first * 3;
    for (int k = 0; k < columns.count[x]; ++k)
      across.weight[x * size_t(across.taken) + size_t(columns.first[x] - first + k)] = columns.weight[next++];
  }
  return across;
}

// One source row averaged across: each channel of each target column, with 8 fraction bits. The
// sums stay below 256 << 8, so they fit in 16 bits.
template <int kTaken>
void AverageAcross(const uint8_t* in, const AcrossWeights& across, uint16_t* out) {
  const int taken = kTaken > 0 ? kTaken : across.taken;
  const uint32_t* w = across.weight.data();
  const size_t width = across.firstByte.size();
  for (size_t x = 0; x < width; ++x, w += taken) {
    const uint8_t* p = in + across.firstByte[x];
    uint32_t b = 0, g = 0, r = 0;
    for (int k = 0; k < taken; ++k) {
      b += p[k * 3] * w[k];
      g += p[k * 3 + 1] * w[k];
      r += p[k * 3 + 2] * w[k];
    }
    out[x * 3] = uint16_t((b + 128) >> 8);
    out[x * 3 + 1] = uint16_t((g + 128) >> 8);
    out[x * 3 + 2] = uint16_t((r + 128) >> 8);
  }
}

using AcrossPass = void (*)(const uint8_t* in, const AcrossWeights& across, uint16_t* out);

// Shrinking by less than half, or enlarging, takes at most three pixels a column.
AcrossPass AcrossPassFor(int taken) {
  switch (taken) {
    case 1: return AverageAcross<1>;
    case 2: return AverageAcross<2>;
    case 3: return AverageAcross<3>;
    case 4: return AverageAcross<4>;
    default: return AverageAcross<0>;
  }
}

}  // namespace

Bitmap HalftoneStretch(const Bitmap& source, int width, int height) {
  Bitmap result;
  if (source.Empty() || width <= 0 || height <= 0) return result;
  result.Reset(width, height);
  if (result.Empty()) return result;
  const AcrossWeights columns = PadAcross(AreaWeights(source.Width(), width), source.Width());
  const AcrossPass averageAcross = AcrossPassFor(columns.taken);
  const AxisWeights rows = AreaWeights(source.Height(), height);

  // Each source row is averaged across once, into a ring just deep enough for the rows one target
  // row takes; the target rows then average those down. Sums of weights of 65536 over values
  // below 256 << 8 stay below 2^32.
  const size_t rowValues = size_t(width) * 3;
  const int ringRows = std::max(rows.widest, 1);
  std::vector<uint16_t> ring(size_t(ringRows) * rowValues);
  std::vector<uint32_t> sum(rowValues);
  const uint32_t* w = rows.weight.data();  // of the target row in hand
  int nextSourceRow = 0;
  for (int y = 0; y < height; ++y) {
    const int first = rows.first[size_t(y)], count = rows.count[size_t(y)];
    nextSourceRow = std::max(nextSourceRow, first);
    for (; nextSourceRow < first + count; ++nextSourceRow)
      averageAcross(source.Row(nextSourceRow), columns, &ring[size_t(nextSourceRow % ringRows) * rowValues]);
    const auto across = [&](int k) { return &ring[size_t((first + k) % ringRows) * rowValues]; };
    uint8_t* out = result.Row(y);
    if (count == 2) {
      // Most target rows of a shrink by less than half: one pass, which the compiler vectorizes.
      const uint16_t *a = across(0), *b = across(1);
      const uint32_t wa = w[0], wb = w[1];
      for (size_t i = 0; i < rowValues; ++i)
        out[i] = uint8_t(std::min<uint32_t>(255, (a[i] * wa + b[i] * wb + (1u << 23)) >> 24));
    } else {
      std::fill(sum.begin(), sum.end(), 1u << 23);
      for (int k = 0; k < count; ++k) {
        const uint16_t* a = across(k);
        const uint32_t weight = w[k];
        for (size_t i = 0; i < rowValues; ++i) sum[i] += a[i] * weight;
      }
      for (size_t i = 0; i < rowValues; ++i) out[i] = uint8_t(std::min<uint32_t>(255, sum[i] >> 24));
    }
    w += count;
  }
  return result;
}

bool StretchBitmap(Bitmap& picture, int w, int h) {
  if (w <= 0 || h <= 0 || (w == picture.Width() && h == picture.Height())) return true;
  if (w > Bitmap::kMaxSide || h > Bitmap::kMaxSide || uint64_t(w) * uint64_t(h) > kMaxJpegPixels) return false;
  if (picture.Empty()) {
    picture.Reset(w, h);
    return !picture.Empty();
  }
  Bitmap stretched = HalftoneStretch(picture, w, h);
  if (stretched.Empty()) return false;
  picture = std::move(stretched);
  return true;
}

}  // namespace saverkit
