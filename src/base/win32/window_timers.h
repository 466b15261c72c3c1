// The timers of one window, delivered as WM_TIMER messages to it.
#pragma once

#include <windows.h>

#include "base/timer_host.h"

namespace saverkit {

class WindowTimers : public TimerHost {
 public:
  explicit WindowTimers(HWND window) : window_(window) {}
  uintptr_t SetTimer(uintptr_t id, uint32_t periodMs) override { return ::SetTimer(window_, id, periodMs, nullptr); }
  void KillTimer(uintptr_t id) override { ::KillTimer(window_, id); }

 private:
  HWND window_;
};

}  // namespace saverkit
