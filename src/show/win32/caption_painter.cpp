#include "show/win32/caption_painter.h"

#include "base/win32/scoped_win.h"
#include "forms/win32/text_drawing.h"

namespace saverkit {
namespace {

// Labels show "&" as it is and break lines where the text has them.
constexpr UINT kCaptionFormat = DT_NOPREFIX | DT_CENTER;

}  // namespace

TextExtent GdiCaptionPainter::Measure(const ControlFont& font, const std::string& text) {
  ScopedWindowDc windowDc(window_);
  HDC dc = windowDc.Dc();
  if (!dc) return {};
  ScopedFont gdiFont(CreateControlFont(font, dc));
  ScopedSelect select(dc, gdiFont.Get());
  RECT extent{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), int(text.size()), &extent, kCaptionFormat | DT_CALCRECT);
  return {extent.right - extent.left, extent.bottom - extent.top};
}

void GdiCaptionPainter::Paint(HDC dc, const ComponentOwner& components) const {
  for (int i = 0; i < components.Count(); ++i) {
    const Component& label = components.At(i);
    if (!label.visible || label.bounds.width <= 0 || label.bounds.height <= 0) continue;
    RECT box{label.bounds.left, label.bounds.top, label.bounds.left + label.bounds.width,
             label.bounds.top + label.bounds.height};
    if (!label.transparent) {
      ScopedBrush fill(CreateSolidBrush(COLORREF(label.color)));
      FillRect(dc, &box, fill.Get());
    }
    ScopedFont font(CreateControlFont(label.font, dc));
    ScopedSelect select(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(label.font.color));
    DrawAlignedText(dc, label.caption, box, kCaptionFormat, VerticalAlign::kCenter);
  }
}

}  // namespace saverkit
