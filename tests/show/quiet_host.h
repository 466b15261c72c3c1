// A host for a real picture control that paints nowhere: its clock moves one tick per reading.
#pragma once

#include "pictrans/pic_trans_host.h"

namespace saverkit::testing {

class QuietHost : public PicTransHost {
 public:
  void InvalidateParent(const Rect&) override {}
  void Update() override {}
  void ProcessMessages() override {}
  uint32_t TickCount() override { return ++now_; }
  void WakeMainThread() override {}

 private:
  uint32_t now_ = 0;
};

}  // namespace saverkit::testing
