#include "package/picture_stretch.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "raster/jpeg_codec.h"

namespace saverkit {
namespace {

// For one axis: which source pixels each target pixel covers, and by how much. Weights of one
// target pixel add up to 1.
struct Span {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Span> CoverageSpans(int source, int target) {
  std::vector<Span> spans(static_cast<size_t>(target));
  const double ratio = double(source) / target;
  for (int t = 0; t < target; ++t) {
    const double begin = t * ratio;
    const double end = std::min(double(source), (t + 1) * ratio);
    Span& span = spans[size_t(t)];
    span.first = std::min(source - 1, int(begin));
    for (int s = span.first; s < source && s < end; ++s) {
      const double overlap = std::min(end, double(s + 1)) - std::max(begin, double(s));
      span.weights.push_back(float(overlap / ratio));
    }
  }
  return spans;
}

}  // namespace

bool StretchPicture(Bitmap& picture, int w, int h) {
  if (w <= 0 || h <= 0 || picture.Empty()) return true;
  if (w == picture.Width() && h == picture.Height()) return true;
  if (w > Bitmap::kMaxSide || h > Bitmap::kMaxSide || uint64_t(w) * uint64_t(h) > kMaxJpegPixels)
    return false;

  const int sourceWidth = picture.Width();
  const int sourceHeight = picture.Height();
  const std::vector<Span> columns = CoverageSpans(sourceWidth, w);
  const std::vector<Span> rows = CoverageSpans(sourceHeight, h);

  // Columns first, into a float buffer of w x sourceHeight, then rows.
  std::vector<float> narrowed(size_t(w) * 3 * size_t(sourceHeight));
  for (int y = 0; y < sourceHeight; ++y) {
    const uint8_t* in = picture.Row(y);
    float* out = narrowed.data() + size_t(y) * w * 3;
    for (int x = 0; x < w; ++x) {
      const Span& span = columns[size_t(x)];
      float b = 0, g = 0, r = 0;
      for (size_t k = 0; k < span.weights.size(); ++k) {
        const uint8_t* pixel = in + size_t(span.first + int(k)) * 3;
        b += pixel[0] * span.weights[k];
        g += pixel[1] * span.weights[k];
        r += pixel[2] * span.weights[k];
      }
      out[x * 3] = b;
      out[x * 3 + 1] = g;
      out[x * 3 + 2] = r;
    }
  }

  Bitmap result(w, h);
  if (result.Empty()) return false;
  std::vector<float> sum(size_t(w) * 3);
  for (int y = 0; y < h; ++y) {
    const Span& span = rows[size_t(y)];
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (size_t k = 0; k < span.weights.size(); ++k) {
      const float* in = narrowed.data() + size_t(span.first + int(k)) * w * 3;
      for (size_t i = 0; i < sum.size(); ++i) sum[i] += in[i] * span.weights[k];
    }
    uint8_t* out = result.Row(y);
    for (size_t i = 0; i < sum.size(); ++i) out[i] = uint8_t(std::clamp(sum[i] + 0.5f, 0.0f, 255.0f));
  }
  picture = std::move(result);
  return true;
}

}  // namespace saverkit
