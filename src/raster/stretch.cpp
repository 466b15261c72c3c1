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
      const uint8_t* in = source.Row(sourceRow);
      const int last = columns.count - 1;
      for (int c = 0; c < last; ++c) {
        uint32_t pixel;
        std::memcpy(&pixel, in + size_t(columns.sourceIndex[size_t(c)]) * 3, 4);
        std::memcpy(out + size_t(c) * 3, &pixel, 4);
      }
      std::memcpy(out + size_t(last) * 3, in + size_t(columns.sourceIndex[size_t(last)]) * 3, 3);
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

// One source row averaged across: each channel of each target column, with 8 fraction bits. The
// sums stay below 256 << 8, so they fit in 16 bits.
void AverageAcross(const uint8_t* in, const AxisWeights& columns, uint16_t* out) {
  const uint32_t* w = columns.weight.data();
  const size_t width = columns.first.size();
  for (size_t x = 0; x < width; ++x) {
    const uint8_t* p = in + size_t(columns.first[x]) * 3;
    uint32_t b = 0, g = 0, r = 0;
    for (int k = columns.count[x]; k > 0; --k, ++w, p += 3) {
      b += p[0] * *w;
      g += p[1] * *w;
      r += p[2] * *w;
    }
    out[x * 3] = uint16_t((b + 128) >> 8);
    out[x * 3 + 1] = uint16_t((g + 128) >> 8);
    out[x * 3 + 2] = uint16_t((r + 128) >> 8);
  }
}

}  // namespace

Bitmap HalftoneStretch(const Bitmap& source, int width, int height) {
  Bitmap result;
  if (source.Empty() || width <= 0 || height <= 0) return result;
  result.Reset(width, height);
  if (result.Empty()) return result;
  const AxisWeights columns = AreaWeights(source.Width(), width);
  const AxisWeights rows = AreaWeights(source.Height(), height);

  // Each source row is averaged across once, into a ring just deep enough for the rows one target
  // row takes; the target rows then average those down. Sums of weights of 65536 over values
  // below 256 << 8 stay below 2^32.
  const size_t rowValues = size_t(width) * 3;
  const int ringRows = std::max(rows.widest, 1);
  std::vector<uint16_t> ring(size_t(ringRows) * rowValues);
  std::vector<uint32_t> sum(rowValues);
  const uint32_t* w = rows.weight.data();
  int nextSourceRow = 0;
  for (int y = 0; y < height; ++y) {
    const int first = rows.first[size_t(y)], count = rows.count[size_t(y)];
    nextSourceRow = std::max(nextSourceRow, first);
    for (; nextSourceRow < first + count; ++nextSourceRow)
      AverageAcross(source.Row(nextSourceRow), columns, &ring[size_t(nextSourceRow % ringRows) * rowValues]);
    std::fill(sum.begin(), sum.end(), 1u << 23);
    for (int k = 0; k < count; ++k, ++w) {
      const uint16_t* across = &ring[size_t((first + k) % ringRows) * rowValues];
      const uint32_t weight = *w;
      for (size_t i = 0; i < rowValues; ++i) sum[i] += across[i] * weight;
    }
    uint8_t* out = result.Row(y);
    for (size_t i = 0; i < rowValues; ++i) out[i] = uint8_t(std::min<uint32_t>(255, sum[i] >> 24));
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
