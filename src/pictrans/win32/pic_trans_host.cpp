#include "pictrans/win32/pic_trans_host.h"

#include <windowsx.h>

#include "raster/win32/bitmap_drawing.h"

namespace saverkit {

bool Win32PicTransHost::HandleMessage(TCustomPic_Trans& control, UINT message, LPARAM lParam) {
  switch (message) {
    case kRunStepsMessage:
      control.RunSynchronizedCalls();
      return true;
    case WM_MOUSEMOVE:
      if (!trackingLeave_) {
        // Windows reports the mouse leaving the parent once per request.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, parent_, 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
      }
      control.MouseAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return false;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      control.MouseGone();
      return false;
    default:
      return false;
  }
}

void Win32PicTransHost::Present(TCustomPic_Trans& control, HDC dc) {
  const Rect bounds = control.BoundsRect();
  DrawBitmap(control.PaintControl(), bounds.left, bounds.top, dc);
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

void Win32PicTransHost::ApplyThreadPriority(TThreadPriority priority) {
  static constexpr int kWindowsPriority[] = {THREAD_PRIORITY_IDLE,         THREAD_PRIORITY_LOWEST,
                                             THREAD_PRIORITY_BELOW_NORMAL, THREAD_PRIORITY_NORMAL,
                                             THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                             THREAD_PRIORITY_TIME_CRITICAL};
  if (priority <= tpTimeCritical) SetThreadPriority(GetCurrentThread(), kWindowsPriority[priority]);
}

}  // namespace saverkit
