#include "controls/win32/x_image_ex.h"

#include "raster/win32/bitmap_drawing.h"

namespace saverkit {

bool XImageEx::Create(HWND parent, int x, int y, int width, int height) {
  WindowPlacement placement;
  placement.style = WS_CHILD | WS_VISIBLE;
  placement.x = x;
  placement.y = y;
  placement.width = width;
  placement.height = height;
  placement.parent = parent;
  return Window::Create("SaverkitImageEx", "", placement);
}

void XImageEx::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  if (IsAlive()) InvalidateRect(Handle(), nullptr, FALSE);
}

void XImageEx::MouseIn() {
  if (OnMouseIn) OnMouseIn();
}

void XImageEx::MouseOut() {
  if (OnMouseOut) OnMouseOut();
}

void XImageEx::OnMouseMove() {
  if (inside_) return;
  // Windows reports the entry as the first move; the leave needs asking for, once per entry.
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
  inside_ = true;
  MouseIn();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void XImageEx::OnMouseLeave() {
  if (!inside_) return;
  inside_ = false;
  MouseOut();
  InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT XImageEx::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove();
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_ERASEBKGND:
      return 1;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void XImageEx::PaintContent(HDC dc, const RECT& clientArea) {
  FillRect(dc, &clientArea, GetSysColorBrush(COLOR_BTNFACE));
  DrawBitmap(picture_, 0, 0, dc);
}

}  // namespace saverkit
