#include "show/win32/caption_painter.h"

#include "base/win32/scoped_win.h"

namespace saverkit {
namespace {

HFONT CreateCaptionFont(HDC dc, const ControlFont& font) {
  const int height = -MulDiv(font.size, GetDeviceCaps(dc, LOGPIXELSY), 72);
  return CreateFontA(height, 0, 0, 0, font.style.bold ? FW_BOLD : FW_NORMAL, font.style.italic,
                     font.style.underline, font.style.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.name.c_str());
}

// Labels show "&" as it is and break lines where the text has them.
constexpr UINT kCaptionFormat = DT_NOPREFIX | DT_CENTER;

}  // namespace

TextExtent GdiCaptionPainter::Measure(const ControlFont& font, const std::string& text) {
  ScopedWindowDc windowDc(window_);
  HDC dc = windowDc.Dc();
  if (!dc) return {};
  ScopedFont gdiFont(CreateCaptionFont(dc, font));
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
    ScopedFont font(CreateCaptionFont(dc, label.font));
    ScopedSelect select(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(label.font.color));
    // Centred vertically too: measure the text's height within the box first.
    RECT measured = box;
    DrawTextA(dc, label.caption.c_str(), int(label.caption.size()), &measured, kCaptionFormat | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    RECT text = box;
    text.top += (label.bounds.height - textHeight) / 2;
    DrawTextA(dc, label.caption.c_str(), int(label.caption.size()), &text, kCaptionFormat);
  }
}

}  // namespace saverkit
