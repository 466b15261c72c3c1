#include "forms/dpi_scale.h"

namespace saverkit {
namespace {

int32_t Rescale(int32_t value, int to, int from) {
  const int64_t scaled = int64_t(value) * to;
  const int64_t half = from / 2;
  return int32_t(scaled >= 0 ? (scaled + half) / from : -((-scaled + half) / from));
}

}  // namespace

int32_t DpiScale::Length(int32_t designPixels) const { return Rescale(designPixels, dpi_, kDesignDpi); }

int32_t DpiScale::ToDesign(int32_t pixels) const { return Rescale(pixels, kDesignDpi, dpi_); }

ControlBounds DpiScale::Bounds(const ControlBounds& design) const {
  const int32_t left = Length(design.left), top = Length(design.top);
  return {left, top, Length(design.left + design.width) - left, Length(design.top + design.height) - top};
}

}  // namespace saverkit
