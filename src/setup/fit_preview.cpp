#include "setup/fit_preview.h"

namespace saverkit {
namespace {

// Truncates toward zero like the dialog always has, and keeps a hostile size inside 32 bits.
int32_t Scaled(double value, double scale) {
  const double scaled = value * scale;
  if (scaled >= 2147483647.0) return 2147483647;
  if (scaled <= -2147483648.0) return int32_t(-2147483647 - 1);
  return int32_t(scaled);
}

int32_t CentredOffset(int32_t available, int32_t displayed) {
  const int64_t room = int64_t(available) - displayed;
  return room >= 1 ? int32_t(room / 2) : 0;
}

}  // namespace

ControlBounds FitPreview(const ItemRecord& item, int32_t bitmapWidth, int32_t bitmapHeight, int32_t designWidth,
                         int32_t screenWidth, int32_t availableWidth, int32_t availableHeight) {
  const bool ownSize = item.Width >= 1 && item.Height >= 1;
  const int32_t width = ownSize ? item.Width : bitmapWidth;
  const int32_t height = ownSize ? item.Height : bitmapHeight;
  const int32_t screen = designWidth > 0 ? designWidth : screenWidth;
  const double scale = screen > 0 ? double(availableWidth) / screen : 1.0;
  ControlBounds bounds;
  bounds.width = Scaled(width, scale);
  bounds.height = Scaled(height, scale);
  if (item.FixedPosition) {
    bounds.left = Scaled(item.X, scale);
    bounds.top = Scaled(item.Y, scale);
  } else {
    bounds.left = CentredOffset(availableWidth, bounds.width);
    bounds.top = CentredOffset(availableHeight, bounds.height);
  }
  return bounds;
}

}  // namespace saverkit
