// The transition control hosted by a Win32 window: the window invalidates and repaints the
// control's rectangle, runs the worker's steps when asked by a posted message, and presents the
// control's composed client area in its own WM_PAINT, so nothing is ever erased in between.
#pragma once

#include <windows.h>

#include "pictrans/pic_trans.h"
#include "pictrans/pic_trans_host.h"

namespace saverkit {

class Win32PicTransHost : public PicTransHost {
 public:
  // Posted to the parent when a worker waits for its step; the parent hands it to
  // HandleMessage.
  static constexpr UINT kRunStepsMessage = WM_APP + 0x51;

  explicit Win32PicTransHost(HWND parent) : parent_(parent) {}

  // The parent's window procedure offers every message here first; true when it was ours alone.
  // Mouse messages are watched (the control's OnMouseEnter / OnMouseLeave) and passed on.
  bool HandleMessage(TCustomPic_Trans& control, UINT message, LPARAM lParam);
  // Draws the control into the parent's paint DC at its bounds (call from WM_PAINT).
  static void Present(TCustomPic_Trans& control, HDC dc);

  void InvalidateParent(const Rect& r) override;
  void Update() override;
  void ProcessMessages() override;
  uint32_t TickCount() override;
  void WakeMainThread() override;
  void ApplyThreadPriority(TThreadPriority priority) override;

 private:
  HWND parent_;
  bool trackingLeave_ = false;
};

}  // namespace saverkit
