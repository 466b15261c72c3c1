#include "forms/win32/text_drawing.h"

#include "forms/control_geometry.h"

namespace saverkit {

namespace {

HFONT CreateFontOfHeight(const ControlFont& font, int height) {
  return CreateFontA(height, 0, 0, 0, font.style.bold ? FW_BOLD : FW_NORMAL, font.style.italic, font.style.underline,
                     font.style.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH, font.name.c_str());
}

}  // namespace

HFONT CreateControlFont(const ControlFont& font, HDC dc) {
  return CreateFontOfHeight(font, font.height != 0 ? font.height : -MulDiv(font.size, GetDeviceCaps(dc, LOGPIXELSY), 72));
}

HFONT CreateControlFont(const ControlFont& font, const DpiScale& scale) {
  return CreateFontOfHeight(font, font.height != 0 ? scale.Length(font.height) : -MulDiv(font.size, scale.Dpi(), 72));
}

void DrawAlignedText(HDC dc, const std::string& text, RECT box, UINT format, VerticalAlign layout) {
  if (layout != VerticalAlign::kTop) {
    RECT measured = box;
    DrawTextA(dc, text.c_str(), int(text.size()), &measured, format | DT_CALCRECT);
    box.top += TextTopOffset(layout, box.bottom - box.top, measured.bottom - measured.top);
  }
  DrawTextA(dc, text.c_str(), int(text.size()), &box, format);
}

}  // namespace saverkit
