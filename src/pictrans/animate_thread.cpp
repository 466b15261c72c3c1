#include "pictrans/animate_thread.h"

#include <chrono>

#include "pictrans/pic_trans.h"

namespace saverkit {

TAnimateThread::TAnimateThread(TCustomPic_Trans& owner) : owner_(owner) {
  thread_ = std::thread([this] { Execute(); });
}

TAnimateThread::~TAnimateThread() {
  Terminate();
  if (thread_.joinable()) thread_.join();
}

void TAnimateThread::Terminate() {
  std::lock_guard<std::mutex> lock(sleepMutex_);
  terminated_ = true;
  wakeUp_.notify_all();
}

void TAnimateThread::Execute() {
  PicTransHost& host = owner_.host_;
  host.ApplyThreadPriority(owner_.threadPriority_);
  while (!terminated_ && !owner_.manual_ && !owner_.stopping_) {
    const uint32_t start = host.TickCount();
    bool finished = false;
    // A run that ended meanwhile (Stop from a handler) has nothing left to step.
    owner_.mainThreadCalls_.RunOnMainThread([&] { finished = !owner_.busy_ || owner_.StepProgress(); });
    const uint32_t elapsed = host.TickCount() - start;
    if (finished) {
      terminated_ = true;
    } else if (elapsed < owner_.delay_) {
      std::unique_lock<std::mutex> lock(sleepMutex_);
      wakeUp_.wait_for(lock, std::chrono::milliseconds(owner_.delay_ - elapsed), [this] { return bool(terminated_); });
    }
  }
  // The termination event, on the user-interface thread like every step.
  owner_.mainThreadCalls_.RunOnMainThread([&] {
    if (owner_.thread_.get() == this) owner_.AnimationComplete();
  });
  finished_ = true;
  owner_.mainThreadCalls_.Notify();
}

}  // namespace saverkit
