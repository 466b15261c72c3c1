// What the transition control needs from the window that hosts it. The control has no window
// of its own: its parent paints it. One Win32 implementation; tests use a stand-in.
#pragma once

#include <cstdint>

#include "pictrans/transition_types.h"
#include "base/rect.h"

namespace saverkit {

class PicTransHost {
 public:
  virtual ~PicTransHost() = default;
  // Marks a rectangle of the parent's client area for repainting, without erasing.
  virtual void InvalidateParent(const Rect& r) = 0;
  // Repaints the parent's invalid area now (the parent's paint calls the control's PaintControl).
  virtual void Update() = 0;
  // Handles the pending messages of the user-interface thread, then returns.
  virtual void ProcessMessages() = 0;
  // Milliseconds since some fixed moment; wraps around.
  virtual uint32_t TickCount() = 0;
  // Called from the worker thread: a call is waiting in the control's MainThreadCalls; make the
  // user-interface thread run the control's RunSynchronizedCalls soon.
  virtual void WakeMainThread() = 0;
  // Called on a worker thread as it starts: gives the thread the control's priority where the
  // system has thread priorities.
  virtual void ApplyThreadPriority(TThreadPriority priority) { (void)priority; }
};

}  // namespace saverkit
