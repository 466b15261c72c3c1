#include "controls/win32/x_image_ex.h"

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
  if (picture_.Empty()) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture_.Width();
  info.bmiHeader.biHeight = -picture_.Height();  // top-down rows, as the Bitmap keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, picture_.Width(), picture_.Height(), 0, 0, 0, picture_.Height(), picture_.Data(),
                    &info, DIB_RGB_COLORS);
}

}  // namespace saverkit
