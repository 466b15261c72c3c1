#include "show/show_area.h"

#include <algorithm>

#include "raster/saturating.h"

namespace saverkit {

Rect ShowAreaInWindow(const Rect& virtualDesktop, int32_t primaryWidth, int32_t primaryHeight) {
  const int64_t width = std::max<int64_t>(primaryWidth, 0);
  const int64_t height = std::max<int64_t>(primaryHeight, 0);
  // The screen origin seen from the window's top-left corner.
  const int64_t desktopWidth = int64_t(virtualDesktop.right) - virtualDesktop.left;
  const int64_t desktopHeight = int64_t(virtualDesktop.bottom) - virtualDesktop.top;
  const int64_t left = std::clamp<int64_t>(-int64_t(virtualDesktop.left), 0, std::max<int64_t>(desktopWidth - width, 0));
  const int64_t top = std::clamp<int64_t>(-int64_t(virtualDesktop.top), 0, std::max<int64_t>(desktopHeight - height, 0));
  return Rect{ClampToI32(left), ClampToI32(top), ClampToI32(left + width), ClampToI32(top + height)};
}

}  // namespace saverkit
