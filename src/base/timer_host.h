// Window timers of one window: the show window's 555, 666 and 303. Each arrives later as a
// timer message with its id on the user-interface thread.
#pragma once

#include <cstdint>

namespace saverkit {

class TimerHost {
 public:
  virtual ~TimerHost() = default;
  // The id of the running timer, 0 when it could not be created.
  virtual uintptr_t SetTimer(uintptr_t id, uint32_t periodMs) = 0;
  virtual void KillTimer(uintptr_t id) = 0;
};

}  // namespace saverkit
