#include "base/fit_rect.h"

#include <cstdint>

namespace saverkit {

Rect FitRect(const Rect& inner, const Rect& outer, bool force) {
  const int64_t iw = inner.Width(), ih = inner.Height();
  const int64_t ow = outer.Width(), oh = outer.Height();
  const int x = outer.left, y = outer.top;
  if (!force && iw <= ow && ih <= oh) return CentreRect(int(iw), int(ih), outer);
  // An empty inner rectangle has no proportions to keep; dividing by its size would fault.
  if (ow <= 0 || oh <= 0 || iw <= 0 || ih <= 0) return RectAt(x, y, 0, 0);
  if (double(ow) / double(oh) >= double(iw) / double(ih)) {
    const int64_t w = iw * oh / ih;
    return RectAt(x + int((ow - w) / 2), y, int(w), int(oh));
  }
  const int64_t h = ih * ow / iw;
  return RectAt(x, y + int((oh - h) / 2), int(ow), int(h));
}

Rect CentreRect(int width, int height, const Rect& outer) {
  const int64_t dx = (int64_t(outer.Width()) - width) / 2, dy = (int64_t(outer.Height()) - height) / 2;
  return RectAt(outer.left + int(dx), outer.top + int(dy), width, height);
}

}  // namespace saverkit
