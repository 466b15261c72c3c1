#include "pictrans/win32/win32_pic_trans_host.h"

namespace saverkit {

bool Win32PicTransHost::HandleMessage(TCustomPic_Trans& control, UINT message) {
  if (message != kRunStepsMessage) return false;
  control.RunSynchronizedCalls();
  return true;
}

void Win32PicTransHost::Present(TCustomPic_Trans& control, HDC dc) {
  const Bitmap& area = control.PaintControl();
  if (area.Empty()) return;
  // The bitmap is laid out as a top-down DIB: a negative height says so.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = area.Width();
  info.bmiHeader.biHeight = -area.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const Rect bounds = control.BoundsRect();
  SetDIBitsToDevice(dc, bounds.left, bounds.top, DWORD(area.Width()), DWORD(area.Height()), 0, 0, 0,
                    UINT(area.Height()), area.Data(), &info, DIB_RGB_COLORS);
}

void Win32PicTransHost::InvalidateParent(const Rect& r) {
  const RECT area{r.left, r.top, r.right, r.bottom};
  InvalidateRect(parent_, &area, FALSE);
}

void Win32PicTransHost::Update() { UpdateWindow(parent_); }

void Win32PicTransHost::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The loop that owns the thread must still see it.
      PostQuitMessage(int(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

uint32_t Win32PicTransHost::TickCount() { return GetTickCount(); }

void Win32PicTransHost::WakeMainThread() { PostMessageA(parent_, kRunStepsMessage, 0, 0); }

}  // namespace saverkit
