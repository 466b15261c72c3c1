#include "pictrans/main_thread_calls.h"

namespace saverkit {

void MainThreadCalls::RunOnMainThread(const std::function<void()>& call) {
  std::unique_lock<std::mutex> lock(mutex_);
  pending_ = &call;
  ran_ = false;
  changed_.notify_all();
  lock.unlock();
  wake_();
  lock.lock();
  changed_.wait(lock, [this] { return ran_; });
}

bool MainThreadCalls::RunPending() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (pending_ == nullptr) return false;
  const std::function<void()>* call = pending_;
  pending_ = nullptr;
  lock.unlock();
  (*call)();
  lock.lock();
  ran_ = true;
  changed_.notify_all();
  return true;
}

void MainThreadCalls::WaitServicing(const std::function<bool()>& done) {
  for (;;) {
    RunPending();
    if (done()) return;
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return pending_ != nullptr || notified_; });
    notified_ = false;
  }
}

void MainThreadCalls::Notify() {
  std::lock_guard<std::mutex> lock(mutex_);
  notified_ = true;
  changed_.notify_all();
}

}  // namespace saverkit
